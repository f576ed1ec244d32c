// png-decode [--repeat N] INPUT.png [OUTPUT.bin]
//
// Runs the decoder's pipeline on a PNG file and prints one line:
//   ok <width> <height> <bitcount> <stride> <colors>   (exit 0)
//   error 0xNNNN | error rows                           (exit 1)
// OUTPUT receives colors x 4 bytes of colour table (B, G, R, 0) and then
// height x stride bytes of pixel rows, top row first: the bytes a DIB
// section of the programs would hold. Only the DIB section itself is
// replaced, by a heap buffer of the same layout.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "png/png_decoder.h"

namespace {

int Usage() {
  std::fprintf(stderr, "usage: png-decode [--repeat N] INPUT.png [OUTPUT.bin]\n");
  return 2;
}

int Fail(uint32_t code) {
  std::printf("error 0x%04x\n", unsigned(code));
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  long repeat = 1;
  int arg = 1;
  if (arg < argc && std::strcmp(argv[arg], "--repeat") == 0) {
    if (arg + 1 >= argc) return Usage();
    char* end = nullptr;
    repeat = std::strtol(argv[arg + 1], &end, 10);
    if (!end || *end || repeat < 1) return Usage();
    arg += 2;
  }
  if (argc - arg < 1 || argc - arg > 2) return Usage();
  const char* input = argv[arg];
  const char* output = argc - arg == 2 ? argv[arg + 1] : nullptr;

  std::vector<uint8_t> result;
  PngDecoder png;
  PngBitmapInfo info;
  uint32_t stride = 0, colors = 0;
  for (long i = 0; i < repeat; ++i) {
    PngInit(&png);
    if (!PngLoadFile(&png, input) || !PngDecode(&png)) {
      uint32_t code = png.error;
      PngFree(&png);
      return Fail(code);
    }
    // What PngCreateBitmap does, with a buffer in place of the section.
    PngBuildBitmapInfo(&png, &info);
    stride = PngOutputStride(&png);
    colors = PngColorCount(&png);
    size_t bytes = size_t(stride) * png.height;
    uint8_t* bits = static_cast<uint8_t*>(PngAllocate(uint32_t(bytes)));
    if (!bits) {
      PngFree(&png);
      return Fail(kPngNoBitmap);
    }
    std::memset(bits, 0, bytes);  // a new DIB section's memory is zeroed too
    bool rows = PngWriteRows(&png, bits);
    if (!rows) {
      uint32_t code = png.error;
      PngRelease(bits);
      PngFree(&png);
      if (code) return Fail(code);
      std::printf("error rows\n");
      return 1;
    }
    if (i + 1 == repeat) {
      result.resize(size_t(colors) * 4 + bytes);
      if (colors) std::memcpy(result.data(), info.colors, size_t(colors) * 4);
      std::memcpy(result.data() + size_t(colors) * 4, bits, bytes);
    }
    PngRelease(bits);
    if (i + 1 < repeat) PngFree(&png);
  }
  if (output) {
    FILE* file = std::fopen(output, "wb");
    bool written = file && std::fwrite(result.data(), 1, result.size(), file) == result.size();
    if (file && std::fclose(file) != 0) written = false;
    if (!written) {
      std::fprintf(stderr, "png-decode: cannot write %s\n", output);
      PngFree(&png);
      return 1;
    }
  }
  std::printf("ok %u %u %u %u %u\n", unsigned(png.width), unsigned(png.height),
              unsigned(info.bitCount), unsigned(stride), unsigned(colors));
  PngFree(&png);
  return 0;
}
