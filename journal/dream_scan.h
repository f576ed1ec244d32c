// The dream journal's list: every morning's file read, newest first, with
// what a row shows (date, lucid mark, first words, unreadable), and the
// search and sign counts over it. The Win32 half reads the Dreams folder
// into (name, bytes) pairs and draws the rows. No windows.h.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "journal/dream_file.h"
#include "journal/dream_signs.h"

// Characters of a row's preview.
inline constexpr std::size_t kPreviewChars = 80;

struct DreamFileBytes {
  std::string name;   // the file's name inside the Dreams folder
  std::string bytes;  // its whole content
};

struct JournalMorning {
  std::string fileName;
  CivilTime date;
  std::int64_t day = 0;  // DayOf the date
  int copy = 0;          // 0 for the morning's own file, n for "YYYY-MM-DD (n).md"
  bool unreadable = false;
  bool lucid = false;  // one of its dreams is lucid
  std::string firstWords;  // of the first dream with text, else of the notes before the dreams
  DreamFile file;  // empty when unreadable
  // What the search looks through: DreamSearchText of each dream, then the
  // folded notes before the first dream.
  std::vector<std::string> searchTexts;
};

// One file as a row of the list; false when the name is no dream file's.
bool ScanMorning(std::string_view name, const char* data, std::size_t size, JournalMorning* out);
// Every dream file among `files` (other names are passed over), newest
// morning first, a morning's own file before its conflict copies.
std::vector<JournalMorning> ScanDreamFiles(const std::vector<DreamFileBytes>& files);
// The positions in `mornings` of those that match the query (see
// DreamMatches; the query is folded here), in list order. A morning matches
// when one of its dreams or its notes does; an unreadable one matches only
// a query without words.
std::vector<std::size_t> FilterMornings(const std::vector<JournalMorning>& mornings, std::string_view query);
// CountDreamSigns over the readable mornings of the list.
std::vector<SignCount> CountJournalSigns(const std::vector<JournalMorning>& mornings, std::int64_t today,
                                         std::size_t top = kTopDreamSigns);
