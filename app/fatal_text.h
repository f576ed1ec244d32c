// Text of the fatal error box. No windows.h.
#pragma once

#include <string>

#include "settings/translation.h"

// Fixed messages passed to ShowFatalError, in English; the box shows them
// in the language in use.
// Translators: an error box (title "Error") when config.txt, the settings
// file beside the program, could not be read back. Keep "Error Code : 101"
// recognisable: support asks for the number. No room limit.
inline constexpr const char kErrorSettingsReload[] = N_("Error Code : 101\nFailed to load configuration file.");
// Translators: an error box when the settings file could not be read at the
// start. Keep the number.
inline constexpr const char kErrorSettingsLoad[] = N_("Error Code : 113\nFailed to load configuration file.");
// Translators: an error box when the settings file could not be made (the
// program's folder takes no new file). Keep the number.
inline constexpr const char kErrorCreateFile[] = N_("Error Code : 114\nFailed to create file.");
// Translators: an error box when the settings could not be saved. Keep the
// number.
inline constexpr const char kErrorSaveChanges[] = N_("Error Code : 115\nFailed to save changes.");
// Translators: an error box when the companion program that shows the
// drifting questions (hollow.exe, "Vododi Reminders") could not be
// started. Keep the number.
inline constexpr const char kErrorHollowStart[] = N_("Error Code : 122\nFailed to load hollow reminder.");
inline constexpr const char kErrorRestart[] =
    // Translators: an error box when the program could not start itself
    // again after a change that needs a restart.
    N_("Failed To Restart Program Automatically.\nPlease Close this program and restart it manually.");

// The message in the language in use, followed by a blank line and the two
// support lines.
std::string ComposeFatalText(const char* message);
