// The words of the reality check's pictures: the heading, the question,
// what to do and what to notice, and how to dismiss it, drawn at run time
// in the language in use into the places the artwork leaves empty.
#pragma once

#include <windows.h>

#include "reminders/text_check.h"

// The rooms of the words every kind shows, in the pixels of the 100 %
// picture (337 x 222): the heading above the check, the hint at the
// bottom. The artwork draws nothing else there.
inline constexpr CheckRect kCheckHeadingRoom = {70, 53, 267, 68};
inline constexpr CheckRect kCheckHintRoom = {40, 184, 297, 204};

// Draws the words of check `kind` (CheckKind) into its picture: a
// straight-alpha 32-bit DIB section drawn 337 x 222 pixels at 100 % and
// at its own scale, not yet premultiplied. False when the bitmap is not
// such a picture or GDI fails.
bool DrawCheckWords(HBITMAP picture, int kind);
