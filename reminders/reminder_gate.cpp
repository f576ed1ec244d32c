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
  return (DayOf(now) + 1) * kMinutesPerDay + kTomorrowMinute;
}

std::string TrayTipText(const OptionalSettings& settings, LocalMinute now) {
  if (!IsPaused(settings, now)) return "Somnivex";
  const std::int64_t days = DayOf(settings.pauseUntil) - DayOf(now);
  const std::string clock = FormatClock(MinuteOfDay(settings.pauseUntil));
  if (days == 0) return "Somnivex - paused until " + clock;
  if (days == 1) return "Somnivex - paused until tomorrow " + clock;
  // A pause set by hand further ahead names its date.
  return "Somnivex - paused until " + FormatDateTime(settings.pauseUntil);
}

std::string QuietHoursItemText(const OptionalSettings& settings) {
  const QuietHours& h = settings.hasQuiet ? settings.quiet : kMenuQuietHours;
  return "Quiet Hours " + FormatClock(h.start) + " - " + FormatClock(h.end);
}
