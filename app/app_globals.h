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
// The Vododi Reminders switch (saved as "hollow"): the main window shows it,
// the settings save it.
extern bool g_hollowSwitchOn;

// The test suites start the programs with this environment variable set to
// "1"; only then do the main window's test messages (queries and hooks) do
// anything, since any process of the session can post them.
inline constexpr const char kTestHooksVariable[] = "SOMNIVEX_TEST_HOOKS";
extern bool g_testHooks;
// True when the variable is "1" in this process's environment.
bool StartedForTesting();
