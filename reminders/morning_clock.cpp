#include "reminders/morning_clock.h"

namespace {

bool InMorning(const MorningClock& clock, LocalMinute now) {
  const int minute = MinuteOfDay(now);
  return minute >= clock.firstMinute && minute < clock.lastMinute;
}

// Asks when the user is back in the morning span and not asked today; a
// return outside the span is forgotten. Full-screen work makes it wait.
bool AskIfDue(MorningClock& clock, const MorningFacts& facts) {
  if (!clock.returned) return false;
  const std::int64_t today = DayOf(facts.now);
  if (!InMorning(clock, facts.now) || clock.askedDay == today) {
    clock.returned = false;
    return false;
  }
  if (facts.doNotDisturb) return false;
  clock.returned = false;
  clock.askedDay = today;
  return true;
}

}  // namespace

bool OnMorningStart(MorningClock& clock, const MorningFacts& facts, std::int64_t answeredDay) {
  clock.askedDay = answeredDay;
  clock.knowsInput = true;
  clock.lastInputTick = facts.lastInputTick;
  clock.returned = true;
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
  if (clock.returned) return kMorningFastPollMs;  // waiting for full-screen work to end
  const std::uint32_t idle = facts.tick - facts.lastInputTick;
  if (idle >= clock.awayAfterMs) return kMorningFastPollMs;
  const std::uint32_t left = clock.awayAfterMs - idle;
  return left < kMorningSlowPollMs ? (left < kMorningFastPollMs ? kMorningFastPollMs : left) : kMorningSlowPollMs;
}
