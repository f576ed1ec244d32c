// The main window as a screen reader reads it: every picture button named
// by what it does, the switch, and the interval box with its name and the
// minutes chosen. The tips panel reads the tip it shows (skin labels do).
#pragma once

#include <windows.h>

// Gives every control its name in the language in use; called when the
// window is made and again when the language changes.
void NameMainWindowControls(HWND window);
