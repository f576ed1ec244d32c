#include "reminders/reminder_gate.h"

#include "settings/translation.h"

namespace {

// The context of the short weekday names (NC_ below).
constexpr char kWeekdayContext[] = "weekday";

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
  // The program's name alone is the same in every language.
  if (!IsPaused(settings, now)) return "Somnivex";
  const std::int64_t days = DayOf(settings.pauseUntil) - DayOf(now);
  const std::string clock = FormatClock(MinuteOfDay(settings.pauseUntil));
  if (days == 0) {
    // Translators: the tray icon's tip while the reminders are paused until
    // a time of today ({time} is "23:50"). At most 127 characters.
    return FillText(Tr("Somnivex - paused until {time}"), {{"time", clock}});
  }
  // Within the coming week the weekday is enough ("Thu 07:00"); a pause set
  // by hand further ahead names its date.
  static const char* const kWeekdays[] = {
      // Translators: a short weekday name in the tray icon's tip ("paused
      // until Thu 07:00"); two to four letters.
      NC_("weekday", "Thu"),
      // Translators: a short weekday name in the tray icon's tip.
      NC_("weekday", "Fri"),
      // Translators: a short weekday name in the tray icon's tip.
      NC_("weekday", "Sat"),
      // Translators: a short weekday name in the tray icon's tip.
      NC_("weekday", "Sun"),
      // Translators: a short weekday name in the tray icon's tip.
      NC_("weekday", "Mon"),
      // Translators: a short weekday name in the tray icon's tip.
      NC_("weekday", "Tue"),
      // Translators: a short weekday name in the tray icon's tip.
      NC_("weekday", "Wed"),
  };  // 1970-01-01 was a Thursday
  if (days > 0 && days < 7) {
    const std::int64_t day = DayOf(settings.pauseUntil);
    const char* weekday = TrC(kWeekdayContext, kWeekdays[((day % 7) + 7) % 7]);
    // Translators: the tray icon's tip while the reminders are paused until
    // a day of the coming week ({weekday} is a short weekday name, {time}
    // "07:00"). At most 127 characters.
    return FillText(Tr("Somnivex - paused until {weekday} {time}"), {{"weekday", weekday}, {"time", clock}});
  }
  // Translators: the tray icon's tip while the reminders are paused until a
  // day more than a week ahead ({date} is "2027-01-07 09:05"). At most 127
  // characters.
  return FillText(Tr("Somnivex - paused until {date}"), {{"date", FormatDateTime(settings.pauseUntil)}});
}

std::string QuietHoursItemText(const OptionalSettings& settings) {
  const QuietHours& h = settings.hasQuiet ? settings.quiet : kMenuQuietHours;
  // Translators: an item of the tray menu's Options submenu that sets quiet
  // hours ({start} and {end} are times such as "23:00"). About 40
  // characters at most.
  return FillText(Tr("Quiet Hours {start} - {end}"), {{"start", FormatClock(h.start)}, {"end", FormatClock(h.end)}});
}
