// PngLoadFile on the host (tools and tests): the whole file read with the C
// runtime into a decoder heap block. The Win32 build has its own in
// png_win32.cpp.
#include <cstdio>

#include "png/png_decoder.h"

bool PngLoadFile(PngDecoder* png, const char* path) {
  if (!PngBeginLoad(png)) return false;
  FILE* file = std::fopen(path, "rb");
  if (!file) {
    png->error = kPngFileError;
    return false;
  }
  long size = -1;
  if (std::fseek(file, 0, SEEK_END) == 0) size = std::ftell(file);
  if (size < 0 || std::fseek(file, 0, SEEK_SET) != 0) {
    std::fclose(file);
    png->error = kPngFileError;
    return false;
  }
  if (static_cast<unsigned long>(size) > 0xFFFFFFFFul) {
    std::fclose(file);
    png->error = kPngNoMemory;
    return false;
  }
  uint8_t* buffer = static_cast<uint8_t*>(PngAllocate(uint32_t(size)));
  if (!buffer) {
    std::fclose(file);
    png->error = kPngNoMemory;
    return false;
  }
  size_t got = std::fread(buffer, 1, size_t(size), file);
  std::fclose(file);
  if (got != size_t(size)) {
    PngRelease(buffer);
    png->error = kPngFileError;
    return false;
  }
  return PngAttachInput(png, buffer, uint32_t(size), kPngFromFile);
}
