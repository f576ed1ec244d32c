// The words of the morning question's pictures: the greeting, the
// question, the captions of its three answers and the line about where
// the answer stays, drawn at run time in the language in use into the
// places the artwork leaves empty.
#pragma once

#include <windows.h>

// Draws the words into a picture of the morning question: a straight-alpha
// 32-bit DIB section drawn 337 x 222 pixels at 100 % and at its own scale.
// The picture at rest takes every word; the lit one (`lit`), of which only
// the answers are ever shown, takes the answers' captions in the warm
// colour. Without `answers` the captions are left out (the answers are
// covered by "Write it down"). False when the bitmap is not such a picture
// or GDI fails.
bool DrawMorningWords(HBITMAP picture, bool lit, bool answers);
