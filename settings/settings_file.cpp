#include "settings/settings_file.h"

#include "app/app_globals.h"
#include "app/fatal_error.h"
#include "app/fatal_text.h"
#include "settings/autostart.h"
#include "settings/config_file_ops.h"
#include "settings/settings_keys.h"

ConfigStore g_config("config.txt", '=');

void LoadSettingsAtStartup() {
  g_config.SetPath(g_paths.settingsFile);
  if (!g_config.Load()) {
    g_config.Clear();
    WriteDefaultConfig();
    if (!g_config.Load()) ShowFatalError(kErrorSettingsLoad);
  }
  // 0 or 1 from the file; -1 when the file has no "startup" line.
  g_startupFlag = g_config.GetInt("startup");
}

void WriteDefaultConfig() {
  // One crash-safe save: config.txt either does not exist yet or holds the
  // three lines, never an empty file that a crash would leave behind. No Run
  // value is written: the program starts with Windows only when the user
  // asks for it, as "startup=0" and the unchecked menu item say.
  ConfigStore defaults(g_paths.settingsFile, '=');
  AddDefaultSettings(defaults);
  if (defaults.Save()) return;
  // A folder that takes no new file (or a folder where the file should be)
  // cannot hold the settings at all; anything else is a failed write.
  const std::string& file = g_paths.settingsFile;
  const bool writable = FolderTakesNewFiles(FolderOf(file)) && !IsFolder(file);
  ShowFatalError(writable ? kErrorSaveChanges : kErrorCreateFile);
}

void SaveSettings() {
  StoreCoreSettings(g_config, g_hollowSwitchOn, g_startupFlag);
  // A failed save is not reported: the read-back below then restores what
  // the unchanged file still holds.
  g_config.Save();
  g_config.Clear();
  if (!g_config.Load()) ShowFatalError(kErrorSettingsReload);
}
