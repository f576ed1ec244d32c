#include "reminders/reminder_period.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(ReminderPeriod, StoredMinutesAreUsed) {
  EXPECT_EQ(ReminderPeriodMs(10), 600000u);
  EXPECT_EQ(ReminderPeriodMs(45), 2700000u);
  EXPECT_EQ(ReminderPeriodMs(90), 5400000u);
  EXPECT_EQ(ReminderPeriodMs(1), 60000u);
  EXPECT_EQ(ReminderPeriodMs(35791), 35791u * 60000u);  // the largest that fits a signed 32-bit period
}

TEST(ReminderPeriod, UnusableValuesFallBackToThirtyMinutes) {
  for (int minutes : {-1, 0, -30, INT_MIN, 35792, INT_MAX}) {
    EXPECT_EQ(ReminderPeriodMs(minutes), 1800000u) << minutes;
  }
}

}  // namespace
