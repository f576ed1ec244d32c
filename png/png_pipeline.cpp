// PngRunPipeline: load from memory, decode, build the bitmap header, write
// the rows, free; every step's wrong-order call is tried too.
#include "png/png_pipeline.h"

#include <cstring>

namespace {

uint64_t Fnv(uint64_t hash, const uint8_t* p, size_t n) {
  for (size_t i = 0; i < n; ++i) hash = (hash ^ p[i]) * 1099511628211ull;
  return hash;
}

}  // namespace

PngPipelineResult PngRunPipeline(const uint8_t* data, size_t size, uint32_t limit) {
  PngPipelineResult result;
  std::memset(&result, 0, sizeof(result));
  if (size > 0xFFFFFFFFu) return result;
  // A heap copy attached as a file: the record owns and frees it.
  uint8_t* copy = static_cast<uint8_t*>(PngAllocate(uint32_t(size)));
  if (!copy) return result;
  if (size) std::memcpy(copy, data, size);
  PngDecoder png;
  PngInit(&png);
  if (!PngBeginLoad(&png) || !PngAttachInput(&png, copy, uint32_t(size), kPngFromFile)) {
    result.error = png.error;
    PngFree(&png);
    return result;
  }
  result.loaded = true;
  result.width = png.width;
  result.height = png.height;
  uint8_t dummy = 0;
  PngWriteRows(&png, &dummy);  // refused: not decoded
  uint32_t stride = PngOutputStride(&png);
  uint64_t bitmapBytes = uint64_t(stride) * png.height;
  if (PngRawSize(&png) > limit || bitmapBytes > limit || stride == 0) {
    result.error = png.error;
    PngFree(&png);
    return result;
  }
  if (!PngDecode(&png)) {
    result.error = png.error;
    PngFree(&png);
    return result;
  }
  result.decoded = true;
  PngDecode(&png);  // refused: already decoded
  png.error = kPngOk;
  PngBitmapInfo info;
  PngBuildBitmapInfo(&png, &info);
  result.bitCount = info.bitCount;
  result.stride = stride;
  result.colors = PngColorCount(&png);
  uint8_t* bits = static_cast<uint8_t*>(PngAllocate(uint32_t(bitmapBytes)));
  if (bits) {
    std::memset(bits, 0, size_t(bitmapBytes));  // as a new DIB section's memory
    result.rows = PngWriteRows(&png, bits);
    if (result.rows) {
      uint64_t hash = 14695981039346656037ull;
      hash = Fnv(hash, &info.colors[0][0], size_t(result.colors) * 4);
      result.checksum = Fnv(hash, bits, size_t(bitmapBytes));
    }
    PngRelease(bits);
  }
  result.error = png.error;
  PngFree(&png);
  return result;
}
