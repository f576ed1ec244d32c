#include "skin/foreground_window.h"

#include "skin/window_math.h"

namespace {

// Windows of the shell that fill a monitor without being a full-screen
// program: the desktop's own windows and the taskbar.
bool IsShellWindow(HWND window) {
  if (window == GetDesktopWindow() || window == GetShellWindow()) return true;
  char name[64] = {};
  if (!GetClassNameA(window, name, sizeof name)) return false;
  return lstrcmpA(name, "Progman") == 0 || lstrcmpA(name, "WorkerW") == 0 || lstrcmpA(name, "Shell_TrayWnd") == 0;
}

}  // namespace

bool IsAnotherProgramFullScreen() {
  HWND foreground = GetForegroundWindow();
  if (!foreground || !IsWindowVisible(foreground) || IsIconic(foreground) || IsShellWindow(foreground)) return false;
  DWORD process = 0;
  GetWindowThreadProcessId(foreground, &process);
  if (process == GetCurrentProcessId()) return false;
  RECT window = {};
  if (!GetWindowRect(foreground, &window)) return false;
  MONITORINFO monitor = {};
  monitor.cbSize = sizeof monitor;
  if (!GetMonitorInfoA(MonitorFromWindow(foreground, MONITOR_DEFAULTTONEAREST), &monitor)) return false;
  const LONG style = GetWindowLongA(foreground, GWL_STYLE);
  WindowShape shape;
  shape.caption = (style & WS_CAPTION) == WS_CAPTION;
  shape.sizingFrame = (style & WS_THICKFRAME) != 0;
  shape.rect = {window.left, window.top, window.right, window.bottom};
  const RECT& m = monitor.rcMonitor;
  return CoversMonitorFullScreen(shape, {m.left, m.top, m.right, m.bottom});
}
