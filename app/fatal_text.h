// Text of the fatal error box. No windows.h.
#pragma once

#include <string>

// Fixed messages passed to ShowFatalError.
inline constexpr const char kErrorSettingsReload[] = "Error Code : 101\nFailed to load configuration file.";
inline constexpr const char kErrorSettingsLoad[] = "Error Code : 113\nFailed to load configuration file.";
inline constexpr const char kErrorCreateFile[] = "Error Code : 114\nFailed to create file.";
inline constexpr const char kErrorSaveChanges[] = "Error Code : 115\nFailed to save changes.";
inline constexpr const char kErrorHollowStart[] = "Error Code : 122\nFailed to load hollow reminder.";
inline constexpr const char kErrorRestart[] =
    "Failed To Restart Program Automatically.\nPlease Close this program and restart it manually.";

// The message, unchanged, followed by a blank line and the two support lines.
std::string ComposeFatalText(const char* message);
