// The number of GDI objects this process holds, for the leak checks of the
// test suites.
#pragma once

#include <windows.h>

DWORD CountGdiObjects();
