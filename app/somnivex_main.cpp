// Entry of somnivex: options, single-instance check, start-up delay,
// file locations, then the main window as a modal dialog.
#include <windows.h>

#include "app/app_globals.h"
#include "app/command_line.h"
#include "app/main_window.h"
#include "resources/resource_ids.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  const StartOptions options = ParseCommandLine(commandLine);
  if (!options.activateRunningInstance) g_activateRunningInstance = false;

  // The window title is the only instance marker; any top-level window with
  // it counts as a running instance.
  HWND running = FindWindowA(nullptr, kMainWindowTitle);
  if (running != nullptr && g_activateRunningInstance) {
    ShowWindow(running, SW_SHOW);
    UpdateWindow(running);
    SetForegroundWindow(running);
    return 0;
  }

  if (options.hiddenStart) {
    SetHiddenStart();
    Sleep(kHiddenStartDelayMs);  // started with Windows: let the desktop settle
  }

  char path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
  DeriveAppPaths(g_paths, std::string(path, length < sizeof path ? length : sizeof path - 1));
  g_instance = instance;

  return static_cast<int>(DialogBoxParamA(g_instance, MAKEINTRESOURCEA(IDD_MAIN), nullptr, MainWindowProc, 0));
}
