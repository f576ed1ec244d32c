// "My Practice" read as text: the streak, the line about lucid nights and
// one line per week of the chart with its sums.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "journal/practice_reading.h"

namespace {

std::string Label(std::int64_t day) { return "day " + std::to_string(day); }

TEST(PracticeReading, StreakLinkLineThenEachWeekOldestFirst) {
  PracticeSummary summary;
  for (int i = 0; i < kPracticeDays; ++i) summary.days[i].day = 100 + i;
  // The first week: one day of each kind of night, checks and dismissals
  // on both ends of it; the last week a single check today.
  summary.days[0] = {100, 2, 1, NightAnswer::Lucid};
  summary.days[3] = {103, 0, 0, NightAnswer::Dream};
  summary.days[5] = {105, 0, 0, NightAnswer::None};
  summary.days[6] = {106, 3, 4, NightAnswer::Lucid};
  summary.days[7] = {107, 0, 0, NightAnswer::Unanswered};
  summary.days[27] = {127, 1, 0, NightAnswer::Unanswered};
  summary.streak = 1;
  EXPECT_EQ(PracticeReading(summary, Label),
            (std::vector<std::string>{
                "1 day in a row with a check done",
                "Answer the morning question for a week to see how your checks and your dreams go together.",
                "day 100 to day 106: 5 checks done, 5 dismissed, 2 lucid nights, 1 dream.",
                "day 107 to day 113: 0 checks done, 0 dismissed, 0 lucid nights, 0 dreams.",
                "day 114 to day 120: 0 checks done, 0 dismissed, 0 lucid nights, 0 dreams.",
                "day 121 to today: 1 check done, 0 dismissed, 0 lucid nights, 0 dreams.",
            }));

  summary.streak = 12;
  summary.link = {9, 3, 2, 4, 1, 5};
  const std::vector<std::string> lines = PracticeReading(summary, Label);
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[0], "12 days in a row with a check done");
  EXPECT_EQ(lines[1], PracticeLinkLine(summary.link));
}

}  // namespace
