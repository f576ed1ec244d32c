// When the morning question is asked: once a day, between 04:00 and 13:00,
// at the first keyboard or mouse input after the PC was left alone (idle or
// locked) for three hours or more, or when the program starts in that span
// of the day. No windows.h: the Win32 half polls the facts and shows the
// question when told to.
#pragma once

#include <cstdint>

#include "settings/setting_values.h"

inline constexpr unsigned kMorningAwayMs = 3u * 60 * 60 * 1000;
inline constexpr int kMorningFirstMinute = 4 * 60;  // 04:00, inclusive
inline constexpr int kMorningLastMinute = 13 * 60;  // 13:00, exclusive
// How often the input is looked at: once a minute while the question cannot
// come (outside the morning, asked already, session locked) or the user is
// there; every 5 s once they have been away long enough in a morning that
// may still ask, so that the question comes with their first input.
inline constexpr unsigned kMorningSlowPollMs = 60 * 1000;
inline constexpr unsigned kMorningFastPollMs = 5 * 1000;

// What the Win32 half sees at a poll.
struct MorningFacts {
  LocalMinute now = 0;
  std::uint32_t tick = 0;           // milliseconds of the system clock (wraps)
  std::uint32_t lastInputTick = 0;  // the same clock at the last input
  bool doNotDisturb = false;        // full-screen or presenting (when the user wants to wait for it): wait
  bool silenced = false;            // a pause or quiet hours hold: wait until they end
  bool locked = false;              // the session is locked: nobody to ask
};

struct MorningClock {
  unsigned awayAfterMs = kMorningAwayMs;
  int firstMinute = kMorningFirstMinute;
  int lastMinute = kMorningLastMinute;
  std::int64_t askedDay = -1;  // the day the question was last asked or answered
  bool knowsInput = false;     // lastInputTick holds the input seen at the last poll
  std::uint32_t lastInputTick = 0;
  bool returned = false;  // back after a long absence, not yet asked
  // A return that met a pause or quiet hours waits for their end, and then
  // for the first input after it (the input seen when the end was noticed).
  bool heldByQuiet = false;
  bool quietOver = false;
  std::uint32_t inputAtQuietEnd = 0;
};

// The start of the program. answeredDay: the day of the latest morning
// answer in the record (-1 for none). True: ask now.
bool OnMorningStart(MorningClock& clock, const MorningFacts& facts, std::int64_t answeredDay);
// A poll. True: ask now.
bool OnMorningPoll(MorningClock& clock, const MorningFacts& facts);
// The session was unlocked after lockedMs: a long lock counts as an absence.
void OnSessionUnlocked(MorningClock& clock, unsigned lockedMs);
// The delay until the next poll.
unsigned NextMorningPollMs(const MorningClock& clock, const MorningFacts& facts);
