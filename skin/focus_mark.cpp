#include "skin/focus_mark.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// Signed distance from (x, y) to the edge of the rounded rectangle:
// negative inside, positive outside.
double DistanceToEdge(const FocusMarkShape& s, double x, double y) {
  const double cx = (s.left + s.right) / 2, cy = (s.top + s.bottom) / 2;
  const double hx = (s.right - s.left) / 2 - s.radius, hy = (s.bottom - s.top) / 2 - s.radius;
  const double qx = std::fabs(x - cx) - hx, qy = std::fabs(y - cy) - hy;
  const double outside = std::hypot(std::max(qx, 0.0), std::max(qy, 0.0));
  return outside + std::min(std::max(qx, qy), 0.0) - s.radius;
}

double Clamp01(double v) { return v < 0 ? 0 : (v > 1 ? 1 : v); }

// Two colours differ when a channel is more than this apart: the artwork's
// anti-aliasing and PNG rounding stay below it.
constexpr int kLitDifference = 24;

bool Differ(std::uint32_t a, std::uint32_t b) {
  for (int shift = 0; shift < 32; shift += 8) {
    if (std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)) > kLitDifference) {
      return true;
    }
  }
  return false;
}

}  // namespace

MarkArea LitArea(const std::uint32_t* normal, const std::uint32_t* hover, int width, int height) {
  MarkArea area{width, height, 0, 0};
  if (!normal || !hover || width <= 0 || height <= 0) return MarkArea{};
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const std::size_t at = static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x);
      if (!Differ(normal[at], hover[at])) continue;
      area.left = std::min(area.left, x);
      area.top = std::min(area.top, y);
      area.right = std::max(area.right, x + 1);
      area.bottom = std::max(area.bottom, y + 1);
    }
  }
  return area.empty() ? MarkArea{} : area;
}

FocusMarkShape FocusMarkFor(int width, int height, MarkArea area, int dpi) {
  FocusMarkShape s;
  if (width <= 0 || height <= 0) return s;
  if (area.empty()) area = MarkArea{0, 0, width, height};
  s.left = std::max(area.left, 0);
  s.top = std::max(area.top, 0);
  s.right = std::min(area.right, width);
  s.bottom = std::min(area.bottom, height);
  const double stroke = 2.0 * (dpi > 0 ? dpi : 96) / 96;
  // Outside what is lit where the picture has room on every side (a link's
  // words), by the same on each side so that a circle stays a circle.
  const double room = std::min({stroke, s.left, s.top, width - s.right, height - s.bottom});
  s.left -= room;
  s.top -= room;
  s.right += room;
  s.bottom += room;
  s.radius = std::min(s.right - s.left, s.bottom - s.top) / 2;
  // A stroke never fills more than a third of the shape.
  s.thickness = std::min(stroke, s.radius * 2 / 3);
  return s;
}

std::vector<std::uint32_t> FocusMarkPixels(int width, int height, MarkArea area, int dpi, std::uint32_t rgb) {
  std::vector<std::uint32_t> pixels;
  if (width <= 0 || height <= 0) return pixels;
  pixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0);
  const FocusMarkShape s = FocusMarkFor(width, height, area, dpi);
  const std::uint32_t r = (rgb >> 16) & 0xFF, g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      // Coverage of the band between the edge and `thickness` inside it,
      // measured at the pixel's centre with a one-pixel ramp.
      const double d = DistanceToEdge(s, x + 0.5, y + 0.5);
      const double cover = Clamp01(0.5 - d) - Clamp01(0.5 - (d + s.thickness));
      const std::uint32_t a = static_cast<std::uint32_t>(std::lround(cover * 255));
      if (a == 0) continue;
      pixels[static_cast<std::size_t>(y) * width + x] =
          a << 24 | (r * a + 127) / 255 << 16 | (g * a + 127) / 255 << 8 | (b * a + 127) / 255;
    }
  }
  return pixels;
}
