#include "skin/picture_scale.h"

#include <cstdint>

namespace {

// Source coordinate of a target pixel's centre in 16.16 fixed point,
// clamped to the first and last pixel centres.
std::int64_t SourcePosition(int target, int targetSize, int sourceSize) {
  std::int64_t pos = ((2 * std::int64_t(target) + 1) * sourceSize * 65536) / (2 * std::int64_t(targetSize)) - 32768;
  if (pos < 0) pos = 0;
  const std::int64_t last = std::int64_t(sourceSize - 1) * 65536;
  return pos > last ? last : pos;
}

}  // namespace

void ResizePixels(const std::uint8_t* source, int sourceWidth, int sourceHeight, std::uint8_t* target,
                  int targetWidth, int targetHeight) {
  if (sourceWidth <= 0 || sourceHeight <= 0 || targetWidth <= 0 || targetHeight <= 0) return;
  const std::size_t sourceRow = std::size_t(sourceWidth) * 4;
  for (int y = 0; y < targetHeight; ++y) {
    const std::int64_t sy = SourcePosition(y, targetHeight, sourceHeight);
    const int y0 = static_cast<int>(sy >> 16);
    const int y1 = y0 + 1 < sourceHeight ? y0 + 1 : y0;
    const std::int64_t fy = sy & 0xFFFF;
    for (int x = 0; x < targetWidth; ++x) {
      const std::int64_t sx = SourcePosition(x, targetWidth, sourceWidth);
      const int x0 = static_cast<int>(sx >> 16);
      const int x1 = x0 + 1 < sourceWidth ? x0 + 1 : x0;
      const std::int64_t fx = sx & 0xFFFF;
      const std::uint8_t* a = source + std::size_t(y0) * sourceRow + std::size_t(x0) * 4;
      const std::uint8_t* b = source + std::size_t(y0) * sourceRow + std::size_t(x1) * 4;
      const std::uint8_t* c = source + std::size_t(y1) * sourceRow + std::size_t(x0) * 4;
      const std::uint8_t* d = source + std::size_t(y1) * sourceRow + std::size_t(x1) * 4;
      std::uint8_t* out = target + (std::size_t(y) * std::size_t(targetWidth) + std::size_t(x)) * 4;
      for (int k = 0; k < 4; ++k) {
        const std::int64_t top = a[k] * (65536 - fx) + b[k] * fx;
        const std::int64_t bottom = c[k] * (65536 - fx) + d[k] * fx;
        const std::int64_t value = (top * (65536 - fy) + bottom * fy + (std::int64_t(1) << 31)) >> 32;
        out[k] = static_cast<std::uint8_t>(value > 255 ? 255 : value);
      }
    }
  }
}
