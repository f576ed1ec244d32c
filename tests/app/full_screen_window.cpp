// A window covering the whole screen, in the foreground, as a full-screen
// video or game would; with "maximized" an ordinary captioned window
// maximized instead, as a browser or editor would be. It ends on WM_CLOSE or
// after two minutes.
#include <windows.h>

namespace {

LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_TIMER:
    case WM_CLOSE:
      DestroyWindow(window);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  const bool maximized = commandLine && lstrcmpiA(commandLine, "maximized") == 0;
  WNDCLASSA wc = {};
  wc.lpfnWndProc = Proc;
  wc.hInstance = instance;
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  wc.lpszClassName = "SmxFullScreenTest";
  if (!RegisterClassA(&wc)) return 1;
  HWND window = maximized ? CreateWindowExA(0, wc.lpszClassName, "Maximized Test", WS_OVERLAPPEDWINDOW, 100, 100,
                                            400, 300, nullptr, nullptr, instance, nullptr)
                          : CreateWindowExA(0, wc.lpszClassName, "Full Screen Test", WS_POPUP | WS_VISIBLE, 0, 0,
                                            GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), nullptr,
                                            nullptr, instance, nullptr);
  if (!window) return 1;
  if (maximized) ShowWindow(window, SW_SHOWMAXIMIZED);
  SetForegroundWindow(window);
  SetTimer(window, 1, 120000, nullptr);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return 0;
}
