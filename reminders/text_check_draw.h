// Draws the reality check's run-time lines onto its picture with GDI: the
// text check's word and time, and the dream-sign check's sign and question.
#pragma once

#include <windows.h>

#include <string>

// Writes `word` (an English word of kCheckWords, drawn in the language in
// use) and `clock` into the free area of the text check's picture:
// a straight-alpha 32-bit DIB section, not yet premultiplied. The layout
// follows the picture's own size (337 pixels wide at 100 %). False when the
// bitmap is not a 32-bit DIB section or GDI fails; the picture is then
// left as drawn.
bool DrawTextCheck(HBITMAP picture, const char* word, const char* clock);
// Writes "Dream sign: <sign>" (UTF-8) and the question into the free area
// of the sign check's picture in the same way. A sign too long for its
// line is cut with an ellipsis and the question wrapped where one line is
// too narrow; nothing is drawn outside the free area.
bool DrawSignCheck(HBITMAP picture, const std::string& sign);
