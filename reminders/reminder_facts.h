// The Win32 half of the reminder gate: what the system says at this moment
// about the time, the user's attention and the last input.
#pragma once

#include "reminders/reminder_gate.h"

// The local date and time, to the minute.
LocalMinute LocalNow();
ReminderFacts GatherReminderFacts();
