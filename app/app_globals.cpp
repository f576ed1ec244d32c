// Definitions of the program-wide values, kept in one translation unit so
// that their static initialisation runs in the order written here.
#include "app/app_globals.h"

bool g_activateRunningInstance = true;
HINSTANCE g_instance = nullptr;
AppPaths g_paths;
HWND g_mainWindow = nullptr;
bool g_hollowSwitchOn = true;
bool g_testHooks = false;

bool StartedForTesting() {
  char value[4] = {};
  const DWORD length = GetEnvironmentVariableA(kTestHooksVariable, value, sizeof value);
  return length == 1 && value[0] == '1';
}
