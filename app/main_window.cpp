#include "app/main_window.h"

#include "app/app_globals.h"
#include "settings/settings_file.h"

namespace {
bool g_hiddenStartFlag = false;
}

void SetHiddenStart() { g_hiddenStartFlag = true; }
bool IsHiddenStart() { return g_hiddenStartFlag; }
bool IsHollowSwitchOn() { return false; }

INT_PTR CALLBACK MainWindowProc(HWND window, UINT message, WPARAM, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      SetWindowTextA(window, kMainWindowTitle);
      LoadSettingsAtStartup();
      g_mainWindow = window;
      if (!IsHiddenStart()) ShowWindow(window, SW_SHOW);
      return 0;
    case WM_CLOSE:
    case WM_DESTROY:
      ExitProcess(0);
  }
  return 0;
}
