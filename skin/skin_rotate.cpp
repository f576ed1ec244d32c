// RotateBitmap: turns a picture onto a background-filled, screen-compatible
// bitmap of the turned size.
//
// The turn itself is the world transform (cs, -sn, sn, cs, dx, dy) applied
// to the pixels here rather than through a GDI BitBlt under
// SetWorldTransform: Wine transforms only the corners of a blit, so a
// quarter turn comes out as a mirrored stretch there. Doing the mapping on
// the pixels gives the same turned picture on every platform.
#include <vector>

#include "skin/skin_binding.h"
#include "skin/layered_window.h"
#include "skin/skin_geometry.h"
#include "skin/skin_values.h"

HBITMAP RotateBitmap(HBITMAP bitmap, int degrees, COLORREF background) {
  if (degrees == 0) return bitmap;
  int w = 0, h = 0;
  if (!PictureSize(bitmap, &w, &h) || w <= 0 || h <= 0) return nullptr;
  const RotationFrame frame = ComputeRotationFrame(degrees, w, h);
  if (frame.width <= 0 || frame.height <= 0) return nullptr;

  HDC screen = GetDC(nullptr);
  HBITMAP turned = CreateCompatibleBitmap(screen, frame.width, frame.height);
  if (!turned) {
    ReleaseDC(nullptr, screen);
    return nullptr;
  }
  std::vector<unsigned> source(static_cast<size_t>(w) * h);
  BITMAPINFO sourceInfo = TopDown32BitmapInfo(w, h);
  const bool read = GetDIBits(screen, bitmap, 0, h, source.data(), &sourceInfo, DIB_RGB_COLORS) == h;

  // Background, then the turned picture over it; bytes blue, green, red.
  const unsigned fill = GetBValue(background) | GetGValue(background) << 8 | GetRValue(background) << 16;
  std::vector<unsigned> target(static_cast<size_t>(frame.width) * frame.height, fill);
  if (read) TransformPixels(source.data(), w, h, frame, target.data());
  BITMAPINFO targetInfo = TopDown32BitmapInfo(frame.width, frame.height);
  SetDIBits(screen, turned, 0, frame.height, target.data(), &targetInfo, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  return turned;
}
