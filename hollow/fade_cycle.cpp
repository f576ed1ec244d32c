#include "hollow/fade_cycle.h"

FadeAction FadeTick(FadeCycle& cycle) {
  ++cycle.counter;
  if (cycle.counter == kFadeCycleEnd) cycle.counter = 1;
  if (cycle.counter == 1) {
    cycle.fadedOut = false;
    return FadeAction::FadeIn;
  }
  if (cycle.counter > 1 && !cycle.fadedOut) {
    cycle.fadedOut = true;
    return FadeAction::FadeOut;
  }
  return FadeAction::None;
}
