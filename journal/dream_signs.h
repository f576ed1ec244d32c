// Dream signs over the journal: which signs came up most in the last 90
// days, one of them picked at random by how often it came up, and the
// search filter over a dream's text and signs. No windows.h.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "journal/dream_file.h"
#include "reminders/check_choice.h"

// The days counted: the 90 days ending with `today`, today included; the
// morning 90 days before today is the first one left out.
inline constexpr int kSignWindowDays = 90;
inline constexpr std::size_t kTopDreamSigns = 10;

struct SignCount {
  std::string sign;  // the spelling used most often (the first seen among equals)
  int count = 0;     // dreams that list it
};

// One morning's file and its day number (DayOf of its date).
struct DatedDreamFile {
  std::int64_t day = 0;
  const DreamFile* file = nullptr;
};

// True when a morning's day is one of the days counted.
bool InsideSignWindow(std::int64_t day, std::int64_t today);
// The `top` signs listed by the most dreams of the mornings inside the
// window, most first, equal counts in the order of their folded names.
// Signs are matched after FoldCase ("Flying" and "flying" are one sign); a
// dream that lists a sign twice counts once. "First seen" follows the order
// of `mornings`, then the order of the dreams and their signs.
std::vector<SignCount> CountDreamSigns(const std::vector<DatedDreamFile>& mornings, std::int64_t today,
                                       std::size_t top = kTopDreamSigns);
// The index of a sign drawn at random, each with a chance in proportion to
// its count; -1 when there is nothing to draw (no sign with a count above 0).
int PickDreamSign(const std::vector<SignCount>& signs, CheckRandom& random);

// Search. A query is split into words at spaces, tabs and line breaks; a dream matches
// when every word occurs, folded, somewhere in its text or in one of its
// signs ("fly" finds "Flying"). A query without words matches every dream.
std::vector<std::string_view> QueryWords(std::string_view foldedQuery);
// What the search looks through in a dream: its folded text, then its
// folded signs, each on a line of its own so that no word spans two.
std::string DreamSearchText(const Dream& dream);
bool SearchTextMatches(std::string_view searchText, const std::vector<std::string_view>& words);
bool DreamMatches(const Dream& dream, const std::string& foldedQuery);
