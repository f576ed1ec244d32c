#include "settings/settings_file.h"

#include <cstdio>

#include "app/app_globals.h"
#include "app/fatal_error.h"
#include "app/fatal_text.h"
#include "app/main_window.h"
#include "settings/autostart.h"
#include "settings/run_command.h"

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
  // Creating the empty file first tells an unwritable folder (nothing to
  // read back: error 114) from a file that cannot be saved (error 115).
  if (std::FILE* created = std::fopen(g_paths.settingsFile.c_str(), "wb")) std::fclose(created);

  ConfigStore defaults(g_paths.settingsFile, '=');
  if (!defaults.Load()) ShowFatalError(kErrorCreateFile);
  defaults.AddIfAbsent("time", "30");
  defaults.AddIfAbsent("hollow", "off");
  defaults.AddIfAbsent("startup", "0");

  // The first run registers the program with the Run key although the stored
  // "startup" value is 0.
  WriteRunValue(kRunValueName, BuildRunCommand(g_paths.executable).c_str());

  if (!defaults.Save()) ShowFatalError(kErrorSaveChanges);
}

void SaveSettings() {
  g_config.SetString("hollow", IsHollowSwitchOn() ? "on" : "off");
  g_config.SetInt("startup", g_startupFlag);
  // A failed save is not reported: the read-back below then restores what
  // the unchanged file still holds.
  g_config.Save();
  g_config.Clear();
  if (!g_config.Load()) ShowFatalError(kErrorSettingsReload);
}
