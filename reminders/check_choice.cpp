#include "reminders/check_choice.h"

std::uint32_t DrawReminderGapMs(std::uint32_t periodMs, CheckRandom& random) {
  constexpr std::uint64_t kLongest = 0x7FFFFFFF;
  const std::uint64_t period = periodMs == 0 ? 1 : periodMs;
  const std::uint64_t low = period / 2;
  std::uint64_t high = period + period / 2;
  if (high > kLongest) high = kLongest;
  std::uniform_int_distribution<std::uint64_t> gap(low < high ? low : high, high);
  const std::uint64_t ms = gap(random);
  return static_cast<std::uint32_t>(ms == 0 ? 1 : ms);
}

CheckKind ChooseNextCheck(int previous, CheckRandom& random) {
  const bool hasPrevious = previous >= 1 && previous <= kCheckKindCount;
  std::uniform_int_distribution<int> pick(1, hasPrevious ? kCheckKindCount - 1 : kCheckKindCount);
  int kind = pick(random);
  // Skipping over the previous kind leaves the others equally likely.
  if (hasPrevious && kind >= previous) ++kind;
  return static_cast<CheckKind>(kind);
}

CheckKind ChooseNextCheckWithSigns(int previous, bool dreamSigns, CheckRandom& random) {
  if (!dreamSigns) return ChooseNextCheck(previous, random);
  const bool afterSign = previous == static_cast<int>(CheckKind::DreamSign);
  if (!afterSign && std::uniform_int_distribution<int>(0, 2)(random) == 0) return CheckKind::DreamSign;
  // After a sign check any of the five may come: ChooseNextCheck takes a
  // previous kind outside 1..5 as none.
  return ChooseNextCheck(previous, random);
}
