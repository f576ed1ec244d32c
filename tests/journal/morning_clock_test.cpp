// When the morning question is asked: returns after an absence, the span of
// the morning, once a day, full-screen work, locks and the start.
#include <gtest/gtest.h>

#include "journal/morning_clock.h"

namespace {

constexpr std::uint32_t kHour = 60 * 60 * 1000;

LocalMinute At(int day, int hour, int minute = 0) {
  CivilTime t;
  t.year = 2026;
  t.month = 3;
  t.day = day;
  t.hour = hour;
  t.minute = minute;
  return ToLocalMinute(t);
}

// One poll: the clock reads `tick`, the last input was at `input`.
MorningFacts Facts(LocalMinute now, std::uint32_t tick, std::uint32_t input, bool busy = false) {
  MorningFacts f;
  f.now = now;
  f.tick = tick;
  f.lastInputTick = input;
  f.doNotDisturb = busy;
  return f;
}

TEST(MorningClock, AsksAtTheFirstInputAfterALongAbsenceInTheMorningOnceADay) {
  // The tick counter wraps during the night; gaps are still measured right.
  const std::uint32_t evening = 0xFFFFFFFFu - kHour;
  MorningClock clock;
  EXPECT_FALSE(OnMorningStart(clock, Facts(At(10, 22), evening, evening), -1));  // evening start: no question
  EXPECT_FALSE(OnMorningPoll(clock, Facts(At(10, 23), evening + kHour, evening + kHour / 2)));
  const std::uint32_t seen = evening + kHour / 2;
  // Asleep: nothing happens. The polls stay a minute apart through the
  // night and quicken only once three hours are up in the morning.
  EXPECT_EQ(NextMorningPollMs(clock, Facts(At(11, 1), seen + 2 * kHour, seen)), kMorningSlowPollMs);
  EXPECT_EQ(NextMorningPollMs(clock, Facts(At(11, 3, 59), seen + 5 * kHour, seen)), kMorningSlowPollMs);
  EXPECT_EQ(NextMorningPollMs(clock, Facts(At(11, 4), seen + 3 * kHour - 20000, seen)), 20000u);
  EXPECT_EQ(NextMorningPollMs(clock, Facts(At(11, 4), seen + 3 * kHour - 2000, seen)), kMorningFastPollMs);
  EXPECT_EQ(NextMorningPollMs(clock, Facts(At(11, 5), seen + 3 * kHour + 5, seen)), kMorningFastPollMs);
  MorningFacts locked = Facts(At(11, 5), seen + 3 * kHour + 5, seen);
  locked.locked = true;
  EXPECT_EQ(NextMorningPollMs(clock, locked), kMorningSlowPollMs);
  EXPECT_FALSE(OnMorningPoll(clock, Facts(At(11, 6), seen + 7 * kHour, seen)));
  // The first input of the morning: asked; later inputs: not again.
  const std::uint32_t back = seen + 7 * kHour + 500;
  EXPECT_TRUE(OnMorningPoll(clock, Facts(At(11, 7), back + 500, back)));
  EXPECT_FALSE(OnMorningPoll(clock, Facts(At(11, 7), back + 1500, back + 1000)));
  // Another long absence the same morning: still once a day, and no quick polls.
  EXPECT_EQ(NextMorningPollMs(clock, Facts(At(11, 10), back + 4 * kHour, back)), kMorningSlowPollMs);
  EXPECT_FALSE(OnMorningPoll(clock, Facts(At(11, 11), back + 4 * kHour + 10, back + 4 * kHour)));
}

TEST(MorningClock, APauseOrQuietHoursKeepTheQuietUntilTheFirstInputAfterTheirEnd) {
  MorningClock clock;
  OnMorningPoll(clock, Facts(At(12, 0), 1000, 1000));
  // Back at 05:00 inside quiet hours: not asked, and more input changes nothing.
  MorningFacts f = Facts(At(12, 5), 5 * kHour + 100, 5 * kHour);
  f.silenced = true;
  EXPECT_FALSE(OnMorningPoll(clock, f));
  f = Facts(At(12, 6), 6 * kHour + 100, 6 * kHour);
  f.silenced = true;
  EXPECT_FALSE(OnMorningPoll(clock, f));
  EXPECT_EQ(NextMorningPollMs(clock, f), kMorningFastPollMs);
  // 07:00, the quiet is over but nobody has touched anything since.
  EXPECT_FALSE(OnMorningPoll(clock, Facts(At(12, 7), 7 * kHour, 6 * kHour)));
  EXPECT_FALSE(OnMorningPoll(clock, Facts(At(12, 7, 1), 7 * kHour + 60000, 6 * kHour)));
  // The first input after it brings the question, once.
  EXPECT_TRUE(OnMorningPoll(clock, Facts(At(12, 7, 2), 7 * kHour + 120000, 7 * kHour + 119000)));
  EXPECT_FALSE(OnMorningPoll(clock, Facts(At(12, 7, 3), 7 * kHour + 180000, 7 * kHour + 179000)));

  // Quiet hours that last past the morning: the return is forgotten.
  MorningClock late;
  OnMorningPoll(late, Facts(At(13, 0), 1000, 1000));
  f = Facts(At(13, 9), 9 * kHour + 100, 9 * kHour);
  f.silenced = true;
  EXPECT_FALSE(OnMorningPoll(late, f));
  EXPECT_FALSE(OnMorningPoll(late, Facts(At(13, 13), 13 * kHour, 13 * kHour - 10)));
  EXPECT_FALSE(late.returned);
}

TEST(MorningClock, ReturnsOutsideTheMorningOrAfterShortBreaksAreNotAsked) {
  const struct {
    int returnHour;
    std::uint32_t absence;
    bool busy;
    bool asked;
  } cases[] = {
      {3, 5 * kHour, false, false},   // 03:59 is still night
      {13, 5 * kHour, false, false},  // 13:00 is past the morning
      {4, 3 * kHour, false, true},    // exactly three hours, at 04:00
      {9, 3 * kHour - 1, false, false},
      {9, 8 * kHour, true, false},  // full-screen work waits...
  };
  for (const auto& c : cases) {
    MorningClock clock;
    const std::uint32_t before = 1000;
    OnMorningPoll(clock, Facts(At(20, 0), before, before));
    const LocalMinute now = At(20, c.returnHour, c.returnHour == 3 ? 59 : 0);
    EXPECT_EQ(OnMorningPoll(clock, Facts(now, before + c.absence + 10, before + c.absence, c.busy)), c.asked)
        << c.returnHour << " h after " << c.absence << " ms";
  }
  // ...and asks once it is over, still in the morning.
  MorningClock clock;
  OnMorningPoll(clock, Facts(At(20, 0), 1000, 1000));
  EXPECT_FALSE(OnMorningPoll(clock, Facts(At(20, 8), 9 * kHour, 8 * kHour, true)));
  EXPECT_EQ(NextMorningPollMs(clock, Facts(At(20, 8), 9 * kHour, 9 * kHour - 10)), kMorningFastPollMs);
  EXPECT_TRUE(OnMorningPoll(clock, Facts(At(20, 8, 5), 9 * kHour + 300000, 9 * kHour + 299000)));
}

TEST(MorningClock, StartsAndUnlocksCountAsComingBack) {
  MorningClock clock;
  EXPECT_TRUE(OnMorningStart(clock, Facts(At(5, 8), 100, 90), At(4, 7) / kMinutesPerDay));  // answered yesterday
  MorningClock answered;
  EXPECT_FALSE(OnMorningStart(answered, Facts(At(5, 8), 100, 90), DayOf(At(5, 6))));  // answered today already
  MorningClock busy;
  EXPECT_FALSE(OnMorningStart(busy, Facts(At(5, 8), 100, 90, true), -1));
  EXPECT_TRUE(OnMorningPoll(busy, Facts(At(5, 8, 30), 200, 90)));

  // A lock of three hours: the unlock brings the question, a short one does not.
  MorningClock locked;
  OnMorningPoll(locked, Facts(At(6, 5), 100, 100));
  OnSessionUnlocked(locked, kHour);
  EXPECT_FALSE(OnMorningPoll(locked, Facts(At(6, 6), 200, 100)));
  OnSessionUnlocked(locked, 3 * kHour);
  EXPECT_TRUE(OnMorningPoll(locked, Facts(At(6, 9), 300, 100)));
}

}  // namespace
