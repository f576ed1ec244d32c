// Draws the text check's word and time onto its picture with GDI.
#pragma once

#include <windows.h>

// Writes `word` and `clock` into the free area of the text check's picture:
// a straight-alpha 32-bit DIB section, not yet premultiplied. The layout
// follows the picture's own size (337 pixels wide at 100 %). False when the
// bitmap is not a 32-bit DIB section or GDI fails; the picture is then
// left as drawn.
bool DrawTextCheck(HBITMAP picture, const char* word, const char* clock);
