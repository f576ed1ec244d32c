// The Win32 half of the layered-window functions. The opacity series and
// the placement sums come from window_math.h; here they meet the windows.
#include "skin/layered_window.h"

#include <cstdlib>

#include "skin/display_dpi.h"
#include "skin/system_look.h"
#include "skin/window_math.h"

bool g_startedHidden = false;

namespace {

unsigned long g_fadeSteps = 0;

void AddLayeredStyle(HWND window) {
  const LONG style = GetWindowLongA(window, GWL_EXSTYLE);
  SetWindowLongA(window, GWL_EXSTYLE, style | WS_EX_LAYERED);
}

// Opacities are computed on int; the platform takes the low byte.
BYTE LowByte(int value) { return static_cast<BYTE>(value & 0xFF); }

// The device contexts of one per-pixel-alpha update: the window's paint
// context and a memory context holding the picture. Opened and closed in
// this order by PaintLayeredBitmap and FadeLayeredBitmap.
struct LayeredPaint {
  HWND window = nullptr;
  PAINTSTRUCT paint = {};
  HDC target = nullptr;
  HDC memory = nullptr;
  HGDIOBJ previous = nullptr;
  SIZE size = {};
};

void BeginLayeredPaint(LayeredPaint& lp, HWND window, HBITMAP bitmap, int width, int height) {
  lp.window = window;
  lp.target = BeginPaint(window, &lp.paint);
  lp.memory = CreateCompatibleDC(lp.target);
  if (lp.memory) lp.previous = SelectObject(lp.memory, bitmap);
  lp.size.cx = width;
  lp.size.cy = height;
}

void UpdateLayered(LayeredPaint& lp, int alpha) {
  POINT source = {0, 0};
  BLENDFUNCTION blend = {AC_SRC_OVER, 0, LowByte(alpha), AC_SRC_ALPHA};
  UpdateLayeredWindow(lp.window, lp.target, nullptr, &lp.size, lp.memory, &source, 0, &blend, ULW_ALPHA);
}

void EndLayeredPaint(LayeredPaint& lp) {
  if (lp.memory) {
    BitBlt(lp.target, 0, 0, lp.size.cx, lp.size.cy, lp.memory, 0, 0, SRCAND);
    if (lp.previous) SelectObject(lp.memory, lp.previous);
    DeleteDC(lp.memory);
  }
  EndPaint(lp.window, &lp.paint);
}

ScreenRect ToScreenRect(const RECT& r) { return ScreenRect{r.left, r.top, r.right, r.bottom}; }

}  // namespace

BITMAPINFO TopDown32BitmapInfo(int width, int height) {
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

bool PremultiplyAlpha(HBITMAP bitmap) {
  BITMAP info = {};
  if (!bitmap || GetObjectA(bitmap, sizeof info, &info) != sizeof info) return false;
  if (info.bmBitsPixel != 32) return false;
  // A device-dependent bitmap has no reachable pixels; nothing to do safely.
  if (!info.bmBits) return false;
  const std::size_t width = info.bmWidth < 0 ? 0 : static_cast<std::size_t>(info.bmWidth);
  const std::size_t rows = static_cast<std::size_t>(std::labs(static_cast<long>(info.bmHeight)));
  const std::size_t rowBytes = info.bmWidthBytes > 0 ? static_cast<std::size_t>(info.bmWidthBytes) : width * 4;
  PremultiplyPixels(static_cast<std::uint8_t*>(info.bmBits), width, rows, rowBytes);
  GdiFlush();
  return true;
}

void PaintLayeredBitmap(HWND window, HBITMAP bitmap, int width, int height) {
  PremultiplyAlpha(bitmap);
  AddLayeredStyle(window);
  LayeredPaint lp;
  BeginLayeredPaint(lp, window, bitmap, width, height);
  UpdateLayered(lp, 255);
  EndLayeredPaint(lp);
}

void FadeLayeredBitmap(HWND window, HBITMAP bitmap, int width, int height, bool fadeIn, DWORD stepDelayMs) {
  LayeredPaint lp;
  BeginLayeredPaint(lp, window, bitmap, width, height);
  const std::vector<int> series = LayeredFadeSeries(fadeIn, AnimationsOn());
  for (std::size_t i = 0; i < series.size(); ++i) {
    UpdateLayered(lp, series[i]);
    ++g_fadeSteps;
    if (i > 0) Sleep(stepDelayMs);
  }
  EndLayeredPaint(lp);
}

void FadeOutWindow(HWND window, DWORD stepDelayMs, int startOpacity) {
  AddLayeredStyle(window);
  const bool animate = AnimationsOn();
  for (int opacity : WindowFadeOutSeries(startOpacity, animate)) {
    SetLayeredWindowAttributes(window, 0, LowByte(opacity), LWA_ALPHA);
    ++g_fadeSteps;
    if (animate) Sleep(stepDelayMs);
  }
}

void FadeInWindow(HWND window, DWORD stepDelayMs, int opacityLimit) {
  AddLayeredStyle(window);
  const bool animate = AnimationsOn();
  for (int opacity : WindowFadeInSeries(opacityLimit, animate)) {
    SetLayeredWindowAttributes(window, 0, LowByte(opacity), LWA_ALPHA);
    ++g_fadeSteps;
    if (animate) Sleep(stepDelayMs);
    UpdateWindow(window);
    ShowWindow(window, SW_SHOW);
  }
}

unsigned long FadeStepCount() { return g_fadeSteps; }

void SetWindowOpacity(HWND window, int opacity) {
  AddLayeredStyle(window);
  SetLayeredWindowAttributes(window, 0, LowByte(opacity), LWA_ALPHA);
}

void ApplyRegionResource(HWND window, int resourceId) {
  // Each step is checked: a missing resource leaves the window's region alone
  // instead of handing a null block to ExtCreateRegion.
  HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(resourceId), "RGN");
  if (!found) return;
  HGLOBAL loaded = LoadResource(nullptr, found);
  const DWORD size = SizeofResource(nullptr, found);
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  if (!bytes || size < sizeof(RGNDATAHEADER)) return;
  HRGN region = ExtCreateRegion(nullptr, size, static_cast<const RGNDATA*>(bytes));
  if (!region) return;
  if (!SetWindowRgn(window, region, TRUE)) DeleteObject(region);
}

void CenterWindowOn(HWND window, HWND reference, HWND verticalReference) {
  RECT own = {};
  GetWindowRect(window, &own);
  const int width = own.right - own.left;
  const int height = own.bottom - own.top;
  if (!reference) {
    const ScreenPoint p = CentreInWorkArea(ToScreenRect(WorkAreaOf(window)), width, height);
    SetWindowPos(window, HWND_TOP, p.x, p.y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    return;
  }
  RECT ref = {};
  GetWindowRect(reference, &ref);
  RECT vref = ref;
  if (verticalReference) GetWindowRect(verticalReference, &vref);
  const ScreenPoint p = CentreOnReference(ToScreenRect(ref), ToScreenRect(vref), width, height,
                                          GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
  MoveWindow(window, p.x, p.y, width, height, FALSE);
}

void ShowMainWindow(HWND window) {
  // A hidden start parks the window off screen; the first showing brings
  // it to the middle, later ones keep wherever the user dragged it.
  static bool centredOnce = false;
  if (g_startedHidden && !centredOnce) {
    CenterWindowOn(window, nullptr, nullptr);
    centredOnce = true;
  }
  ShowWindow(window, SW_SHOW);
  UpdateWindow(window);
  SetForegroundWindow(window);
}

HFONT CreatePointFont(const char* face, int points, int weight, int escapement) {
  HDC screen = GetDC(nullptr);
  const int pixels = MulDiv(points, GetDeviceCaps(screen, LOGPIXELSY), 72);
  ReleaseDC(nullptr, screen);
  return CreateFontA(-pixels, 0, escapement, escapement, weight, FALSE, FALSE, FALSE, ANSI_CHARSET,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, face);
}
