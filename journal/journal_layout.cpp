#include "journal/journal_layout.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "journal/journal_words.h"

namespace {

JournalRect Box(int left, int top, int width, int height) { return {left, top, left + width, top + height}; }

int Clamp(int value, int low, int high) { return value < low ? low : (value > high ? high : value); }

}  // namespace

JournalWords MeasureJournalWords(const MeasureWords& measure, int lineHeight) {
  const JournalLabels labels = JournalLabelTexts();
  JournalWords words;
  words.lineHeight = lineHeight;
  words.newButton = measure(labels.newButton);
  words.deleteButton = measure(labels.deleteButton);
  words.signsLabel = measure(labels.signsLabel);
  words.signsTitle = measure(labels.signsTitle);
  words.searchCue = measure(labels.searchCue);
  for (DreamKind kind : {DreamKind::Lucid, DreamKind::Dream, DreamKind::Fragment}) {
    words.kind = std::max(words.kind, measure(JournalKindName(kind)));
    // A morning of ten dreams or more is rare; two digits are room enough.
    words.dreams = std::max(words.dreams, measure(JournalDreamEntry(9, kind)));
  }
  return words;
}

namespace {

// What each control needs beside its words, at 96 DPI: a push button's
// edges and margins, a drop-down box's arrow, edges and margins, the space
// after a label, an edit field's edges and margins.
constexpr int kButtonChrome = 20;
constexpr int kComboChrome = 32;
constexpr int kLabelChrome = 6;
constexpr int kFieldChrome = 12;
// The left column's width in the design, and the least it narrows to so
// that the right column's row of boxes and buttons keeps its words.
constexpr int kLeftWidth = 250;
constexpr int kLeftLeast = 180;

// The widths the words ask for, at least the design's.
struct Needs {
  int leftLeast;  // the left column
  int dreams;
  int kind;
  int newButton;
  int deleteButton;
  int signsLabel;
  int right;      // the right column's row of boxes and buttons
};

Needs NeedsOf(int dpi, const JournalWords& words) {
  const auto px = [dpi](int pixels) { return ScalePixels(pixels, dpi); };
  const auto need = [](int text, int chrome) { return text > 0 ? text + chrome : 0; };
  const int gap = px(8);
  Needs n;
  n.leftLeast = std::max({px(kLeftLeast), need(words.signsTitle, px(2)), need(words.searchCue, px(kFieldChrome))});
  n.dreams = need(words.dreams, px(kComboChrome));
  n.kind = need(words.kind, px(kComboChrome));
  n.newButton = std::max(px(76), need(words.newButton, px(kButtonChrome)));
  n.deleteButton = std::max(px(76), need(words.deleteButton, px(kButtonChrome)));
  n.signsLabel = std::max(px(84), need(words.signsLabel, px(kLabelChrome)));
  n.right = std::max(n.dreams + gap + n.kind + gap + n.newButton + gap + n.deleteButton,
                     n.signsLabel + px(100));  // the signs field keeps room to type in
  return n;
}

}  // namespace

int JournalMinWidth(int dpi, const JournalWords& words) {
  const Needs n = NeedsOf(dpi, words);
  return std::max(ScalePixels(kJournalMinWidth, dpi),
                  ScalePixels(12, dpi) + n.leftLeast + ScalePixels(16, dpi) + n.right + ScalePixels(12, dpi));
}

JournalLayout LayOutJournal(int width, int height, int dpi, const JournalWords& words) {
  const auto px = [dpi](int pixels) { return ScalePixels(pixels, dpi); };
  const Needs n = NeedsOf(dpi, words);
  const int minWidth = JournalMinWidth(dpi, words);
  const int w = width < minWidth ? minWidth : width;
  const int h = height < px(kJournalMinHeight) ? px(kJournalMinHeight) : height;
  const int pad = px(12), gap = px(8);
  // Rows and lines grow with a font taller than the design's.
  const int row = std::max(px(24), words.lineHeight + px(8));
  const int line = std::max(px(18), words.lineHeight + px(2));
  JournalLayout l;
  l.header = Box(0, 0, w, px(44));
  l.close = Box(w - px(12) - px(20), px(12), px(20), px(20));

  // Left column: the search, the mornings, and the signs under them. It
  // gives up some of its width before the right column's words are cut.
  const int leftWidth = Clamp(w - 2 * pad - px(16) - n.right, n.leftLeast, std::max(n.leftLeast, px(kLeftWidth)));
  const int top = l.header.bottom + px(4);
  l.search = Box(pad, top, leftWidth, row);
  const int signsHeight = px(150);
  l.topSigns = Box(pad, h - pad - signsHeight, leftWidth, signsHeight);
  l.signsTitle = Box(pad, l.topSigns.top - gap - line, leftWidth, line);
  l.list = Box(pad, l.search.bottom + gap, leftWidth, l.signsTitle.top - gap - (l.search.bottom + gap));

  // Right column: which dream and its kind with New and Delete, the signs,
  // the text, and the status line at the bottom.
  const int x = l.search.right + px(16);
  const int right = w - pad;
  l.deleteButton = Box(right - n.deleteButton, top, n.deleteButton, row);
  l.newButton = Box(l.deleteButton.left - gap - n.newButton, top, n.newButton, row);
  // The two boxes share what is left, each keeping its words.
  const int choices = l.newButton.left - gap - x - gap;
  const int dreamsWidth = Clamp(choices / 2, n.dreams, std::max(n.dreams, choices - n.kind));
  l.dreams = Box(x, top, dreamsWidth, row);
  l.kind = Box(l.dreams.right + gap, top, choices - dreamsWidth, row);
  l.signsLabel = Box(x, l.dreams.bottom + gap + (row - line) / 2, n.signsLabel, line);
  l.signs = Box(x + n.signsLabel, l.dreams.bottom + gap, right - x - n.signsLabel, row);
  l.status = Box(x, h - pad - line, right - x, line);
  l.text = Box(x, l.signs.bottom + gap, right - x, l.status.top - px(4) - (l.signs.bottom + gap));
  return l;
}

std::string FormatJournalPlace(const JournalRect& window) {
  char text[64];
  std::snprintf(text, sizeof text, "%d,%d,%d,%d", window.left, window.top, window.Width(), window.Height());
  return text;
}

bool ParseJournalPlace(const std::string& text, JournalRect* window) {
  long values[4] = {};
  const char* at = text.c_str();
  for (int i = 0; i < 4; ++i) {
    char* end = nullptr;
    if (*at == '\0' || *at == ' ') return false;
    values[i] = std::strtol(at, &end, 10);
    if (end == at || values[i] < -100000 || values[i] > 100000) return false;
    at = end;
    if (i < 3) {
      if (*at != ',') return false;
      ++at;
    }
  }
  if (*at != '\0' || values[2] <= 0 || values[3] <= 0) return false;
  const int left = static_cast<int>(values[0]), top = static_cast<int>(values[1]);
  *window = Box(left, top, static_cast<int>(values[2]), static_cast<int>(values[3]));
  return true;
}

JournalRect PlaceJournal(const JournalRect* stored, const JournalRect& work, int dpi, int minWidth) {
  const int least = std::max(ScalePixels(kJournalMinWidth, dpi), minWidth);
  int width = stored ? stored->Width() : ScalePixels(kJournalFirstWidth, dpi);
  int height = stored ? stored->Height() : ScalePixels(kJournalFirstHeight, dpi);
  // The smallest size wins over the work area: a window too small to use
  // helps nobody, and the system lets it reach past a tiny screen.
  width = Clamp(width, least, work.Width() > 0 ? work.Width() : width);
  height = Clamp(height, ScalePixels(kJournalMinHeight, dpi), work.Height() > 0 ? work.Height() : height);
  if (width < least) width = least;
  if (height < ScalePixels(kJournalMinHeight, dpi)) height = ScalePixels(kJournalMinHeight, dpi);
  int left = stored ? stored->left : work.left + (work.Width() - width) / 2;
  int top = stored ? stored->top : work.top + (work.Height() - height) / 2;
  left = Clamp(left, work.left, work.right - width > work.left ? work.right - width : work.left);
  top = Clamp(top, work.top, work.bottom - height > work.top ? work.bottom - height : work.top);
  return Box(left, top, width, height);
}
