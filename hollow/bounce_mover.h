// The drifting motion of one reminder picture: one pixel per tick in each
// direction, turning back at the edges of the screen (with a margin past
// the right and bottom edges).
#pragma once

struct BounceMover {
  int x = 0;      // current left edge
  int y = 0;      // current top edge
  int stepX = 1;  // horizontal movement per tick, +1 or -1
  int stepY = 1;  // vertical movement per tick
  int minX = 0;   // left bound
  int minY = 0;   // top bound
  int backX = 2;  // extra distance moved back when the right bound is passed
  int backY = 2;  // extra distance moved back when the bottom bound is passed
  int width = 0;  // size of the moving picture, set when its window is created
  int height = 0;
  int maxX = 0;  // right limit for the picture's right edge
  int maxY = 0;  // bottom limit for the picture's bottom edge
};

// Pictures may drift this far past the right and bottom screen edges.
constexpr int kMoverMargin = 100;

// A mover at (0, 0) heading down and right on a screen of this size.
BounceMover MakeBounceMover(int screenWidth, int screenHeight);

// Puts the mover offsetX / offsetY pixels left of and above its right and
// bottom limits. The picture may then start past its bound; MoverStep
// brings it back.
void StartBeforeLimits(BounceMover& mover, int offsetX, int offsetY);

// One tick: move by the steps, then turn at the bounds. Passing the left or
// top bound only turns (so the picture overshoots by one pixel for one
// tick); passing the right or bottom bound turns and moves back, so the
// picture lands one pixel inside instead of passing it.
void MoverStep(BounceMover& mover);

// The mover after `ticks` calls of MoverStep, computed without making them:
// each axis moves on its own, and once a picture is within its bounds its
// motion repeats with a period of 2 * (bound span) + 2 ticks, so only the
// way into that cycle is stepped. Movers outside that regime (pictures
// larger than their range, other step sizes) are stepped one by one.
void MoverAdvance(BounceMover& mover, unsigned long long ticks);
