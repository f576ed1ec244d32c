// Entry of somnivex: options, single-instance check, start-up delay,
// file locations, the language, then the main window as a modal dialog.
#include <windows.h>

#include "app/app_globals.h"
#include "app/command_line.h"
#include "app/language_switch.h"
#include "app/locate_paths.h"
#include "app/main_window.h"
#include "resources/resource_ids.h"
#include "skin/window_math.h"

namespace {

// Held for the life of the program. Named in the session's own namespace:
// another user logged on to the same PC runs a Somnivex of their own.
constexpr const char kInstanceMutexName[] = "Local\\Somnivex.Instance";
// A restart waits this long for the old instance to let go of the mutex.
constexpr DWORD kRestartWaitMs = 5000;
// A start that lost the race waits this long for the winner's window (the
// winner may be in its start-up delay of a "-m" start).
constexpr DWORD kWinnerWindowWaitMs = 15000;

// A window that was never shown since a hidden start sits off screen; one
// moved off every monitor (a monitor unplugged) is as unreachable. Either is
// centred in the work area of the nearest monitor before it is shown.
void BringIntoWorkArea(HWND window) {
  RECT own = {};
  if (!GetWindowRect(window, &own)) return;
  MONITORINFO monitor = {};
  monitor.cbSize = sizeof monitor;
  if (!GetMonitorInfoA(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor)) return;
  RECT overlap = {};
  if (IntersectRect(&overlap, &own, &monitor.rcWork)) return;
  const ScreenRect work = {monitor.rcWork.left, monitor.rcWork.top, monitor.rcWork.right, monitor.rcWork.bottom};
  const ScreenPoint corner = CentreInWorkArea(work, own.right - own.left, own.bottom - own.top);
  SetWindowPos(window, HWND_TOP, corner.x, corner.y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
}

void BringForward(HWND running) {
  BringIntoWorkArea(running);
  ShowWindow(running, SW_SHOW);
  UpdateWindow(running);
  SetForegroundWindow(running);
}

// Another start holds the mutex but may not have made its window yet (two
// starts of a double-click). Its window is brought forward once it appears.
// True when this start is to end; false when the other one ended without a
// window and this start now owns the mutex and goes on.
bool WaitForWinner(HANDLE mutex) {
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < kWinnerWindowWaitMs) {
    if (HWND running = FindWindowA(nullptr, kMainWindowTitle)) {
      BringForward(running);
      return true;
    }
    const DWORD wait = WaitForSingleObject(mutex, 50);
    if (wait == WAIT_OBJECT_0 || wait == WAIT_ABANDONED) return false;
  }
  return true;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  const StartOptions options = ParseCommandLine(commandLine);
  if (!options.activateRunningInstance) g_activateRunningInstance = false;

  // Any top-level window with the title counts as a running instance.
  HWND running = FindWindowA(nullptr, kMainWindowTitle);
  if (running != nullptr && g_activateRunningInstance) {
    BringForward(running);
    return 0;
  }

  // The title appears only once the window exists; the mutex closes the gap
  // between two starts a moment apart. A restart ("-run") goes on regardless,
  // after giving the old instance a bounded time to end.
  HANDLE mutex = CreateMutexA(nullptr, TRUE, kInstanceMutexName);
  if (mutex != nullptr && GetLastError() == ERROR_ALREADY_EXISTS) {
    if (g_activateRunningInstance) {
      if (WaitForWinner(mutex)) return 0;
    } else {
      WaitForSingleObject(mutex, kRestartWaitMs);
    }
  }

  if (options.hiddenStart) {
    SetHiddenStart();
    Sleep(kHiddenStartDelayMs);  // started with Windows: let the desktop settle
  }

  LocateAppPaths(g_paths);
  g_instance = instance;
  g_testHooks = StartedForTesting();
  ApplyStartLanguage();

  return static_cast<int>(DialogBoxParamA(g_instance, MAKEINTRESOURCEA(IDD_MAIN), nullptr, MainWindowProc, 0));
}
