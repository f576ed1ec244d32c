#include "skin/skin_geometry.h"

#include <algorithm>
#include <cmath>

void ClampSliderPosition(bool vertical, int* x, int* y, int minX, int minY, int maxX, int maxY) {
  if (vertical) {
    if (*y <= minY) {
      *y = minY;
    } else if (*y >= maxY) {
      *y = maxY;
    }
    return;
  }
  if (*x <= minX) {
    *x = minX;
  } else if (*x >= maxX || *x > kWrappedPosition) {
    *x = *x > kWrappedPosition ? minX : maxX;
  }
}

void WheelSliderPosition(bool vertical, int wheelDelta, int step, int* x, int* y) {
  if (wheelDelta > 0) {
    if (vertical) {
      *y -= step;
    } else {
      *x += step;
    }
  } else if (wheelDelta < 0) {
    if (vertical) {
      *y += step;
    } else {
      *x -= step;
    }
  }
}

int ClampLevelPosition(int positionX, int fillWidth, int rangeX) {
  if (positionX <= -fillWidth) return -fillWidth;
  if (positionX >= rangeX || positionX > kWrappedPosition) return positionX > kWrappedPosition ? 0 : rangeX;
  return positionX;
}

int ClampTrackPosition(int positionX, int rangeX) {
  if (positionX <= 0) return 0;
  if (positionX >= rangeX || positionX > kWrappedPosition) return positionX > kWrappedPosition ? 0 : rangeX;
  return positionX;
}

int WheelBarPosition(int positionX, int wheelDelta, int step) {
  if (wheelDelta > 0) return positionX + step;
  if (wheelDelta < 0) return positionX - step;
  return positionX;
}

int ArrowRotation(int direction) {
  switch (direction) {
    case 1: return 90;
    case 2: return 270;
    case 3: return 180;
    default: return 0;
  }
}

ArrowPlacement PlaceArrow(int direction, int tx, int ty, int tw, int th, int aw, int ah) {
  ArrowPlacement p = {ArrowRotation(direction), 1, tx, ty - 1};
  switch (direction) {
    case 1:
      p.stepSign = -1;
      p.x = tx - 1;
      p.y = ty - ah;
      break;
    case 2:
      p.x = tx;
      p.y = ty + th;
      break;
    case 3:
      p.stepSign = -1;
      p.x = tx - aw;
      p.y = ty;
      break;
    case 4:
      p.x = tx + tw;
      p.y = ty - 1;
      break;
    default:
      break;
  }
  return p;
}

int StepProgressValue(int value, int width, int delta, bool loop) {
  if (value > 0 && value < width) return value + delta;
  return loop ? 1 : width;
}

RotationFrame ComputeRotationFrame(int degrees, int w, int h) {
  // 3.1415 / 180 in single precision: 90 degrees gives a cosine of about
  // 4.6e-5 rather than 0, which the truncation of the corners absorbs.
  const float radians = static_cast<float>(degrees) * 0.017452778f;
  const float cs = static_cast<float>(std::cos(static_cast<double>(radians)));
  const float sn = static_cast<float>(std::sin(static_cast<double>(radians)));
  const float fw = static_cast<float>(w);
  const float fh = static_cast<float>(h);
  const int xs[4] = {0, static_cast<int>(fw * cs), static_cast<int>(fh * sn), static_cast<int>(fw * cs + fh * sn)};
  const int ys[4] = {0, static_cast<int>(-fw * sn), static_cast<int>(fh * cs), static_cast<int>(fh * cs - fw * sn)};
  const int minX = *std::min_element(xs, xs + 4);
  const int maxX = *std::max_element(xs, xs + 4);
  const int minY = *std::min_element(ys, ys + 4);
  const int maxY = *std::max_element(ys, ys + 4);
  return RotationFrame{cs, sn, maxX - minX, maxY - minY, static_cast<float>(-minX), static_cast<float>(-minY)};
}

void TransformPixels(const unsigned* source, int w, int h, const RotationFrame& frame, unsigned* target) {
  // The forward map is X = x*cs + y*sn + dx, Y = -x*sn + y*cs + dy; its
  // inverse (a rotation, so the transpose) finds the source of each target.
  const double cs = frame.cs, sn = frame.sn;
  for (int ty = 0; ty < frame.height; ++ty) {
    for (int tx = 0; tx < frame.width; ++tx) {
      const double px = tx + 0.5 - frame.dx;
      const double py = ty + 0.5 - frame.dy;
      const double sx = std::floor(cs * px - sn * py);
      const double sy = std::floor(sn * px + cs * py);
      if (sx < 0 || sy < 0 || sx >= w || sy >= h) continue;
      target[static_cast<size_t>(ty) * frame.width + tx] =
          source[static_cast<size_t>(sy) * w + static_cast<size_t>(sx)];
    }
  }
}
