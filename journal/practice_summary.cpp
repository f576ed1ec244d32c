#include "journal/practice_summary.h"

#include <algorithm>
#include <cstddef>
#include <iterator>

#include "settings/translation.h"

namespace {

// One morning answer, with what decides which answer of a morning counts.
struct Answer {
  std::int64_t night = 0;  // the day before the morning it was given on
  LocalMinute minute = 0;
  int second = 0;
  std::size_t order = 0;  // position in the record: the later of two equal times wins
  NightAnswer answer = NightAnswer::Unanswered;
};

bool AnsweredEarlier(const Answer& a, const Answer& b) {
  if (a.night != b.night) return a.night < b.night;
  if (a.minute != b.minute) return a.minute < b.minute;
  if (a.second != b.second) return a.second < b.second;
  return a.order < b.order;
}

struct DayCount {
  std::int64_t day;
  int count;
};

NightAnswer AnswerOf(PracticeEvent event) {
  switch (event) {
    case PracticeEvent::Lucid: return NightAnswer::Lucid;
    case PracticeEvent::Dream: return NightAnswer::Dream;
    case PracticeEvent::None: return NightAnswer::None;
    default: return NightAnswer::Unanswered;
  }
}

// The checks of each day that has any, ordered by day.
std::vector<DayCount> CountChecksByDay(const std::vector<PracticeEntry>& entries) {
  std::vector<std::int64_t> days;
  for (const PracticeEntry& e : entries) {
    if (e.event == PracticeEvent::Checked) days.push_back(DayOf(e.minute));
  }
  std::sort(days.begin(), days.end());
  std::vector<DayCount> counts;
  for (std::int64_t day : days) {
    if (counts.empty() || counts.back().day != day) counts.push_back({day, 0});
    ++counts.back().count;
  }
  return counts;
}

int ChecksOn(const std::vector<DayCount>& counts, std::int64_t day) {
  const auto it = std::lower_bound(counts.begin(), counts.end(), day,
                                   [](const DayCount& c, std::int64_t d) { return c.day < d; });
  return it != counts.end() && it->day == day ? it->count : 0;
}

// The night of every answered morning with the latest answer of that
// morning, ordered by night.
std::vector<Answer> LatestAnswers(const std::vector<PracticeEntry>& entries) {
  std::vector<Answer> answers;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const NightAnswer answer = AnswerOf(entries[i].event);
    if (answer == NightAnswer::Unanswered) continue;
    answers.push_back({DayOf(entries[i].minute) - 1, entries[i].minute, entries[i].second, i, answer});
  }
  std::sort(answers.begin(), answers.end(), AnsweredEarlier);
  std::vector<Answer> latest;
  for (const Answer& a : answers) {
    if (!latest.empty() && latest.back().night == a.night) {
      latest.back() = a;
    } else {
      latest.push_back(a);
    }
  }
  return latest;
}

// Days in a row with a check, ending today, or yesterday while today has
// none yet. Checks dated after today (a clock set back) do not count.
int StreakEndingAt(const std::vector<DayCount>& counts, std::int64_t today) {
  auto it = std::upper_bound(counts.begin(), counts.end(), today,
                             [](std::int64_t d, const DayCount& c) { return d < c.day; });
  if (it == counts.begin()) return 0;
  --it;
  if (it->day < today - 1) return 0;
  int streak = 1;
  while (it != counts.begin() && std::prev(it)->day == it->day - 1) {
    --it;
    ++streak;
  }
  return streak;
}

PracticeLink LinkChecksAndNights(const std::vector<DayCount>& counts, const std::vector<Answer>& nights) {
  PracticeLink link;
  link.answeredMornings = static_cast<int>(nights.size());
  std::vector<int> checks;
  checks.reserve(nights.size());
  for (const Answer& night : nights) checks.push_back(ChecksOn(counts, night.night));
  // The median; of an even number of days the higher middle value.
  int threshold = 0;
  if (!checks.empty()) {
    std::vector<int> sorted = checks;
    const auto middle = sorted.begin() + static_cast<std::ptrdiff_t>(sorted.size() / 2);
    std::nth_element(sorted.begin(), middle, sorted.end());
    threshold = *middle;
  }
  link.threshold = std::max(threshold, 1);
  for (std::size_t i = 0; i < nights.size(); ++i) {
    const int lucid = nights[i].answer == NightAnswer::Lucid ? 1 : 0;
    if (checks[i] >= link.threshold) {
      ++link.daysMany;
      link.lucidAfterMany += lucid;
    } else {
      ++link.daysFew;
      link.lucidAfterFew += lucid;
    }
  }
  return link;
}

}  // namespace

PracticeSummary SummarisePractice(const std::vector<PracticeEntry>& entries, std::int64_t today) {
  PracticeSummary summary;
  const std::int64_t first = today - (kPracticeDays - 1);
  for (int i = 0; i < kPracticeDays; ++i) summary.days[i].day = first + i;
  for (const PracticeEntry& e : entries) {
    if (e.event != PracticeEvent::Checked && e.event != PracticeEvent::Dismissed) continue;
    const std::int64_t day = DayOf(e.minute);
    if (day < first || day > today) continue;
    PracticeDay& d = summary.days[day - first];
    if (e.event == PracticeEvent::Checked) {
      ++d.checked;
    } else {
      ++d.dismissed;
    }
  }

  const std::vector<DayCount> counts = CountChecksByDay(entries);
  const std::vector<Answer> nights = LatestAnswers(entries);
  auto night = std::lower_bound(nights.begin(), nights.end(), first,
                                [](const Answer& a, std::int64_t d) { return a.night < d; });
  for (; night != nights.end() && night->night <= today; ++night) summary.days[night->night - first].night = night->answer;

  summary.streak = StreakEndingAt(counts, today);
  summary.link = LinkChecksAndNights(counts, nights);
  return summary;
}

std::int64_t LatestAnswerDay(const std::vector<PracticeEntry>& entries) {
  std::int64_t latest = -1;
  for (const PracticeEntry& e : entries) {
    if (AnswerOf(e.event) != NightAnswer::Unanswered && DayOf(e.minute) > latest) latest = DayOf(e.minute);
  }
  return latest;
}

std::string PracticeLinkLine(const PracticeLink& link) {
  if (link.answeredMornings < kLinkMinimumMornings) {
    // Translators: the line at the foot of My Practice until the morning
    // question was answered on seven mornings; one or two lines of about 430
    // pixels at 100 % (set smaller, then wrapped, then cut to fit).
    return Tr("Answer the morning question for a week to see how your checks and your dreams go together.");
  }
  // Translators: the line at the foot of My Practice, one or two lines of
  // about 430 pixels at 100 %: of the nights after days with {count} or more
  // reality checks done, {lucid_many} of {days_many} were lucid; of the
  // nights after days with fewer checks, {lucid_few} of {days_few}. The
  // English text is the same for one check and for many.
  const char* line = TrN("Lucid nights after days with {count} or more checks: {lucid_many} of {days_many}; "
                         "after fewer: {lucid_few} of {days_few}",
                         "Lucid nights after days with {count} or more checks: {lucid_many} of {days_many}; "
                         "after fewer: {lucid_few} of {days_few}",
                         static_cast<unsigned long>(link.threshold));
  return FillText(line, {{"count", std::to_string(link.threshold)},
                         {"lucid_many", std::to_string(link.lucidAfterMany)},
                         {"days_many", std::to_string(link.daysMany)},
                         {"lucid_few", std::to_string(link.lucidAfterFew)},
                         {"days_few", std::to_string(link.daysFew)}});
}
