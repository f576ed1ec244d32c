// Whether a reality check that falls due may be shown now: not while the
// reminders are paused or inside quiet hours (it is dropped), and not while
// the user must not be disturbed or is away from the PC (it is held, at most
// one, and shown once that is over). No windows.h: the Win32 half gathers
// the facts and acts on the answers.
#pragma once

#include <string>

#include "settings/settings_keys.h"

// No keyboard or mouse input for this long counts as away.
inline constexpr unsigned kAwayAfterMs = 5 * 60 * 1000;
// How often a held reminder looks whether it may be shown.
inline constexpr unsigned kHeldCheckMs = 5000;
// "Until Tomorrow" pauses until this time of the coming morning (today's
// when chosen before it).
inline constexpr int kTomorrowMinute = 7 * 60;
// The quiet hours that the menu item sets: 23:00 to 07:00.
inline constexpr QuietHours kMenuQuietHours = {23 * 60, 7 * 60};

// What the Win32 half sees at the moment it asks.
struct ReminderFacts {
  LocalMinute now = 0;
  // Windows asks programs not to disturb (busy, full-screen Direct3D,
  // presentation mode, quiet time), or another program's foreground window
  // covers its whole monitor.
  bool doNotDisturb = false;
  // Milliseconds since the last keyboard or mouse input.
  unsigned idleMs = 0;
};

enum class ReminderAction {
  Show,  // show the reality check now
  Drop,  // do nothing; the schedule goes on
  Hold,  // keep it and ask again every kHeldCheckMs
};

struct ReminderGate {
  bool held = false;
  unsigned awayAfterMs = kAwayAfterMs;
};

bool IsPaused(const OptionalSettings& settings, LocalMinute now);
// Paused or inside quiet hours: reminders are dropped and hollow rests.
bool IsSilenced(const OptionalSettings& settings, LocalMinute now);

// A reminder tick fell due.
ReminderAction OnReminderDue(ReminderGate& gate, const OptionalSettings& settings, const ReminderFacts& facts);
// The periodic look of a held reminder: Show once the user is back and may
// be disturbed, Drop when a pause or quiet hours began meanwhile, Hold
// otherwise. Without a held reminder: Drop.
ReminderAction OnHeldCheck(ReminderGate& gate, const OptionalSettings& settings, const ReminderFacts& facts);

enum class PauseChoice { Minutes30, Hour1, Hours3, Tomorrow };
// The end of a pause chosen at `now`.
LocalMinute PauseEnd(PauseChoice choice, LocalMinute now);

// The tray icon's tip: "Somnivex", or while paused "Somnivex - paused until
// HH:MM", with the weekday when the end is not today ("until Thu 07:00")
// and the date when it is a week or more ahead.
std::string TrayTipText(const OptionalSettings& settings, LocalMinute now);
// The text of the quiet-hours menu item: the hours set, or the hours the
// item would set.
std::string QuietHoursItemText(const OptionalSettings& settings);
