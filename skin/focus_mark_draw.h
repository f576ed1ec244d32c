// The focus mark on a skinned control's window (the arithmetic is in
// focus_mark.h).
#pragma once

#include <windows.h>

// True while the control has the keyboard focus and its dialog shows
// keyboard cues: a dialog opened with the mouse hides them (UISF_HIDEFOCUS)
// until the first Tab or arrow key, as the system's own buttons do.
bool FocusMarkShown(HWND control);

// Blends the mark over what the context shows of a width x height picture
// at (0, 0), at the control's display scale.
void DrawFocusMark(HWND control, HDC context, int width, int height);
