#include "tests/png/png_test_util.h"

#include <zlib.h>

#include <cstring>

namespace {

void Append(Bytes* out, const Bytes& more) { out->insert(out->end(), more.begin(), more.end()); }

void Big32(Bytes* out, uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out->push_back(uint8_t(v >> shift));
}

}  // namespace

Bytes Chunk(const char* type, const Bytes& data) {
  Bytes out;
  Big32(&out, uint32_t(data.size()));
  out.insert(out.end(), type, type + 4);
  Append(&out, data);
  uLong crc = crc32(0, out.data() + 4, uInt(data.size() + 4));
  Big32(&out, uint32_t(crc));
  return out;
}

Bytes Ihdr(uint32_t width, uint32_t height, uint8_t depth, uint8_t colorType, uint8_t interlace,
           uint8_t compression, uint8_t filter) {
  Bytes data;
  Big32(&data, width);
  Big32(&data, height);
  data.push_back(depth);
  data.push_back(colorType);
  data.push_back(compression);
  data.push_back(filter);
  data.push_back(interlace);
  return Chunk("IHDR", data);
}

Bytes PngFile(const std::vector<Bytes>& chunks) {
  Bytes out = {137, 80, 78, 71, 13, 10, 26, 10};
  for (const Bytes& c : chunks) Append(&out, c);
  return out;
}

Bytes ZlibStored(const Bytes& data, size_t blockSize) {
  Bytes out = {0x78, 0x01};
  size_t pos = 0;
  do {
    size_t n = data.size() - pos < blockSize ? data.size() - pos : blockSize;
    bool last = pos + n == data.size();
    out.push_back(last ? 1 : 0);
    out.push_back(uint8_t(n));
    out.push_back(uint8_t(n >> 8));
    out.push_back(uint8_t(~n));
    out.push_back(uint8_t(~n >> 8));
    out.insert(out.end(), data.begin() + long(pos), data.begin() + long(pos + n));
    pos += n;
  } while (pos < data.size());
  Big32(&out, uint32_t(adler32(1, data.data(), uInt(data.size()))));
  return out;
}

Bytes ZlibCompress(const Bytes& data, int level) {
  uLongf size = compressBound(uLong(data.size()));
  Bytes out(size);
  compress2(out.data(), &size, data.data(), uLong(data.size()), level);
  out.resize(size);
  return out;
}

void BitWriter::Put(uint32_t value, uint32_t n) {
  for (uint32_t i = 0; i < n; ++i, ++bitCount) {
    if (bitCount % 8 == 0) bytes.push_back(0);
    if ((value >> i) & 1) bytes.back() |= uint8_t(1u << (bitCount % 8));
  }
}

void BitWriter::PutCode(uint32_t code, uint32_t length) {
  for (uint32_t i = length; i-- > 0;) Put((code >> i) & 1, 1);
}

void BitWriter::FixedLiteral(uint32_t symbol) {
  if (symbol < 144) PutCode(0x30 + symbol, 8);
  else if (symbol < 256) PutCode(0x190 + symbol - 144, 9);
  else if (symbol < 280) PutCode(symbol - 256, 7);
  else PutCode(0xC0 + symbol - 280, 8);
}

Decoded DecodePng(const Bytes& file) {
  Decoded d;
  PngDecoder png;
  PngInit(&png);
  if (!PngBeginLoad(&png) || !PngAttachInput(&png, file.data(), uint32_t(file.size()), kPngFromResource)) {
    d.error = png.error;
    return d;
  }
  d.loaded = true;
  d.width = png.width;
  d.height = png.height;
  if (!PngDecode(&png)) {
    d.error = png.error;
    PngFree(&png);
    return d;
  }
  d.decoded = true;
  PngBitmapInfo info;
  PngBuildBitmapInfo(&png, &info);
  d.bitCount = info.bitCount;
  d.stride = PngOutputStride(&png);
  d.colors = PngColorCount(&png);
  d.table.assign(&info.colors[0][0], &info.colors[0][0] + d.colors * 4);
  d.bits.assign(size_t(d.stride) * png.height, 0);  // zeroed like a new DIB section
  d.rows = PngWriteRows(&png, d.bits.data());
  d.error = png.error;
  PngFree(&png);
  return d;
}
