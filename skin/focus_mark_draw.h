// The focus mark on a skinned control's window (the arithmetic is in
// focus_mark.h).
#pragma once

#include <windows.h>

// True while the control has the keyboard focus and its dialog shows
// keyboard cues: a dialog opened with the mouse hides them (UISF_HIDEFOCUS)
// until the first Tab or arrow key, as the system's own buttons do.
bool FocusMarkShown(HWND control);

// The part of a button's picture that its hover picture lights (see
// LitArea); empty when the pictures cannot be read or do not differ.
RECT HoverLitArea(HBITMAP normal, HBITMAP hover);

// Blends the mark over what the context shows of a width x height picture
// at (0, 0), round `area` of it (the whole picture when empty), at the
// control's display scale.
void DrawFocusMark(HWND control, HDC context, int width, int height, const RECT& area);
