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
