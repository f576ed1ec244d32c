// Quantities derived from the IHDR fields, shared by the header scan and
// the row stage.
#pragma once

#include <cstdint>

// Channels per pixel by colour type: grey and palette 1, grey+alpha 2,
// RGB 3, RGBA 4.
inline uint32_t PngChannels(uint8_t colorType) {
  switch (colorType) {
    case 2: return 3;
    case 4: return 2;
    case 6: return 4;
    default: return 1;
  }
}

// Bytes of a row of n pixels at bpp bits per pixel, at least 1; 64-bit so
// that no width can wrap it.
inline uint64_t PngRowBytes(uint64_t n, uint32_t bpp) {
  uint64_t bytes = (n * bpp + 7) / 8;
  return bytes ? bytes : 1;
}
