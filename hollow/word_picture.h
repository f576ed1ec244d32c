// hollow's questions, drawn at run time in the language in use: bright bold
// words with a soft dark edge on a transparent picture, which the layered
// window shows as it is.
#pragma once

#include <windows.h>

#include <cstdint>

struct WordPictureStyle {
  int width;             // the picture at 100 % for the English words; a
  int height;            // longer translation makes it wider, never smaller
  int em;                // the words' size at 100 %
  std::uint8_t opacity;  // the most any pixel shows, 255 = all of it
};

// A 32-bit top-down picture with straight alpha holding `text` (UTF-8),
// centred, for the display scale of `dpi`; its size goes to size[0] and
// size[1]. Null when GDI cannot make it.
HBITMAP DrawWordPicture(const char* text, const WordPictureStyle& style, int dpi, int size[2]);
