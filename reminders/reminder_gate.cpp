#include "reminders/reminder_gate.h"

namespace {

bool MustWait(const ReminderGate& gate, const OptionalSettings& settings, const ReminderFacts& facts) {
  return (settings.waitWhileFullScreen && facts.doNotDisturb) || facts.idleMs >= gate.awayAfterMs;
}

}  // namespace

bool IsPaused(const OptionalSettings& settings, LocalMinute now) {
  return settings.hasPause && now < settings.pauseUntil;
}

bool IsSilenced(const OptionalSettings& settings, LocalMinute now) {
  return IsPaused(settings, now) || (settings.hasQuiet && InsideQuietHours(settings.quiet, MinuteOfDay(now)));
}

ReminderAction OnReminderDue(ReminderGate& gate, const OptionalSettings& settings, const ReminderFacts& facts) {
  if (IsSilenced(settings, facts.now)) {
    gate.held = false;
    return ReminderAction::Drop;
  }
  if (MustWait(gate, settings, facts)) {
    // A second reminder while one is held adds nothing: one is shown.
    gate.held = true;
    return ReminderAction::Hold;
  }
  gate.held = false;
  return ReminderAction::Show;
}

ReminderAction OnHeldCheck(ReminderGate& gate, const OptionalSettings& settings, const ReminderFacts& facts) {
  if (!gate.held) return ReminderAction::Drop;
  if (IsSilenced(settings, facts.now)) {
    gate.held = false;
    return ReminderAction::Drop;
  }
  if (MustWait(gate, settings, facts)) return ReminderAction::Hold;
  gate.held = false;
  return ReminderAction::Show;
}

LocalMinute PauseEnd(PauseChoice choice, LocalMinute now) {
  switch (choice) {
    case PauseChoice::Minutes30: return now + 30;
    case PauseChoice::Hour1: return now + 60;
    case PauseChoice::Hours3: return now + 180;
    case PauseChoice::Tomorrow: break;
  }
  // The coming morning: chosen after midnight but before 07:00, that is
  // today's 07:00, not the next day's.
  const std::int64_t day = MinuteOfDay(now) < kTomorrowMinute ? DayOf(now) : DayOf(now) + 1;
  return day * kMinutesPerDay + kTomorrowMinute;
}

std::string TrayTipText(const OptionalSettings& settings, LocalMinute now) {
  if (!IsPaused(settings, now)) return "Somnivex";
  const std::int64_t days = DayOf(settings.pauseUntil) - DayOf(now);
  const std::string clock = FormatClock(MinuteOfDay(settings.pauseUntil));
  if (days == 0) return "Somnivex - paused until " + clock;
  // Within the coming week the weekday is enough ("Thu 07:00"); a pause set
  // by hand further ahead names its date.
  static const char* const kWeekdays[] = {"Thu", "Fri", "Sat", "Sun", "Mon", "Tue", "Wed"};  // 1970-01-01 was a Thursday
  if (days > 0 && days < 7) {
    const std::int64_t day = DayOf(settings.pauseUntil);
    return std::string("Somnivex - paused until ") + kWeekdays[((day % 7) + 7) % 7] + " " + clock;
  }
  return "Somnivex - paused until " + FormatDateTime(settings.pauseUntil);
}

std::string QuietHoursItemText(const OptionalSettings& settings) {
  const QuietHours& h = settings.hasQuiet ? settings.quiet : kMenuQuietHours;
  return "Quiet Hours " + FormatClock(h.start) + " - " + FormatClock(h.end);
}
