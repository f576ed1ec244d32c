// Where the dream journal's controls go in a window of any size and scale,
// sized to their words in the language in use, and where the window itself
// opens: the size and place it was closed at (config.txt's "journal" key),
// kept inside the work area. No windows.h.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "skin/display_scale.h"

// The smallest and the first size of the window at 96 DPI, in pixels.
inline constexpr int kJournalMinWidth = 620;
inline constexpr int kJournalMinHeight = 420;
inline constexpr int kJournalFirstWidth = 780;
inline constexpr int kJournalFirstHeight = 540;

struct JournalRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
};

// Every control's rectangle in the client area, in pixels.
struct JournalLayout {
  JournalRect header;      // the title band, which drags the window
  JournalRect close;       // the x
  JournalRect search;
  JournalRect list;        // the mornings
  JournalRect signsTitle;  // "Your dream signs"
  JournalRect topSigns;
  JournalRect dreams;      // the dreams of the selected morning
  JournalRect kind;
  JournalRect newButton;
  JournalRect deleteButton;
  JournalRect signsLabel;  // "Dream signs:"
  JournalRect signs;
  JournalRect text;        // the editor
  JournalRect status;
};

// How much room the words of the controls take in the window's font, in
// pixels at the window's scale. A width of 0 asks for no more than the
// control's size in the design.
struct JournalWords {
  int lineHeight = 0;  // one line of the font
  int newButton = 0;
  int deleteButton = 0;
  int dreams = 0;      // the widest entry of the dreams' box
  int kind = 0;        // the widest kind of dream
  int signsLabel = 0;  // "Dream signs:"
  int signsTitle = 0;  // "Your dream signs"
  int searchCue = 0;   // the empty search field's hint
};

// The width in pixels of a UTF-8 text in the window's font.
using MeasureWords = std::function<int(std::string_view text)>;
// Measures the words of journal_words.h in the language in use.
JournalWords MeasureJournalWords(const MeasureWords& measure, int lineHeight);

// The layout of a client area width x height at dpi, every button, label
// and box at least as large as its words. Sizes below the smallest are
// laid out as the smallest (the window never gets smaller).
JournalLayout LayOutJournal(int width, int height, int dpi, const JournalWords& words = JournalWords());
// The smallest width of the window at dpi: the design's, or more where the
// words need it. The smallest height is the design's at any words.
int JournalMinWidth(int dpi, const JournalWords& words);

// "x,y,width,height" of the window as it was closed, in screen pixels.
std::string FormatJournalPlace(const JournalRect& window);
// False for anything but four whole numbers with a positive size.
bool ParseJournalPlace(const std::string& text, JournalRect* window);
// Where the window opens: the stored rectangle when there is one, else the
// first size centred in the work area; made no larger than the work area
// and no smaller than the smallest size at dpi (and than minWidth), then
// moved inside it.
JournalRect PlaceJournal(const JournalRect* stored, const JournalRect& work, int dpi, int minWidth = 0);
