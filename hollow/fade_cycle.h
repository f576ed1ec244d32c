// When a reminder picture fades: fully visible from creation until the
// first fade tick, which fades it out; then hidden for 90 ticks; faded in
// at the 91st and out at the next, and so on every 91 ticks.
#pragma once

// Seconds between fade ticks.
constexpr int kFadePeriodSeconds = 30;
// The counter value that starts a new cycle.
constexpr int kFadeCycleEnd = 92;

struct FadeCycle {
  int counter = 1;
  bool fadedOut = false;
};

enum class FadeAction { None, FadeIn, FadeOut };

// Advances the counter by one fade tick and says what to do with the picture.
FadeAction FadeTick(FadeCycle& cycle);
