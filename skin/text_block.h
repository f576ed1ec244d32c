// A block of text with its own line breaks fitted into a box: first set
// smaller with its lines as they are, then wrapped, and only then cut with
// an ellipsis; never clipped. The tips panel fits each tip this way. No
// windows.h: the Win32 half measures and draws.
#pragma once

#include <functional>
#include <string_view>

#include "skin/text_fit.h"

// The height in pixels of one line in the font of em height `em`.
using MeasureLineHeight = std::function<int(int em)>;

// Fits `text` (lines broken by LF, a CR before it and blanks at a line's
// end ignored) into a box of
// `width` x `height`: its lines unchanged at the largest em from `em` down
// to `minEm` where they all fit; else wrapped (FitText, as many lines as
// the height holds) at the largest such em; else at minEm, wrapped and cut
// with an ellipsis.
FittedText FitTextBlock(std::string_view text, int width, int height, int em, int minEm, const MeasureText& measure,
                        const MeasureLineHeight& lineHeight);
