// Period of the reality-check reminder timer. No windows.h.
#pragma once

#include <cstdint>

inline constexpr int kDefaultReminderMinutes = 30;

// Milliseconds for a stored interval of `minutes`. A value that is missing
// (-1), zero, negative or so large that the milliseconds overflow a 32-bit
// signed period falls back to 30 minutes, so the timer neither fires
// continuously nor never.
std::uint32_t ReminderPeriodMs(int minutes);
