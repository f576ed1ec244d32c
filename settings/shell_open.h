// Handing documents and web addresses to the shell.
#pragma once

#include <windows.h>

// "open" on the file or address (UTF-8), shown normally; the outcome is not
// examined.
void OpenWithShell(const char* target);
// Opens the address of share type 1 to 4 the same way.
void OpenShareLink(int type);
