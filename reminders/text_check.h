// The text check: a short word and the time of day drawn into the free
// area of its picture, to be read, looked away from and read again. The
// word list, where the two lines go, and how drawn text is laid over the
// picture's pixels. No windows.h: the Win32 half measures and draws.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "reminders/check_choice.h"
#include "skin/text_fit.h"

inline constexpr int kShortestCheckWord = 4;
inline constexpr int kLongestCheckWord = 7;

// Plain, everyday English words of 4 to 7 lower-case letters; each is
// shown in the language in use: TrC(kCheckWordContext, word).
inline constexpr char kCheckWordContext[] = "check word";
extern const char* const kCheckWords[];
extern const int kCheckWordCount;

const char* PickCheckWord(CheckRandom& random);

struct CheckRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

// The space the text check's artwork leaves free for the word and the time,
// in the pixels of the 100 % picture (337 x 222).
inline constexpr CheckRect kTextCheckArea = {40, 72, 297, 152};

// Where the word and the time go in the picture drawn for `scalePercent`,
// and the em height of each line's font in pixels. Both boxes are centred
// across the free area and stacked in its middle, and each is wide enough
// for its longest text (kLongestCheckWord letters, "23:59") at the bound
// kWidestGlyphEm per character.
struct TextCheckLayout {
  CheckRect word;
  int wordEm = 0;
  CheckRect time;
  int timeEm = 0;
};
// No glyph of the bold sans fonts used is wider than this many ems.
inline constexpr double kWidestGlyphEm = 1.1;
TextCheckLayout LayOutTextCheck(int scalePercent);

// "HH:MM", 24-hour.
std::string CheckClockText(int hour, int minute);
