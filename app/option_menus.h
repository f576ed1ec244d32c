// The tray menu's "Pause Reminders" and "Options" submenus, Options with
// its "Language" submenu: their items, marks and commands, each driven by a
// table, in the language in use.
#pragma once

#include <windows.h>

#include "settings/config_store.h"
#include "settings/settings_keys.h"

// Appends both submenus to the tray menu, which owns them from then on; a
// tray menu made anew (a change of language) calls it again.
void AppendOptionMenus(HMENU trayMenu);
// Sets the marks, the greyed "Resume Reminders", the quiet-hours text and
// the language's radio mark from the settings in force at `now`.
void UpdateOptionMenus(const OptionalSettings& settings, LocalMinute now);
// Carries out a command of the submenus on the store: true when `id` is
// one of theirs. The caller saves.
bool ApplyOptionCommand(UINT id, ConfigStore& store, const OptionalSettings& settings, LocalMinute now);

// For the test query: 1 "Wait While Full-Screen Or Presenting" checked,
// 2 quiet hours checked, 4 "Resume Reminders" enabled, 8 "Random Times"
// checked, 16 "Vary The Reality Check" checked, 32 "Morning Question"
// checked; bits 8 to 15 the checked item of the Language submenu, 1 for
// "Windows Default", 2 for the first language (English) and so on, 0 for
// none.
unsigned OptionMenuMarks();
