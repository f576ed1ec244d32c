#include "hollow/bounce_mover.h"

BounceMover MakeBounceMover(int screenWidth, int screenHeight) {
  BounceMover mover;
  mover.maxX = screenWidth + kMoverMargin;
  mover.maxY = screenHeight + kMoverMargin;
  return mover;
}

void StartBeforeLimits(BounceMover& mover, int offsetX, int offsetY) {
  mover.x = mover.maxX - offsetX;
  mover.y = mover.maxY - offsetY;
}

void MoverStep(BounceMover& mover) {
  mover.x += mover.stepX;
  mover.y += mover.stepY;
  if (mover.x < mover.minX) mover.stepX = -mover.stepX;
  if (mover.x > mover.maxX - mover.width) {
    mover.stepX = -mover.stepX;
    mover.x -= mover.backX;
  }
  if (mover.y < mover.minY) mover.stepY = -mover.stepY;
  if (mover.y > mover.maxY - mover.height) {
    mover.stepY = -mover.stepY;
    mover.y -= mover.backY;
  }
}

namespace {

// One axis of MoverStep: position p, step s, bounds lo and hi (the largest
// left or top edge), back the extra distance at hi.
void AxisStep(int& p, int& s, int lo, int hi, int back) {
  p += s;
  if (p < lo) s = -s;
  if (p > hi) {
    s = -s;
    p -= back;
  }
}

// The cycle of an axis with steps of 1 and back 2, as phases 0..period-1:
// rising from lo - 1 (the one-pixel overshoot) to hi, then falling from
// hi - 1 (turned back at hi) to lo, after which the overshoot follows.
bool InCycle(int p, int s, int lo, int hi) {
  return (s == 1 && p >= lo - 1 && p <= hi) || (s == -1 && p >= lo && p <= hi - 1);
}

long long PhaseOf(int p, int s, int lo, int hi) {
  if (s == 1) return static_cast<long long>(p) - (lo - 1);
  return static_cast<long long>(hi) - lo + 2 + (hi - 1 - p);
}

void AxisAdvance(int& p, int& s, int lo, int hi, int back, unsigned long long ticks) {
  const bool cyclic = back == 2 && (s == 1 || s == -1) && hi > lo;
  if (cyclic) {
    while (ticks > 0 && !InCycle(p, s, lo, hi)) {
      AxisStep(p, s, lo, hi, back);
      --ticks;
    }
  }
  if (!cyclic || !InCycle(p, s, lo, hi)) {
    for (; ticks > 0; --ticks) AxisStep(p, s, lo, hi, back);
    return;
  }
  const long long rising = static_cast<long long>(hi) - lo + 2;  // phases lo-1 .. hi going up
  const long long period = 2 * rising - 2;
  const long long phase =
      static_cast<long long>((static_cast<unsigned long long>(PhaseOf(p, s, lo, hi)) + ticks % period) % period);
  if (phase < rising) {
    p = static_cast<int>(lo - 1 + phase);
    s = 1;
  } else {
    p = static_cast<int>(hi - 1 - (phase - rising));
    s = -1;
  }
}

}  // namespace

void MoverAdvance(BounceMover& mover, unsigned long long ticks) {
  AxisAdvance(mover.x, mover.stepX, mover.minX, mover.maxX - mover.width, mover.backX, ticks);
  AxisAdvance(mover.y, mover.stepY, mover.minY, mover.maxY - mover.height, mover.backY, ticks);
}
