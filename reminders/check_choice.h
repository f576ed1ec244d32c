// Which reality check a reminder shows and when the next one falls due:
// the random gap between reminders and the kind of check, never the same
// kind twice in a row. No windows.h.
#pragma once

#include <cstdint>
#include <random>

// The kinds of reality check, numbered as the test query reports them.
enum class CheckKind {
  Hand = 1,   // the classic picture: look at your hand
  Nose = 2,   // pinch your nose
  Palm = 3,   // push a finger against your palm
  Clock = 4,  // look at a clock twice
  Text = 5,   // read the popup's own word and time twice
};
inline constexpr int kCheckKindCount = 5;

// One generator for the whole run, seeded once at start.
using CheckRandom = std::mt19937;

// The gap before the next reminder: uniform over [period / 2, period * 3 / 2]
// so that the gaps average the period the user chose. Never more than
// 0x7FFFFFFF ms (the longest timer) and never 0.
std::uint32_t DrawReminderGapMs(std::uint32_t periodMs, CheckRandom& random);

// The next kind when the checks vary: any kind but `previous`, each with
// the same chance. `previous` may be 0 before the first check.
CheckKind ChooseNextCheck(int previous, CheckRandom& random);
