#include "journal/journal_layout.h"

#include <cstdio>
#include <cstdlib>

namespace {

JournalRect Box(int left, int top, int width, int height) { return {left, top, left + width, top + height}; }

int Clamp(int value, int low, int high) { return value < low ? low : (value > high ? high : value); }

}  // namespace

JournalLayout LayOutJournal(int width, int height, int dpi) {
  const auto px = [dpi](int pixels) { return ScalePixels(pixels, dpi); };
  const int w = width < px(kJournalMinWidth) ? px(kJournalMinWidth) : width;
  const int h = height < px(kJournalMinHeight) ? px(kJournalMinHeight) : height;
  const int pad = px(12), gap = px(8), row = px(24), line = px(18);
  JournalLayout l;
  l.header = Box(0, 0, w, px(44));
  l.close = Box(w - px(12) - px(20), px(12), px(20), px(20));

  // Left column: the search, the mornings, and the signs under them.
  const int leftWidth = px(250);
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
  const int buttonWidth = px(76);
  l.deleteButton = Box(right - buttonWidth, top, buttonWidth, row);
  l.newButton = Box(l.deleteButton.left - gap - buttonWidth, top, buttonWidth, row);
  const int choiceWidth = (l.newButton.left - gap - x - gap) / 2;
  l.dreams = Box(x, top, choiceWidth, row);
  l.kind = Box(l.dreams.right + gap, top, choiceWidth, row);
  const int labelWidth = px(84);
  l.signsLabel = Box(x, l.dreams.bottom + gap + (row - line) / 2, labelWidth, line);
  l.signs = Box(x + labelWidth, l.dreams.bottom + gap, right - x - labelWidth, row);
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

JournalRect PlaceJournal(const JournalRect* stored, const JournalRect& work, int dpi) {
  int width = stored ? stored->Width() : ScalePixels(kJournalFirstWidth, dpi);
  int height = stored ? stored->Height() : ScalePixels(kJournalFirstHeight, dpi);
  // The smallest size wins over the work area: a window too small to use
  // helps nobody, and the system lets it reach past a tiny screen.
  width = Clamp(width, ScalePixels(kJournalMinWidth, dpi), work.Width() > 0 ? work.Width() : width);
  height = Clamp(height, ScalePixels(kJournalMinHeight, dpi), work.Height() > 0 ? work.Height() : height);
  if (width < ScalePixels(kJournalMinWidth, dpi)) width = ScalePixels(kJournalMinWidth, dpi);
  if (height < ScalePixels(kJournalMinHeight, dpi)) height = ScalePixels(kJournalMinHeight, dpi);
  int left = stored ? stored->left : work.left + (work.Width() - width) / 2;
  int top = stored ? stored->top : work.top + (work.Height() - height) / 2;
  left = Clamp(left, work.left, work.right - width > work.left ? work.right - width : work.left);
  top = Clamp(top, work.top, work.bottom - height > work.top ? work.bottom - height : work.top);
  return Box(left, top, width, height);
}
