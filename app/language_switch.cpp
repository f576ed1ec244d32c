#include "app/language_switch.h"

#include "app/app_globals.h"
#include "reminders/hollow_control.h"
#include "settings/config_store.h"
#include "settings/language.h"
#include "settings/settings_keys.h"
#include "settings/translation.h"
#include "skin/layered_window.h"

namespace {

BOOL CALLBACK TellWindow(HWND window, LPARAM) {
  SendMessageW(window, kLanguageChangedMessage, 0, 0);
  return TRUE;
}

}  // namespace

void ApplyStartLanguage() {
  ConfigStore store(g_paths.settingsFile, '=');
  // An unreadable or missing file is English or Windows' language for now;
  // the main window reports what it cannot read.
  store.Load();
  ApplyLanguageSetting(ReadOptionalSettings(store).language);
}

bool TakeLanguageSetting(const std::string& setting) {
  if (ResolveLanguage(setting) == LanguageInUse()) return false;
  ApplyLanguageSetting(setting);
  return true;
}

void AnnounceLanguage() {
  RenewTooltips();
  EnumThreadWindows(GetCurrentThreadId(), TellWindow, 0);
  // hollow reads its language from its command line only.
  if (IsProcessRunning(g_paths.hollowProgram)) {
    StopHollow();
    StartHollow();
  }
}
