// The main window's words: the title, the cards' headings and lines, the
// captions beside the controls and the maker's host name, which the artwork
// leaves out. Each has a room in the background at 100 % (where the design
// put it, as wide as the cards allow) and is drawn into the background in
// the language in use.
#pragma once

#include <vector>

#include "skin/picture_text.h"

// The words in the language in use, their rooms in the pixels of the 100 %
// background (428 x 372). The texts live as long as the catalogue.
std::vector<PictureText> MainWindowWords();
