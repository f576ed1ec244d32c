#include "tests/skin/skin_test_dialog.h"

#include <string>

#include "tests/support/win32_harness.h"

namespace skintest {

std::vector<Click> g_clicks;
std::function<void(HWND)> g_onInit;
std::function<void(HWND)> g_onDestroy;
SkinToggleProbe g_toggleProbe = {nullptr, nullptr};

namespace {

INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      if (g_onInit) g_onInit(dialog);
      // No focus: an activated window becomes a managed X window, and
      // destroying one of those waits seconds for a window manager.
      return FALSE;
    case WM_COMMAND:
      if (HIWORD(wParam) == BN_CLICKED) {
        bool state = g_toggleProbe.read ? g_toggleProbe.read(g_toggleProbe.object) : false;
        g_clicks.push_back(Click{LOWORD(wParam), state});
      }
      return TRUE;
    case WM_DESTROY:
      if (g_onDestroy) g_onDestroy(dialog);
      return TRUE;
  }
  return FALSE;
}

}  // namespace

void Pump(DWORD ms) {
  const DWORD start = GetTickCount();
  do {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    Sleep(5);
  } while (GetTickCount() - start < ms);
}

HWND OpenDialog() {
  HWND dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_SKIN_TEST), nullptr, DialogProc, 0);
  if (!dialog) return nullptr;
  SetWindowPos(dialog, HWND_TOP, 40, 40, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW | SWP_NOACTIVATE);
  UpdateWindow(dialog);
  Pump(150);
  return dialog;
}

void CloseDialog(HWND dialog) {
  DestroyWindow(dialog);
  Pump(20);
}

void ParkDialog(HWND dialog) {
  SetWindowPos(dialog, HWND_BOTTOM, -3000, -3000, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
  Pump(20);
}

Capture CaptureWindow(HWND window) {
  Capture c;
  RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW);
  GdiFlush();
  RECT r;
  GetClientRect(window, &r);
  c.width = r.right;
  c.height = r.bottom;
  if (c.width <= 0 || c.height <= 0) return c;
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = c.width;
  info.bmiHeader.biHeight = -c.height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP dib = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HDC source = GetDC(window);
  HDC memory = CreateCompatibleDC(source);
  HGDIOBJ old = SelectObject(memory, dib);
  BitBlt(memory, 0, 0, c.width, c.height, source, 0, 0, SRCCOPY);
  GdiFlush();
  const uint32_t* p = static_cast<const uint32_t*>(bits);
  c.pixels.assign(p, p + static_cast<size_t>(c.width) * c.height);
  for (uint32_t& v : c.pixels) v &= 0xFFFFFF;
  SelectObject(memory, old);
  DeleteDC(memory);
  ReleaseDC(window, source);
  DeleteObject(dib);
  return c;
}

uint32_t PixelOf(HWND window, int x, int y) {
  Capture c = CaptureWindow(window);
  if (x < 0 || y < 0 || x >= c.width || y >= c.height) return 0xFFFFFFFF;
  return c.at(x, y);
}

POINT ScreenPoint(HWND window, int x, int y) {
  POINT p = {x, y};
  ClientToScreen(window, &p);
  return p;
}

void MouseMove(POINT p) {
  harness::RunUnix("/usr/bin/xdotool mousemove " + std::to_string(p.x) + " " + std::to_string(p.y));
}

void MouseClick(POINT p) {
  harness::RunUnix("/usr/bin/xdotool mousemove " + std::to_string(p.x) + " " + std::to_string(p.y) + " click 1");
}

}  // namespace skintest
