// The orderly end of somnivex, and the restart after the interval changed.
#pragma once

#include <windows.h>

// Saves the switch settings, stops hollow, fades the main window out,
// removes popup, tray menu and icon, and ends the process with code 0.
[[noreturn]] void ShutdownApplication(HWND mainWindow);
// Starts a new instance with "-run" and ends this one; a fatal error when
// the new instance cannot be started.
[[noreturn]] void RestartApplication();
