#include "journal/morning_clock.h"

namespace {

bool InMorning(const MorningClock& clock, LocalMinute now) {
  const int minute = MinuteOfDay(now);
  return minute >= clock.firstMinute && minute < clock.lastMinute;
}

void Forget(MorningClock& clock) {
  clock.returned = false;
  clock.heldByQuiet = false;
  clock.quietOver = false;
}

// Asks when the user is back in the morning span and not asked today; a
// return outside the span is forgotten. Full-screen work makes it wait; a
// pause or quiet hours make it wait for their end and the first input after.
bool AskIfDue(MorningClock& clock, const MorningFacts& facts) {
  if (!clock.returned) return false;
  const std::int64_t today = DayOf(facts.now);
  if (!InMorning(clock, facts.now) || clock.askedDay == today) {
    Forget(clock);
    return false;
  }
  if (facts.silenced) {
    clock.heldByQuiet = true;
    clock.quietOver = false;
    return false;
  }
  if (clock.heldByQuiet) {
    if (!clock.quietOver) {
      clock.quietOver = true;
      clock.inputAtQuietEnd = facts.lastInputTick;
      return false;
    }
    if (facts.lastInputTick == clock.inputAtQuietEnd) return false;
  }
  if (facts.doNotDisturb || facts.locked) return false;
  Forget(clock);
  clock.askedDay = today;
  return true;
}

}  // namespace

bool OnMorningStart(MorningClock& clock, const MorningFacts& facts, std::int64_t answeredDay) {
  clock.askedDay = answeredDay;
  clock.knowsInput = true;
  clock.lastInputTick = facts.lastInputTick;
  clock.returned = true;
  clock.heldByQuiet = false;
  clock.quietOver = false;
  return AskIfDue(clock, facts);
}

bool OnMorningPoll(MorningClock& clock, const MorningFacts& facts) {
  if (!clock.knowsInput) {
    clock.knowsInput = true;
    clock.lastInputTick = facts.lastInputTick;
  } else if (facts.lastInputTick != clock.lastInputTick) {
    // Input since the last poll: a long gap before it is a return.
    const std::uint32_t gap = facts.lastInputTick - clock.lastInputTick;
    if (gap >= clock.awayAfterMs) clock.returned = true;
    clock.lastInputTick = facts.lastInputTick;
  }
  return AskIfDue(clock, facts);
}

void OnSessionUnlocked(MorningClock& clock, unsigned lockedMs) {
  if (lockedMs >= clock.awayAfterMs) clock.returned = true;
}

unsigned NextMorningPollMs(const MorningClock& clock, const MorningFacts& facts) {
  // Nobody can be asked now: the polls only keep track of the input, and a
  // minute apart is far below the absence that counts.
  if (facts.locked || !InMorning(clock, facts.now) || clock.askedDay == DayOf(facts.now)) {
    return kMorningSlowPollMs;
  }
  if (clock.returned) return kMorningFastPollMs;  // waiting for full-screen work or a pause to end
  const std::uint32_t idle = facts.tick - facts.lastInputTick;
  if (idle >= clock.awayAfterMs) return kMorningFastPollMs;
  const std::uint32_t left = clock.awayAfterMs - idle;
  return left < kMorningSlowPollMs ? (left < kMorningFastPollMs ? kMorningFastPollMs : left) : kMorningSlowPollMs;
}
