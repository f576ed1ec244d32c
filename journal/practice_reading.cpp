#include "journal/practice_reading.h"

#include "settings/translation.h"

namespace {

constexpr int kDaysPerWeek = 7;

// A counted text with its number filled in.
std::string Counted(const char* text, int n) { return FillText(text, {{"count", std::to_string(n)}}); }

unsigned long Plural(int n) { return static_cast<unsigned long>(n < 0 ? 0 : n); }

// One week of the chart: the days from `first` on, the last of them today
// for the newest week.
std::string WeekLine(const PracticeSummary& summary, int first, PracticeDayLabel dayLabel) {
  int checked = 0, dismissed = 0, lucid = 0, dreams = 0;
  for (int i = first; i < first + kDaysPerWeek; ++i) {
    const PracticeDay& d = summary.days[i];
    checked += d.checked;
    dismissed += d.dismissed;
    lucid += d.night == NightAnswer::Lucid ? 1 : 0;
    dreams += d.night == NightAnswer::Dream ? 1 : 0;
  }
  const int last = first + kDaysPerWeek - 1;
  // Translators: the last day of the chart in My Practice, as it is
  // written under it.
  const std::string end = last == kPracticeDays - 1 ? TrC("practice chart", "today") : dayLabel(summary.days[last].day);
  // Translators: one week of My Practice's chart as a screen reader reads
  // it. {first} and {last} are days as the chart writes them ("3 Mar",
  // "today"); the others are the counts that follow here.
  const char* line = TrC("screen reader", "{first} to {last}: {checks}, {dismissed}, {lucid}, {dreams}.");
  // Translators: in a week of My Practice read by a screen reader: the
  // reality checks done.
  const char* checks = TrN("{count} check done", "{count} checks done", Plural(checked));
  // Translators: in a week of My Practice read by a screen reader: the
  // reality checks dismissed without doing them.
  const char* skipped = TrN("{count} dismissed", "{count} dismissed", Plural(dismissed));
  // Translators: in a week of My Practice read by a screen reader: the
  // nights followed by "A lucid dream" in the morning question.
  const char* lucidNights = TrN("{count} lucid night", "{count} lucid nights", Plural(lucid));
  // Translators: in a week of My Practice read by a screen reader: the
  // nights followed by "A dream" in the morning question.
  const char* dreamNights = TrN("{count} dream", "{count} dreams", Plural(dreams));
  return FillText(line, {{"first", dayLabel(summary.days[first].day)},
                         {"last", end},
                         {"checks", Counted(checks, checked)},
                         {"dismissed", Counted(skipped, dismissed)},
                         {"lucid", Counted(lucidNights, lucid)},
                         {"dreams", Counted(dreamNights, dreams)}});
}

}  // namespace

std::vector<std::string> PracticeReading(const PracticeSummary& summary, PracticeDayLabel dayLabel) {
  std::vector<std::string> lines;
  // Translators: My Practice's streak as a screen reader reads it (the
  // window shows the number large, then "days in a row" and "with a check
  // done").
  const char* streak = TrN("{count} day in a row with a check done", "{count} days in a row with a check done",
                           Plural(summary.streak));
  lines.push_back(Counted(streak, summary.streak));
  lines.push_back(PracticeLinkLine(summary.link));
  for (int first = 0; first + kDaysPerWeek <= kPracticeDays; first += kDaysPerWeek) {
    lines.push_back(WeekLine(summary, first, dayLabel));
  }
  return lines;
}
