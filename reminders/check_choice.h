// Which reality check a reminder shows and when the next one falls due:
// the random gap between reminders and the kind of check, never the same
// kind twice in a row, with the dream-sign check among them when the
// user's journal has signs. No windows.h.
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
  DreamSign = 6,  // look around for one of the user's own dream signs
};
// The kinds every user has; the dream-sign check needs a journal with signs.
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

// The next kind when the checks vary, `dreamSigns` telling whether the
// journal has signs to show. Without them this is ChooseNextCheck, drawing
// from the generator exactly as it does.
//
// With them the sign check comes one time in four on average and never
// twice in a row: after any other kind it comes with probability 1/3, after
// itself never, and otherwise one of the five others comes as
// ChooseNextCheck draws it (never the kind before). The checks then run as
// a chain of two states whose share of sign checks p settles where
// p = (1 - p) / 3, that is p = 1/4.
CheckKind ChooseNextCheckWithSigns(int previous, bool dreamSigns, CheckRandom& random);
