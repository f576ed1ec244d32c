#include "skin/focus_mark_draw.h"

#include <cstring>
#include <vector>

#include "skin/display_dpi.h"
#include "skin/focus_mark.h"
#include "skin/layered_window.h"

namespace {

// The picture's pixels, top row first, or none when it cannot be read.
std::vector<std::uint32_t> Pixels(HDC screen, HBITMAP picture, int* width, int* height) {
  BITMAP info = {};
  if (!picture || !GetObjectA(picture, sizeof info, &info) || info.bmWidth <= 0 || info.bmHeight == 0) return {};
  *width = info.bmWidth;
  *height = info.bmHeight < 0 ? -info.bmHeight : info.bmHeight;
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(*width) * static_cast<std::size_t>(*height));
  BITMAPINFO format = TopDown32BitmapInfo(*width, *height);
  if (GetDIBits(screen, picture, 0, static_cast<UINT>(*height), pixels.data(), &format, DIB_RGB_COLORS) != *height) {
    return {};
  }
  return pixels;
}

}  // namespace

bool FocusMarkShown(HWND control) {
  if (!control || GetFocus() != control) return false;
  const LRESULT cues = SendMessageA(control, WM_QUERYUISTATE, 0, 0);
  return (cues & UISF_HIDEFOCUS) == 0;
}

RECT HoverLitArea(HBITMAP normal, HBITMAP hover) {
  RECT area = {0, 0, 0, 0};
  if (!normal || !hover || normal == hover) return area;
  HDC screen = GetDC(nullptr);
  int w1 = 0, h1 = 0, w2 = 0, h2 = 0;
  const std::vector<std::uint32_t> a = Pixels(screen, normal, &w1, &h1);
  const std::vector<std::uint32_t> b = Pixels(screen, hover, &w2, &h2);
  ReleaseDC(nullptr, screen);
  if (a.empty() || b.empty() || w1 != w2 || h1 != h2) return area;
  const MarkArea lit = LitArea(a.data(), b.data(), w1, h1);
  return RECT{lit.left, lit.top, lit.right, lit.bottom};
}

void DrawFocusMark(HWND control, HDC context, int width, int height, const RECT& area) {
  const MarkArea round = {area.left, area.top, area.right, area.bottom};
  const std::vector<std::uint32_t> pixels = FocusMarkPixels(width, height, round, WindowDpi(control), kFocusMarkRgb);
  if (pixels.empty()) return;
  const BITMAPINFO info = TopDown32BitmapInfo(width, height);
  void* bits = nullptr;
  HBITMAP mark = CreateDIBSection(context, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!mark) return;  // no memory for the mark: the control shows without it
  std::memcpy(bits, pixels.data(), pixels.size() * sizeof pixels[0]);
  HDC memory = CreateCompatibleDC(context);
  if (memory) {
    HGDIOBJ previous = SelectObject(memory, mark);
    const BLENDFUNCTION blend = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    AlphaBlend(context, 0, 0, width, height, memory, 0, 0, width, height, blend);
    SelectObject(memory, previous);
    DeleteDC(memory);
  }
  DeleteObject(mark);
}
