#include "app/shutdown.h"

#include <shellapi.h>

#include "app/app_globals.h"
#include "app/fatal_error.h"
#include "app/fatal_text.h"
#include "app/main_window.h"
#include "app/tray_icon.h"
#include "settings/wide_text.h"
#include "journal/dream_window.h"
#include "reminders/hollow_control.h"
#include "reminders/reality_check.h"
#include "settings/autostart.h"
#include "settings/config_store.h"
#include "settings/settings_file.h"
#include "settings/settings_keys.h"
#include "skin/layered_window.h"

namespace {
constexpr DWORD kShutdownFadeStepMs = 15;
constexpr int kMainWindowOpacity = 230;
}  // namespace

void ShutdownApplication(HWND mainWindow) {
  SaveOpenDreamJournal();
  StoreCoreSettings(g_config, g_hollowSwitchOn, g_startupFlag);
  g_config.Save();
  g_config.Clear();
  StopHollow();
  FadeOutWindow(mainWindow, kShutdownFadeStepMs, kMainWindowOpacity);
  if (g_realityCheck.window && IsWindow(g_realityCheck.window)) {
    EndDialog(g_realityCheck.window, 0);
    DestroyWindow(g_realityCheck.window);
  }
  DestroyTrayMenu();
  RemoveTrayIcon();
  EndDialog(mainWindow, 0);
  ExitProcess(0);
}

void RestartApplication() {
  const HINSTANCE result = ShellExecuteW(nullptr, L"open", Widen(g_paths.executable).c_str(), L"-run", nullptr, SW_SHOWNORMAL);
  if (reinterpret_cast<INT_PTR>(result) <= 32) ShowFatalError(kErrorRestart);
  ShutdownApplication(g_mainWindow);
}
