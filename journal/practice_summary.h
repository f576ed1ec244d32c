// What the practice picture shows, summed up from the record: the last 28
// days with their checks, dismissals and the night that followed, the
// current streak, and the line about how checks and lucid nights go
// together. No windows.h.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "journal/practice_record.h"

inline constexpr int kPracticeDays = 28;
// Answered mornings needed before the link line compares anything.
inline constexpr int kLinkMinimumMornings = 7;

// The answer given the morning after a day.
enum class NightAnswer : unsigned char { Unanswered, None, Dream, Lucid };

struct PracticeDay {
  std::int64_t day = 0;  // day number (DayOf)
  int checked = 0;
  int dismissed = 0;
  NightAnswer night = NightAnswer::Unanswered;
};

struct PracticeLink {
  int answeredMornings = 0;
  int threshold = 0;  // N: the median of daily checks over the answered days (at least 1)
  int lucidAfterMany = 0;  // a: lucid nights after days with N or more checks
  int daysMany = 0;        // b
  int lucidAfterFew = 0;   // c: lucid nights after days with fewer
  int daysFew = 0;         // d
};

struct PracticeSummary {
  PracticeDay days[kPracticeDays];  // oldest first; the last is today
  int streak = 0;  // days in a row with a check, ending today (or yesterday while today has none yet)
  PracticeLink link;
};

// Sums up the record for the 28 days ending `today` (a day number). An
// answer belongs to the day before the date it was given on (the morning
// after); when a morning has several answers the latest counts. Entries may
// come in any order.
PracticeSummary SummarisePractice(const std::vector<PracticeEntry>& entries, std::int64_t today);
// The day (DayOf) of the latest morning answer in the record; -1 for none.
std::int64_t LatestAnswerDay(const std::vector<PracticeEntry>& entries);
// "Lucid nights after days with N or more checks: a of b; after fewer: c of
// d" with at least kLinkMinimumMornings answered mornings, else the
// invitation to answer the morning question for a week.
std::string PracticeLinkLine(const PracticeLink& link);
