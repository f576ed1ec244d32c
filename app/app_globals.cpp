// Definitions of the program-wide values, kept in one translation unit so
// that their static initialisation runs in the order written here.
#include "app/app_globals.h"

bool g_activateRunningInstance = true;
HINSTANCE g_instance = nullptr;
AppPaths g_paths;
HWND g_mainWindow = nullptr;
