#include "reminders/reminder_period.h"

std::uint32_t ReminderPeriodMs(int minutes) {
  constexpr int kMaxMinutes = 0x7FFFFFFF / 60000;
  if (minutes <= 0 || minutes > kMaxMinutes) minutes = kDefaultReminderMinutes;
  return static_cast<std::uint32_t>(minutes) * 60000u;
}
