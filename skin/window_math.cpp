#include "skin/window_math.h"

void PremultiplyPixels(std::uint8_t* pixels, std::size_t width, std::size_t rows, std::size_t rowBytes) {
  if (!pixels) return;
  for (std::size_t row = 0; row < rows; ++row) {
    std::uint8_t* p = pixels + row * rowBytes;
    for (std::size_t i = 0; i < width; ++i, p += 4) {
      const unsigned alpha = p[3];
      p[0] = static_cast<std::uint8_t>((p[0] * alpha) >> 8);
      p[1] = static_cast<std::uint8_t>((p[1] * alpha) >> 8);
      p[2] = static_cast<std::uint8_t>((p[2] * alpha) >> 8);
    }
  }
}

std::vector<int> LayeredFadeSeries(bool fadeIn, bool animate) {
  if (!animate) return {fadeIn ? 255 : 0};
  // 255 = 51 x 5, so both directions hit their end value exactly.
  std::vector<int> values;
  int alpha = fadeIn ? 0 : 255;
  const int end = fadeIn ? 255 : 0;
  const int step = fadeIn ? 5 : -5;
  values.push_back(alpha);
  while (alpha != end) {
    alpha += step;
    values.push_back(alpha);
  }
  return values;
}

std::vector<int> WindowFadeInSeries(int opacityLimit, bool animate) {
  std::vector<int> values;
  if (!animate) {
    if (opacityLimit > 0) values.push_back(opacityLimit);
    return values;
  }
  for (int opacity = 0; opacity < opacityLimit; opacity += 5) values.push_back(opacity);
  return values;
}

std::vector<int> WindowFadeOutSeries(int startOpacity, bool animate) {
  std::vector<int> values;
  if (!animate) {
    if (startOpacity > 0) values.push_back(0);
    return values;
  }
  for (int opacity = startOpacity; opacity > 0; opacity -= 10) values.push_back(opacity);
  return values;
}

ScreenPoint CentreInWorkArea(const ScreenRect& work, int width, int height) {
  ScreenPoint p;
  p.x = work.left + ((work.right - work.left) - width) / 2;
  p.y = work.top + ((work.bottom - work.top) - height) / 2;
  return p;
}

ScreenPoint CentreOnReference(const ScreenRect& reference, const ScreenRect& verticalReference, int width,
                              int height, int screenWidth, int screenHeight) {
  ScreenPoint p;
  p.x = reference.left + ((reference.right - reference.left) - width) / 2;
  p.y = verticalReference.top + ((verticalReference.bottom - verticalReference.top) - height) / 2;
  if (p.x < 0) p.x = 0;
  if (p.y < 0) p.y = 0;
  if (p.x + width > screenWidth) p.x = screenWidth - width;
  if (p.y + height > screenHeight) p.y = screenHeight - height;
  return p;
}

bool CoversMonitorFullScreen(const WindowShape& window, const ScreenRect& monitor) {
  if (window.caption || window.sizingFrame) return false;
  const ScreenRect& r = window.rect;
  return r.left <= monitor.left && r.top <= monitor.top && r.right >= monitor.right && r.bottom >= monitor.bottom;
}
