// The optional settings' texts and the decision whether a reminder that
// falls due is shown, dropped or held, on a controllable clock.
#include <gtest/gtest.h>

#include "reminders/reminder_gate.h"
#include "settings/config_store.h"
#include "settings/settings_keys.h"

namespace {

LocalMinute At(const char* text) {
  LocalMinute m = 0;
  EXPECT_TRUE(ParseDateTime(text, &m)) << text;
  return m;
}

OptionalSettings Read(const std::string& file) {
  ConfigStore store("config.txt", '=');
  ParseConfig(store, file);
  return ReadOptionalSettings(store);
}

TEST(SettingValues, DateTimesParseOnlyInTheirExactForm) {
  const char* good[] = {"2026-12-08 23:30", "2024-02-29 00:00", "2000-02-29 12:00", "1970-01-01 00:00",
                        "2026-12-31 23:59"};
  for (const char* text : good) {
    LocalMinute m = 0;
    ASSERT_TRUE(ParseDateTime(text, &m)) << text;
    EXPECT_EQ(FormatDateTime(m), text);
  }
  const char* bad[] = {"",
                       "2026-12-08",
                       "2026-12-08 23:30 ",
                       " 2026-12-08 23:30",
                       "2026-12-08T23:30",
                       "2026-13-01 10:00",
                       "2026-00-01 10:00",
                       "2026-02-29 10:00",  // not a leap year
                       "1900-02-29 10:00",
                       "2026-04-31 10:00",
                       "2026-12-00 10:00",
                       "2026-12-08 24:00",
                       "2026-12-08 23:60",
                       "2026-12-08 7:30",
                       "2026/12/08 23:30",
                       "2026-12-08 2a:30",
                       "+026-12-08 23:30"};
  for (const char* text : bad) {
    LocalMinute m = 42;
    EXPECT_FALSE(ParseDateTime(text, &m)) << text;
    EXPECT_EQ(m, 42) << text;
  }
  // Minutes count across days, months, leap days and years.
  EXPECT_EQ(At("2024-03-01 00:00") - At("2024-02-28 23:59"), 1 + 24 * 60);
  EXPECT_EQ(At("2027-01-01 00:00") - At("2026-12-31 23:30"), 30);
  EXPECT_EQ(At("1970-01-02 00:00"), 24 * 60);
}

TEST(SettingValues, QuietHoursParseAndSpanMidnight) {
  QuietHours h;
  ASSERT_TRUE(ParseQuietHours("23:00-07:00", &h));
  EXPECT_EQ(h.start, 23 * 60);
  EXPECT_EQ(h.end, 7 * 60);
  EXPECT_EQ(FormatQuietHours(h), "23:00-07:00");
  const char* bad[] = {"", "23:00", "23:00-", "23:00 - 07:00", "23-07", "24:00-07:00", "23:00-07:60",
                       "23:00-7:00", "23:00_07:00", "23:00-07:00x", "ab:cd-ef:gh"};
  for (const char* text : bad) EXPECT_FALSE(ParseQuietHours(text, &h)) << text;

  struct Case {
    const char* hours;
    const char* clock;
    bool inside;
  };
  const Case cases[] = {
      {"23:00-07:00", "23:00", true},  {"23:00-07:00", "03:15", true},  {"23:00-07:00", "06:59", true},
      {"23:00-07:00", "07:00", false}, {"23:00-07:00", "22:59", false}, {"23:00-07:00", "12:00", false},
      {"13:00-14:30", "13:00", true},  {"13:00-14:30", "14:29", true},  {"13:00-14:30", "14:30", false},
      {"13:00-14:30", "12:59", false}, {"00:00-00:00", "00:00", false}, {"08:00-08:00", "08:00", false},
      {"00:00-23:59", "23:58", true},  {"00:00-23:59", "23:59", false},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(ParseQuietHours(c.hours, &h));
    const int minute = MinuteOfDay(At((std::string("2026-12-08 ") + c.clock).c_str()));
    EXPECT_EQ(InsideQuietHours(h, minute), c.inside) << c.hours << " at " << c.clock;
  }
}

TEST(OptionalSettings, AbsentOrBadValuesMeanTheBehaviourOfBefore) {
  const OptionalSettings none = Read("time=30\r\nhollow=off\r\nstartup=0\r\n");
  EXPECT_FALSE(none.hasPause);
  EXPECT_FALSE(none.hasQuiet);
  EXPECT_TRUE(none.waitWhileFullScreen);
  EXPECT_FALSE(none.randomTiming);
  EXPECT_FALSE(none.varyChecks);

  const OptionalSettings bad =
      Read("pause=tomorrow\r\nquiet=23-7\r\nfullscreen=SHOW\r\ntiming=Random\r\nchecks=yes\r\n");
  EXPECT_FALSE(bad.hasPause);
  EXPECT_FALSE(bad.hasQuiet);
  EXPECT_TRUE(bad.waitWhileFullScreen);
  EXPECT_FALSE(bad.randomTiming);
  EXPECT_FALSE(bad.varyChecks);

  const OptionalSettings fresh = Read("timing=random\r\nchecks=vary\r\n");
  EXPECT_TRUE(fresh.randomTiming);
  EXPECT_TRUE(fresh.varyChecks);
  const OptionalSettings plain = Read("timing=fixed\r\nchecks=hand\r\n");
  EXPECT_FALSE(plain.randomTiming);
  EXPECT_FALSE(plain.varyChecks);

  // Keys match ignoring case, as every key of the file does; values do not.
  const OptionalSettings good = Read("time=30\r\nPAUSE=2026-12-08 23:30\r\nquiet=22:15-06:45\r\nfullscreen=show\r\n");
  EXPECT_TRUE(good.hasPause);
  EXPECT_EQ(good.pauseUntil, At("2026-12-08 23:30"));
  EXPECT_TRUE(good.hasQuiet);
  EXPECT_EQ(FormatQuietHours(good.quiet), "22:15-06:45");
  EXPECT_FALSE(good.waitWhileFullScreen);
}

TEST(ConfigStore, RemoveTakesEveryMatchAndKeepsTheRest) {
  ConfigStore store("config.txt", '=');
  ParseConfig(store, "time=30\r\nquiet=23:00-07:00\r\nhollow=on\r\nQUIET=x\r\n");
  store.Remove("quiet");
  EXPECT_EQ(SerializeConfig(store), "time=30\r\nhollow=on\r\n");
  store.Remove("absent");
  EXPECT_EQ(SerializeConfig(store), "time=30\r\nhollow=on\r\n");
}

TEST(ReminderGate, PauseAndQuietHoursOnATableOfTimes) {
  OptionalSettings s;
  s.hasPause = true;
  s.pauseUntil = At("2026-12-09 07:00");
  s.hasQuiet = true;
  ASSERT_TRUE(ParseQuietHours("12:00-13:00", &s.quiet));
  struct Case {
    const char* now;
    bool paused, silenced;
  };
  const Case cases[] = {
      {"2026-12-08 22:00", true, true},   {"2026-12-09 06:59", true, true},
      {"2026-12-09 07:00", false, false},  // a pause ends at its minute
      {"2026-12-09 11:59", false, false}, {"2026-12-09 12:00", false, true},
      {"2026-12-09 12:59", false, true},  {"2026-12-09 13:00", false, false},
      {"2026-12-10 12:30", false, true},  {"2025-01-01 00:00", true, true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsPaused(s, At(c.now)), c.paused) << c.now;
    EXPECT_EQ(IsSilenced(s, At(c.now)), c.silenced) << c.now;
  }
}

TEST(ReminderGate, DropsWhileSilencedHoldsWhileBusyOrAwayAndShowsOneAfterwards) {
  OptionalSettings s;
  ReminderGate gate;
  ReminderFacts f;
  f.now = At("2026-12-08 10:00");

  EXPECT_EQ(OnReminderDue(gate, s, f), ReminderAction::Show);
  EXPECT_FALSE(gate.held);

  // Full-screen: held, and shown once that is over.
  f.doNotDisturb = true;
  EXPECT_EQ(OnReminderDue(gate, s, f), ReminderAction::Hold);
  EXPECT_EQ(OnReminderDue(gate, s, f), ReminderAction::Hold);  // still just one held
  EXPECT_EQ(OnHeldCheck(gate, s, f), ReminderAction::Hold);
  f.doNotDisturb = false;
  EXPECT_EQ(OnHeldCheck(gate, s, f), ReminderAction::Show);
  EXPECT_EQ(OnHeldCheck(gate, s, f), ReminderAction::Drop);  // nothing held any more

  // fullscreen=show: full-screen does not hold, being away still does.
  s.waitWhileFullScreen = false;
  f.doNotDisturb = true;
  EXPECT_EQ(OnReminderDue(gate, s, f), ReminderAction::Show);
  f.idleMs = kAwayAfterMs;
  EXPECT_EQ(OnReminderDue(gate, s, f), ReminderAction::Hold);
  f.idleMs = kAwayAfterMs + 60000;
  EXPECT_EQ(OnHeldCheck(gate, s, f), ReminderAction::Hold);
  f.idleMs = 200;  // the first input
  EXPECT_EQ(OnHeldCheck(gate, s, f), ReminderAction::Show);
  f.idleMs = kAwayAfterMs - 1;
  EXPECT_EQ(OnReminderDue(gate, s, f), ReminderAction::Show);

  // A held reminder is dropped when quiet hours begin before it can show.
  s.waitWhileFullScreen = true;
  f.idleMs = kAwayAfterMs;
  EXPECT_EQ(OnReminderDue(gate, s, f), ReminderAction::Hold);
  s.hasQuiet = true;
  ASSERT_TRUE(ParseQuietHours("10:01-11:00", &s.quiet));
  f.now += 1;
  f.idleMs = 0;
  EXPECT_EQ(OnHeldCheck(gate, s, f), ReminderAction::Drop);
  EXPECT_FALSE(gate.held);
  // And a silenced reminder is neither shown nor kept, whatever else holds.
  f.doNotDisturb = true;
  EXPECT_EQ(OnReminderDue(gate, s, f), ReminderAction::Drop);
  EXPECT_FALSE(gate.held);

  // A shorter threshold for being away, as the test hook sets it.
  ReminderGate quick;
  quick.awayAfterMs = 3000;
  OptionalSettings plain;
  f.doNotDisturb = false;
  f.idleMs = 3000;
  EXPECT_EQ(OnReminderDue(quick, plain, f), ReminderAction::Hold);
}

TEST(ReminderGate, PauseEndsAndTheTexts) {
  const LocalMinute now = At("2026-12-31 23:45");
  EXPECT_EQ(FormatDateTime(PauseEnd(PauseChoice::Minutes30, now)), "2027-01-01 00:15");
  EXPECT_EQ(FormatDateTime(PauseEnd(PauseChoice::Hour1, now)), "2027-01-01 00:45");
  EXPECT_EQ(FormatDateTime(PauseEnd(PauseChoice::Hours3, now)), "2027-01-01 02:45");
  EXPECT_EQ(FormatDateTime(PauseEnd(PauseChoice::Tomorrow, now)), "2027-01-01 07:00");
  // After midnight "Until Tomorrow" means the coming morning, the same date.
  EXPECT_EQ(FormatDateTime(PauseEnd(PauseChoice::Tomorrow, At("2024-02-28 00:30"))), "2024-02-28 07:00");
  EXPECT_EQ(FormatDateTime(PauseEnd(PauseChoice::Tomorrow, At("2024-02-28 06:59"))), "2024-02-28 07:00");
  EXPECT_EQ(FormatDateTime(PauseEnd(PauseChoice::Tomorrow, At("2024-02-28 07:00"))), "2024-02-29 07:00");

  OptionalSettings s;
  EXPECT_EQ(TrayTipText(s, now), "Somnivex");
  EXPECT_EQ(QuietHoursItemText(s), "Quiet Hours 23:00 - 07:00");
  s.hasPause = true;
  s.pauseUntil = At("2026-12-31 23:50");
  EXPECT_EQ(TrayTipText(s, now), "Somnivex - paused until 23:50");
  s.pauseUntil = At("2027-01-01 07:00");
  EXPECT_EQ(TrayTipText(s, now), "Somnivex - paused until Fri 07:00");
  s.pauseUntil = At("2027-01-06 09:05");
  EXPECT_EQ(TrayTipText(s, now), "Somnivex - paused until Wed 09:05");
  s.pauseUntil = At("2027-01-07 09:05");
  EXPECT_EQ(TrayTipText(s, now), "Somnivex - paused until 2027-01-07 09:05");
  s.pauseUntil = At("2027-01-01 07:00");
  EXPECT_EQ(TrayTipText(s, At("2027-01-01 00:30")), "Somnivex - paused until 07:00");
  s.pauseUntil = now;  // over
  EXPECT_EQ(TrayTipText(s, now), "Somnivex");
  s.hasQuiet = true;
  ASSERT_TRUE(ParseQuietHours("22:30-06:15", &s.quiet));
  EXPECT_EQ(QuietHoursItemText(s), "Quiet Hours 22:30 - 06:15");
}

}  // namespace
