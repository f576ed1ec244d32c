// The words of the dream journal's window in the language in use: its
// labels and buttons, the kinds of dream, the entries of the dreams' box,
// the list's note for a file it cannot read and the status line. The file
// words (the headings "## Lucid dream" and the rest) are the files' own and
// never translated; these are only what the window shows. No windows.h.
#pragma once

#include <string>

#include "journal/dream_file.h"

struct JournalLabels {
  const char* title;         // drawn in the title band
  const char* close;         // the x's name, which screen readers say
  const char* searchCue;     // grey in the empty search field
  const char* newButton;
  const char* deleteButton;
  const char* signsLabel;    // before the dream's signs
  const char* signsTitle;    // over the signs that came up most
};
JournalLabels JournalLabelTexts();

// A kind of dream as the kind box names it.
const char* JournalKindName(DreamKind kind);
// The dreams' box's entry for the dream at `index` (from 0): "1. Lucid dream".
std::string JournalDreamEntry(int index, DreamKind kind);
// After a file's name in the list when the file is not text.
const char* JournalUnreadableNote();

// The status line's messages; `file` and `copy` are file names.
enum class JournalStatus {
  Saved,           // file
  NotSaved,        // file
  ChangedOutside,  // file, copy
  NotText,         // file
  NotRecycled,     // file
  Recycled,        // file
};
std::string JournalStatusText(JournalStatus status, const std::string& file, const std::string& copy = std::string());

// The delete question's box.
const char* JournalDeleteQuestion();
const char* JournalDeleteTitle();
