#include "settings/setting_values.h"

#include <cstdio>

namespace {

// Days from 1970-01-01 to the given date of the proleptic Gregorian
// calendar, counted in 400-year eras so that leap days need no table.
std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d) {
  y -= m <= 2;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

void CivilFromDays(std::int64_t z, int* year, int* month, int* day) {
  z += 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  const unsigned d = doy - (153 * mp + 2) / 5 + 1;
  const unsigned m = mp < 10 ? mp + 3 : mp - 9;
  *year = static_cast<int>(static_cast<std::int64_t>(yoe) + era * 400 + (m <= 2));
  *month = static_cast<int>(m);
  *day = static_cast<int>(d);
}

int DaysInMonth(int year, int month) {
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : kDays[month - 1];
}

// Reads `count` decimal digits at text[at]; false when any is not a digit.
bool Digits(const std::string& text, std::size_t at, std::size_t count, int* out) {
  if (at + count > text.size()) return false;
  int value = 0;
  for (std::size_t i = at; i < at + count; ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
    value = value * 10 + (text[i] - '0');
  }
  *out = value;
  return true;
}

// "HH:MM" at text[at] as a minute of the day.
bool ClockAt(const std::string& text, std::size_t at, int* out) {
  int hour = 0, minute = 0;
  if (!Digits(text, at, 2, &hour) || at + 2 >= text.size() || text[at + 2] != ':' ||
      !Digits(text, at + 3, 2, &minute) || hour > 23 || minute > 59) {
    return false;
  }
  *out = hour * 60 + minute;
  return true;
}

}  // namespace

bool IsValidCivil(const CivilTime& t) {
  return t.year >= 1 && t.year <= 9999 && t.month >= 1 && t.month <= 12 && t.day >= 1 &&
         t.day <= DaysInMonth(t.year, t.month) && t.hour >= 0 && t.hour <= 23 && t.minute >= 0 && t.minute <= 59;
}

LocalMinute ToLocalMinute(const CivilTime& t) {
  return DaysFromCivil(t.year, static_cast<unsigned>(t.month), static_cast<unsigned>(t.day)) * kMinutesPerDay +
         t.hour * 60 + t.minute;
}

std::int64_t DayOf(LocalMinute minute) {
  return minute >= 0 ? minute / kMinutesPerDay : -((-minute + kMinutesPerDay - 1) / kMinutesPerDay);
}

int MinuteOfDay(LocalMinute minute) { return static_cast<int>(minute - DayOf(minute) * kMinutesPerDay); }

CivilTime ToCivil(LocalMinute minute) {
  CivilTime t;
  CivilFromDays(DayOf(minute), &t.year, &t.month, &t.day);
  const int m = MinuteOfDay(minute);
  t.hour = m / 60;
  t.minute = m % 60;
  return t;
}

bool ParseDateTime(const std::string& text, LocalMinute* out) {
  CivilTime t;
  int clock = 0;
  if (text.size() != 16 || !Digits(text, 0, 4, &t.year) || text[4] != '-' || !Digits(text, 5, 2, &t.month) ||
      text[7] != '-' || !Digits(text, 8, 2, &t.day) || text[10] != ' ' || !ClockAt(text, 11, &clock)) {
    return false;
  }
  t.hour = clock / 60;
  t.minute = clock % 60;
  if (!IsValidCivil(t)) return false;
  *out = ToLocalMinute(t);
  return true;
}

std::string FormatDateTime(LocalMinute minute) {
  const CivilTime t = ToCivil(minute);
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", t.year, t.month, t.day, t.hour, t.minute);
  return text;
}

std::string FormatClock(int minuteOfDay) {
  char text[8];
  std::snprintf(text, sizeof text, "%02d:%02d", (minuteOfDay / 60) % 24, minuteOfDay % 60);
  return text;
}

bool ParseQuietHours(const std::string& text, QuietHours* out) {
  QuietHours h;
  if (text.size() != 11 || !ClockAt(text, 0, &h.start) || text[5] != '-' || !ClockAt(text, 6, &h.end)) return false;
  *out = h;
  return true;
}

std::string FormatQuietHours(const QuietHours& hours) {
  return FormatClock(hours.start) + "-" + FormatClock(hours.end);
}

bool InsideQuietHours(const QuietHours& hours, int minuteOfDay) {
  if (hours.start <= hours.end) return minuteOfDay >= hours.start && minuteOfDay < hours.end;
  return minuteOfDay >= hours.start || minuteOfDay < hours.end;
}
