// The dream-sign check: "Dream sign: <sign>" and a question drawn into the
// free area of its picture at run time. Where the lines go, and how a text
// is fitted to its width (smaller, then wrapped, then cut with an
// ellipsis) over measured extents. No windows.h: the Win32 half measures
// and draws.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "reminders/text_check.h"
#include "settings/translation.h"
#include "skin/text_fit.h"

// The space the sign check's artwork leaves free for its lines, in the
// pixels of the 100 % picture (337 x 222). Nothing is drawn outside it.
inline constexpr CheckRect kSignCheckArea = {24, 72, 313, 184};
// The question under the sign, wrapped onto two lines where one is too
// narrow; looked up with Tr where it is drawn.
// Translators: the question of the dream-sign reality check, under "Dream
// sign: ...": two lines of 277 pixels at most at 100 %, normal 13-pixel
// type (about 45 characters a line).
inline constexpr char kSignCheckQuestion[] = N_("Is it here? Look around, then check again.");
inline constexpr int kSignQuestionLines = 2;


// "Dream sign: " and the sign, in the language in use.
std::string SignCheckCaption(std::string_view sign);

// Where the lines go in the picture drawn for `scalePercent`, for a
// question of `questionLines` lines (1 or 2), and the em height of each
// line's font in pixels with the smallest it may be made to fit. The
// caption and the question's lines are as wide as the free area less a
// margin, stacked in its middle.
struct SignCheckLayout {
  CheckRect area;  // the free area at this scale
  CheckRect caption;
  int captionEm = 0;
  int captionMinEm = 0;
  CheckRect question[kSignQuestionLines];  // lines past questionLines are empty
  int questionEm = 0;
  int questionMinEm = 0;
};
SignCheckLayout LayOutSignCheck(int scalePercent, int questionLines);
