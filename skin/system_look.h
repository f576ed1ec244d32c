// What the system asks of the programs' look: high contrast (the user's
// own colours in place of the artwork) and "Show animations in Windows"
// (fades and drifting words, or none). Read at the first question and again
// whenever a window hears that a setting or the system colours changed;
// every top-level window of a program hears that, so whichever answers
// first brings the answers up to date for the others.
#pragma once

#include <windows.h>

bool HighContrastOn();
bool AnimationsOn();

// For a window procedure's every message: on WM_SETTINGCHANGE (high
// contrast or animations) and WM_SYSCOLORCHANGE it reads the settings
// again. True when the window must lay itself out and draw again: high
// contrast was switched (on, off, or to another theme), or the system
// colours changed while it is on. Every window answers for itself, since
// the first to hear of a change has already read it for the others.
bool SystemLookChanged(UINT message, WPARAM wParam);
