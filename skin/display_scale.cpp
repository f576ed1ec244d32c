#include "skin/display_scale.h"

#include <cstdint>

namespace {

// a x b / c rounded to the nearest, halves away from zero; c > 0.
int MulDivRound(std::int64_t a, std::int64_t b, std::int64_t c) {
  const std::int64_t product = a * b;
  const std::int64_t half = c / 2;
  return static_cast<int>(product >= 0 ? (product + half) / c : -((-product + half) / c));
}

}  // namespace

int ArtworkScaleForDpi(int dpi) {
  if (dpi <= 0) dpi = kBaseDpi;
  for (int scale : kArtworkScales) {
    // scale % serves every DPI up to 96 x scale / 100.
    if (dpi * 100 <= kBaseDpi * scale) return scale;
  }
  return 200;
}

int ScaledPictureId(int id, int scalePercent) { return scalePercent == 100 ? id : scalePercent * 100 + id; }

int ScalePixels(int pixels, int dpi) { return MulDivRound(pixels, dpi, kBaseDpi); }

PixelRect DialogUnitsToPixels(const DialogUnitRect& units, int dpi) {
  PixelRect r;
  r.left = MulDivRound(std::int64_t(units.x) * 6, dpi, 4 * kBaseDpi);
  r.top = MulDivRound(std::int64_t(units.y) * 13, dpi, 8 * kBaseDpi);
  r.width = MulDivRound(std::int64_t(units.width) * 6, dpi, 4 * kBaseDpi);
  r.height = MulDivRound(std::int64_t(units.height) * 13, dpi, 8 * kBaseDpi);
  return r;
}
