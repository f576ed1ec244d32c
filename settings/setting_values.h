// Texts of the optional settings that hold times: a local date and time
// ("2026-12-08 23:30") and a span of hours in the day ("23:00-07:00").
// No windows.h.
#pragma once

#include <cstdint>
#include <string>

// A local date and time counted in minutes from 1970-01-01 00:00 of the same
// (local) calendar; no time zone is involved.
using LocalMinute = std::int64_t;

inline constexpr int kMinutesPerDay = 24 * 60;

struct CivilTime {
  int year = 1970;
  int month = 1;  // 1..12
  int day = 1;    // 1..31
  int hour = 0;
  int minute = 0;
};

// True when the fields name a real date and a time of day 00:00..23:59.
bool IsValidCivil(const CivilTime& t);
LocalMinute ToLocalMinute(const CivilTime& t);
CivilTime ToCivil(LocalMinute minute);
// The day number (days since 1970-01-01) and the minute of that day.
std::int64_t DayOf(LocalMinute minute);
int MinuteOfDay(LocalMinute minute);

// "YYYY-MM-DD HH:MM", exactly these sixteen characters, with a real date.
bool ParseDateTime(const std::string& text, LocalMinute* out);
std::string FormatDateTime(LocalMinute minute);
// "HH:MM" of a minute of the day.
std::string FormatClock(int minuteOfDay);

// A span of the day from `start` (inclusive) to `end` (exclusive), in
// minutes after midnight. A span whose end is before its start runs over
// midnight; a span whose end equals its start is empty.
struct QuietHours {
  int start = 0;
  int end = 0;
};

// "HH:MM-HH:MM" with two-digit hours 00..23 and minutes 00..59.
bool ParseQuietHours(const std::string& text, QuietHours* out);
std::string FormatQuietHours(const QuietHours& hours);
bool InsideQuietHours(const QuietHours& hours, int minuteOfDay);
