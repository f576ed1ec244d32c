// The practice record: reading a damaged file, appending after a torn line,
// and what the practice picture sums up from the record.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "journal/practice_record.h"
#include "journal/practice_summary.h"
#include "tests/settings/config_round_trip.h"
#include "tests/settings/host_scratch.h"

namespace {

std::int64_t Day(const std::string& date) {
  LocalMinute minute = 0;
  EXPECT_TRUE(ParseDateTime(date + " 00:00", &minute)) << date;
  return DayOf(minute);
}

std::string Formatted(const PracticeEntry& entry) {
  return FormatPracticeLine({ToCivil(entry.minute), entry.second}, entry.event);
}

std::vector<PracticeEntry> Record(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return ReadPracticeText(text.data(), text.size());
}

PracticeEntry At(std::int64_t day, int minuteOfDay, PracticeEvent event) {
  return {day * kMinutesPerDay + minuteOfDay, 0, event};
}

TEST(PracticeRecord, ReadsEveryWholeLineInFileOrderAndSkipsTheRest) {
  const struct {
    std::string line;
    bool reads;
  } kLines[] = {
      {"2026-03-02 08:15:30,checked", true},
      {"2026-03-01 23:59:59,dismissed", true},  // out of order: kept where it stands
      {"2024-02-29 00:00:00,lucid", true},
      {"2026-03-02 07:00:00,none", true},
      {"2026-03-02 07:00:01,dream", true},
      {"2026-03-02 09:00:00,shown", true},
      {"", false},
      {"garbage", false},
      {"2026-02-30 10:00:00,checked", false},
      {"2026-02-29 10:00:00,checked", false},
      {"0000-01-01 10:00:00,checked", false},
      {"2026-13-01 10:00:00,checked", false},
      {"2026-03-01 24:00:00,checked", false},
      {"2026-03-01 10:60:00,checked", false},
      {"2026-03-01 10:00:60,checked", false},
      {"2026-03-01 1a:00:00,checked", false},
      {"2026-3-01 10:00:00,checked", false},
      {"2026-03-01T10:00:00,checked", false},
      {"2026-03-01 10:00:00,Checked", false},
      {"2026-03-01 10:00:00,check", false},
      {"2026-03-01 10:00:00,checked,extra", false},
      {"2026-03-01 10:00:00,checked ", false},
      {"2026-03-01 10:00:00,", false},
      {"2026-03-01 10:00:00,checked\r\r", false},  // CRs beyond one before the LF
      {std::string("2026-03-01 10:00:00,che\0ked", 27), false},
      {std::string("2026-03-01 10:00:00,checked\0", 28), false},
  };
  std::string text;
  std::vector<std::string> expected;
  for (std::size_t i = 0; i < sizeof kLines / sizeof kLines[0]; ++i) {
    // Both line ends appear, in turn.
    text += kLines[i].line + (i % 2 == 0 ? "\r\n" : "\n");
    if (kLines[i].reads) expected.push_back(kLines[i].line + "\r\n");
  }
  text += "2026-03-03 10:00:00,checked";  // torn: no line end yet

  std::vector<std::string> read;
  for (const PracticeEntry& entry : ReadPracticeText(text.data(), text.size())) read.push_back(Formatted(entry));
  EXPECT_EQ(read, expected);
}

TEST(PracticeRecord, AppendAfterATornLineStartsANewLineAndEveryWholeLineReadsBack) {
  const std::string folder = HostScratchFolder("PracticeAppend");
  const std::string path = folder + kPracticeFileName;
  EXPECT_TRUE(ReadPracticeFile(path).empty());

  // A new file starts without an empty line.
  const PracticeTime first{{2026, 3, 1, 10, 0}, 5};
  ASSERT_TRUE(AppendPracticeEvent(path, first, PracticeEvent::Shown));
  EXPECT_EQ(ReadBytes(path), "2026-03-01 10:00:05,shown\r\n");

  // A power cut left part of a line, and zeros where the rest should be.
  const std::string torn = "2026-03-01 10:00:05,shown\r\n2026-03-01 10:0" + std::string(3, '\0');
  ASSERT_TRUE(WriteBytes(path, torn));
  const PracticeTime second{{2026, 3, 1, 10, 2}, 0};
  ASSERT_TRUE(AppendPracticeEvent(path, second, PracticeEvent::Checked));
  ASSERT_TRUE(AppendPracticeEvent(path, second, PracticeEvent::Lucid));
  EXPECT_EQ(ReadBytes(path), torn + "\r\n2026-03-01 10:02:00,checked\r\n2026-03-01 10:02:00,lucid\r\n");

  std::vector<std::string> read;
  for (const PracticeEntry& entry : ReadPracticeFile(path)) read.push_back(Formatted(entry));
  EXPECT_EQ(read, (std::vector<std::string>{"2026-03-01 10:00:05,shown\r\n", "2026-03-01 10:02:00,checked\r\n",
                                            "2026-03-01 10:02:00,lucid\r\n"}));

  // A time that could not be read back is refused, and so is a missing folder.
  EXPECT_FALSE(AppendPracticeEvent(path, {{2026, 2, 30, 10, 0}, 0}, PracticeEvent::Checked));
  EXPECT_FALSE(AppendPracticeEvent(path, {{2026, 3, 1, 10, 0}, 60}, PracticeEvent::Checked));
  EXPECT_FALSE(AppendPracticeEvent(folder + "missing/" + kPracticeFileName, first, PracticeEvent::Checked));
  EXPECT_EQ(ReadPracticeFile(path).size(), 3u);
}

TEST(PracticeSummary, CountsTheLast28DaysByLocalDateAcrossAMonthEndAndAClockChange) {
  const std::int64_t today = Day("2026-04-05");
  const std::vector<PracticeEntry> record = Record({
          "2026-03-08 23:59:59,checked",  // the day before the 28
          "2026-03-09 00:00:00,checked",  // the first of the 28
          "2026-03-29 01:59:59,checked",  // the clocks went forward at 02:00
          "2026-03-29 03:00:00,checked",
          "2026-03-29 03:00:00,dismissed",
          "2026-03-29 03:00:01,shown",
          "2026-03-31 23:59:59,dismissed",
          "2026-04-01 00:00:00,checked",
          "2026-04-05 23:59:59,checked",
          "2026-04-06 00:00:00,checked",  // tomorrow: a clock set back
          "2026-03-09 06:00:00,lucid",    // the night of 8 March, before the 28
          "2026-03-30 08:00:00,none",     // the latest answer of a morning counts,
          "2026-03-30 07:00:00,lucid",    //   whatever the order in the file
          "2026-04-01 06:00:00,lucid",    // the night of the month's last day
          "2026-04-01 06:30:00,dream",
          "2026-04-02 23:00:00,lucid",    // a late answer is still about the night before
      });
  const PracticeSummary summary = SummarisePractice(record, today);
  EXPECT_EQ(LatestAnswerDay(record), Day("2026-04-02"));  // the morning question's "answered today"

  std::vector<std::string> days;
  for (const PracticeDay& d : summary.days) {
    if (d.checked == 0 && d.dismissed == 0 && d.night == NightAnswer::Unanswered) continue;
    days.push_back(FormatDateTime(d.day * kMinutesPerDay).substr(0, 10) + " " + std::to_string(d.checked) + "/" +
                   std::to_string(d.dismissed) + " night " + std::to_string(static_cast<int>(d.night)));
  }
  EXPECT_EQ(days, (std::vector<std::string>{
                      "2026-03-09 1/0 night 0",
                      "2026-03-29 2/1 night 1",  // None
                      "2026-03-31 0/1 night 2",  // Dream
                      "2026-04-01 1/0 night 3",  // Lucid
                      "2026-04-05 1/0 night 0",
                  }));
  EXPECT_EQ(summary.days[0].day, Day("2026-03-09"));
  EXPECT_EQ(summary.days[kPracticeDays - 1].day, today);
}

TEST(PracticeSummary, StreakEndsTodayOrYesterdayAndRunsPastTheFourWeeks) {
  const std::int64_t today = Day("2026-06-30");
  const struct {
    std::vector<int> daysAgo;  // days with a check
    int streak;
  } kCases[] = {
      {{}, 0},
      {{0}, 1},
      {{1, 2, 3}, 3},     // today has no check yet
      {{0, 1, 2, 4}, 3},  // a gap
      {{2, 3}, 0},        // neither today nor yesterday
      {{-1, 1}, 1},       // a check dated tomorrow does not count
  };
  for (const auto& c : kCases) {
    std::vector<PracticeEntry> entries;
    for (int ago : c.daysAgo) {
      entries.push_back(At(today - ago, 600, PracticeEvent::Checked));
      entries.push_back(At(today - ago, 601, PracticeEvent::Checked));
    }
    // Dismissals and reminders merely shown keep no streak alive.
    entries.push_back(At(today - 5, 700, PracticeEvent::Dismissed));
    entries.push_back(At(today - 5, 700, PracticeEvent::Shown));
    EXPECT_EQ(SummarisePractice(entries, today).streak, c.streak) << ::testing::PrintToString(c.daysAgo);
  }

  std::vector<PracticeEntry> season;
  for (int ago = 99; ago >= 1; --ago) season.push_back(At(today - ago, 720, PracticeEvent::Checked));
  EXPECT_EQ(SummarisePractice(season, today).streak, 99);
}

// Answered days spread over months, `checks[i]` checks on the i-th, each
// answered the next morning with `nights[i]` ('L' lucid, 'D' dream, 'N'
// none).
std::vector<PracticeEntry> AnsweredDays(const std::vector<int>& checks, const std::string& nights, std::int64_t today) {
  std::vector<PracticeEntry> entries;
  const PracticeEvent answers[] = {PracticeEvent::Lucid, PracticeEvent::Dream, PracticeEvent::None};
  for (std::size_t i = 0; i < checks.size(); ++i) {
    const std::int64_t day = today - 1 - 10 * static_cast<std::int64_t>(i);
    for (int k = 0; k < checks[i]; ++k) entries.push_back(At(day, 480 + k, PracticeEvent::Checked));
    entries.push_back(At(day + 1, 420, answers[std::string("LDN").find(nights[i])]));
  }
  // A day with many checks but no answer the next morning is left out.
  for (int k = 0; k < 50; ++k) entries.push_back(At(today - 3, 600 + k, PracticeEvent::Checked));
  return entries;
}

TEST(PracticeSummary, LinkLineWaitsForAWeekOfAnswersThenSplitsAtTheMedian) {
  const std::int64_t today = Day("2026-06-30");
  const PracticeLink six = SummarisePractice(AnsweredDays({5, 5, 5, 5, 5, 5}, "LLLLLL", today), today).link;
  EXPECT_EQ(six.answeredMornings, 6);
  EXPECT_EQ(PracticeLinkLine(six),
            "Answer the morning question for a week to see how your checks and your dreams go together.");

  const struct {
    std::vector<int> checks;
    std::string nights;
    const char* line;
  } kCases[] = {
      // Eight days: the higher of the two middle values (3 and 4) is N.
      {{0, 7, 1, 6, 2, 5, 3, 4}, "NLLDNLNL",
       "Lucid nights after days with 4 or more checks: 3 of 4; after fewer: 1 of 4"},
      // Seven days: the middle value.
      {{9, 1, 2, 2, 8, 2, 3}, "LNLNLDD", "Lucid nights after days with 2 or more checks: 3 of 6; after fewer: 0 of 1"},
      // A median of none is raised to one check.
      {{0, 0, 0, 0, 1, 0, 2}, "LLNNLDL", "Lucid nights after days with 1 or more checks: 2 of 2; after fewer: 2 of 5"},
  };
  for (const auto& c : kCases) {
    const PracticeLink link = SummarisePractice(AnsweredDays(c.checks, c.nights, today), today).link;
    EXPECT_EQ(link.answeredMornings, static_cast<int>(c.checks.size()));
    EXPECT_EQ(PracticeLinkLine(link), c.line);
  }
}

}  // namespace
