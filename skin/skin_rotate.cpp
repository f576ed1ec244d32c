// RotateBitmap: turns a picture through the device context's world
// transform onto a background-filled, screen-compatible bitmap.
#include "skin/skin_binding.h"
#include "skin/skin_geometry.h"
#include "skin/skin_values.h"

HBITMAP RotateBitmap(HBITMAP bitmap, int degrees, COLORREF background) {
  if (degrees == 0) return bitmap;
  int w = 0, h = 0;
  if (!PictureSize(bitmap, &w, &h)) return nullptr;
  const RotationFrame frame = ComputeRotationFrame(degrees, w, h);

  HDC screen = GetDC(nullptr);
  HDC source = CreateCompatibleDC(screen);
  HDC target = CreateCompatibleDC(screen);
  HBITMAP turned = CreateCompatibleBitmap(screen, frame.width, frame.height);
  if (!source || !target || !turned) {
    if (turned) DeleteObject(turned);
    if (source) DeleteDC(source);
    if (target) DeleteDC(target);
    ReleaseDC(nullptr, screen);
    return nullptr;
  }
  HGDIOBJ oldSource = SelectObject(source, bitmap);
  HGDIOBJ oldTarget = SelectObject(target, turned);

  HBRUSH brush = CreateSolidBrush(background);
  HGDIOBJ oldBrush = SelectObject(target, brush);
  PatBlt(target, 0, 0, frame.width, frame.height, PATCOPY);
  SelectObject(target, oldBrush);
  DeleteObject(brush);

  SetGraphicsMode(target, GM_ADVANCED);
  XFORM transform = {frame.cs, -frame.sn, frame.sn, frame.cs, frame.dx, frame.dy};
  SetWorldTransform(target, &transform);
  BitBlt(target, 0, 0, w, h, source, 0, 0, SRCCOPY);

  SelectObject(source, oldSource);
  SelectObject(target, oldTarget);
  DeleteDC(source);
  DeleteDC(target);
  ReleaseDC(nullptr, screen);
  return turned;
}
