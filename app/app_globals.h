// Program-wide values of somnivex. All live for the whole process and are
// touched only by the one GUI thread.
#pragma once

#include <windows.h>

#include "app/app_paths.h"

// The title the main window sets on itself, and by which a running instance
// is found: the product name followed by two full stops.
inline constexpr const char kMainWindowTitle[] = "Somnivex..";
inline constexpr DWORD kHiddenStartDelayMs = 3000;

extern bool g_activateRunningInstance;
extern HINSTANCE g_instance;
extern AppPaths g_paths;
extern HWND g_mainWindow;
