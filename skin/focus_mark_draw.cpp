#include "skin/focus_mark_draw.h"

#include <cstring>

#include "skin/display_dpi.h"
#include "skin/focus_mark.h"
#include "skin/layered_window.h"

bool FocusMarkShown(HWND control) {
  if (!control || GetFocus() != control) return false;
  const LRESULT cues = SendMessageA(control, WM_QUERYUISTATE, 0, 0);
  return (cues & UISF_HIDEFOCUS) == 0;
}

void DrawFocusMark(HWND control, HDC context, int width, int height) {
  const std::vector<std::uint32_t> pixels = FocusMarkPixels(width, height, WindowDpi(control), kFocusMarkRgb);
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
