#include "skin/skin_geometry.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct SliderCase {
  const char* name;
  bool vertical;
  int x, y;
  int wheel;  // wheel delta before the clamp, 0 for none
  int wantX, wantY;
};

// Minimum (0, 0), maximum (100, 80), step 5.
TEST(SliderClamp, WheelAndRangeCases) {
  const SliderCase cases[] = {
      {"backward notch near the start stops at the minimum", false, 3, 0, -120, 0, 0},
      {"forward notch near the end stops at the maximum", false, 98, 0, 120, 100, 0},
      {"forward notch inside the range moves by the step", false, 40, 0, 120, 45, 0},
      {"wrapped-around x goes to the minimum", false, 60000, 0, 0, 0, 0},
      {"x just below the wrap limit goes to the maximum", false, 59999, 0, 0, 100, 0},
      {"x at the maximum stays", false, 100, 0, 0, 100, 0},
      {"negative x goes to the minimum", false, -7, 0, 0, 0, 0},
      {"vertical forward notch moves up", true, 0, 40, 120, 0, 35},
      {"vertical backward notch at the end stops at the maximum", true, 0, 78, -120, 0, 80},
      {"vertical forward notch at the top stops at the minimum", true, 0, 2, 120, 0, 0},
      {"vertical large y goes to the maximum, not the minimum", true, 0, 65000, 0, 0, 80},
      {"horizontal clamp leaves y alone", false, 50, 999, 0, 50, 999},
  };
  for (const SliderCase& c : cases) {
    int x = c.x, y = c.y;
    WheelSliderPosition(c.vertical, c.wheel, 5, &x, &y);
    ClampSliderPosition(c.vertical, &x, &y, 0, 0, 100, 80);
    EXPECT_EQ(x, c.wantX) << c.name;
    EXPECT_EQ(y, c.wantY) << c.name;
  }
}

TEST(BarClamp, LevelBarRunsFromMinusFillWidthToRange) {
  // Fill 50 wide, range 30.
  const int cases[][2] = {{-80, -50}, {-50, -50}, {-49, -49}, {0, 0}, {29, 29}, {30, 30}, {31, 30}, {60000, 0}};
  for (const auto& c : cases) EXPECT_EQ(ClampLevelPosition(c[0], 50, 30), c[1]) << "position " << c[0];
}

TEST(BarClamp, TrackBarRunsFromZeroToRange) {
  const int cases[][2] = {{-3, 0}, {0, 0}, {1, 1}, {69, 69}, {70, 70}, {71, 70}, {59999, 70}, {60000, 0}};
  for (const auto& c : cases) EXPECT_EQ(ClampTrackPosition(c[0], 70), c[1]) << "position " << c[0];
}

TEST(BarClamp, WheelMovesByStepEitherWay) {
  EXPECT_EQ(WheelBarPosition(10, 120, 5), 15);
  EXPECT_EQ(WheelBarPosition(10, -240, 5), 5);
  EXPECT_EQ(WheelBarPosition(10, 0, 5), 10);
}

TEST(ArrowPlacement, TableByDirection) {
  struct Case {
    int direction;
    ArrowPlacement want;
  };
  // Slider at (100, 50), track 120 x 16, rotated arrow 16 x 24.
  const Case cases[] = {
      {1, {90, -1, 99, 26}},   // above
      {2, {270, 1, 100, 66}},  // below
      {3, {180, -1, 84, 50}},  // left
      {4, {0, 1, 220, 49}},    // right
      {0, {0, 1, 100, 49}},    {7, {0, 1, 100, 49}},
  };
  for (const Case& c : cases) {
    const ArrowPlacement p = PlaceArrow(c.direction, 100, 50, 120, 16, 16, 24);
    EXPECT_EQ(p.degrees, c.want.degrees) << "direction " << c.direction;
    EXPECT_EQ(p.stepSign, c.want.stepSign) << "direction " << c.direction;
    EXPECT_EQ(p.x, c.want.x) << "direction " << c.direction;
    EXPECT_EQ(p.y, c.want.y) << "direction " << c.direction;
  }
}

TEST(ProgressStep, InsideMovesAtTheEndsRestartsOrFills) {
  struct Case {
    int value, delta;
    bool loop;
    int want;
  };
  const Case cases[] = {
      {0, 7, false, 100},   // at 0 without loop: full
      {0, 7, true, 1},      // with loop: restarts at 1
      {10, 7, false, 17},   {99, 7, false, 106},  // no upper clamp inside
      {100, 7, false, 100}, {100, 7, true, 1},    {106, 7, true, 1},
      {-5, 7, false, 100},
  };
  for (const Case& c : cases) EXPECT_EQ(StepProgressValue(c.value, 100, c.delta, c.loop), c.want) << c.value;
}

TEST(ProgressStep, LoopRunsUpToTheWidthThenRestarts) {
  int value = 1;
  int seen[6];
  for (int& s : seen) {
    value = StepProgressValue(value, 10, 4, true);
    s = value;
  }
  const int want[6] = {5, 9, 13, 1, 5, 9};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(seen[i], want[i]) << i;
}

TEST(RotationFrame, QuarterTurnsOfA24By40Picture) {
  struct Case {
    int degrees;
    int width, height;
    float dx, dy;
  };
  const Case cases[] = {
      {0, 24, 40, 0, 0},
      {90, 40, 24, 0, 24},
      {180, 24, 40, 24, 40},
      {270, 40, 24, 40, 0},
  };
  for (const Case& c : cases) {
    const RotationFrame f = ComputeRotationFrame(c.degrees, 24, 40);
    EXPECT_EQ(f.width, c.width) << c.degrees;
    EXPECT_EQ(f.height, c.height) << c.degrees;
    EXPECT_EQ(f.dx, c.dx) << c.degrees;
    EXPECT_EQ(f.dy, c.dy) << c.degrees;
  }
}

TEST(RotationFrame, NinetyDegreesUsesTheApproximatePi) {
  const RotationFrame f = ComputeRotationFrame(90, 24, 40);
  EXPECT_EQ(f.sn, 1.0f);
  EXPECT_GT(f.cs, 4.0e-5f);
  EXPECT_LT(f.cs, 5.0e-5f);
}

}  // namespace

namespace {

// A 3 x 2 picture with distinct pixels, turned by quarter turns.
TEST(TransformPixels, QuarterTurnsMoveEveryPixel) {
  const unsigned source[6] = {1, 2, 3, 4, 5, 6};  // rows {1 2 3} {4 5 6}
  struct Case {
    int degrees;
    unsigned want[6];
  };
  const Case cases[] = {
      {90, {3, 6, 2, 5, 1, 4}},   // counter-clockwise: 2 wide, 3 high
      {180, {6, 5, 4, 3, 2, 1}},
      {270, {4, 1, 5, 2, 6, 3}},
  };
  for (const Case& c : cases) {
    const RotationFrame f = ComputeRotationFrame(c.degrees, 3, 2);
    ASSERT_EQ(f.width * f.height, 6) << c.degrees;
    unsigned target[6] = {0, 0, 0, 0, 0, 0};
    TransformPixels(source, 3, 2, f, target);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(target[i], c.want[i]) << c.degrees << " pixel " << i;
  }
}

TEST(TransformPixels, CornersOutsideTheTurnedPictureKeepTheBackground) {
  std::vector<unsigned> source(20 * 20, 7u);
  const RotationFrame f = ComputeRotationFrame(45, 20, 20);
  std::vector<unsigned> target(static_cast<size_t>(f.width) * f.height, 9u);
  TransformPixels(source.data(), 20, 20, f, target.data());
  EXPECT_EQ(target.front(), 9u);
  EXPECT_EQ(target.back(), 9u);
  EXPECT_EQ(target[static_cast<size_t>(f.height / 2) * f.width + f.width / 2], 7u);
}

}  // namespace
