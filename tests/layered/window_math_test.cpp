// The arithmetic behind the layered-window functions: premultiply, the
// opacity series of the fades and the centring sums.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

#include "skin/window_math.h"

namespace {

using Pixel = std::array<std::uint8_t, 4>;  // blue, green, red, alpha

TEST(PremultiplyPixels, MultipliesByAlphaOver256) {
  struct Case {
    Pixel in, out;
  };
  const Case cases[] = {
      {{255, 255, 255, 255}, {254, 254, 254, 255}},
      {{255, 255, 255, 0}, {0, 0, 0, 0}},
      {{200, 100, 50, 128}, {100, 50, 25, 128}},
      {{1, 2, 3, 255}, {0, 1, 2, 255}},
      {{0, 0, 0, 255}, {0, 0, 0, 255}},
  };
  for (const Case& c : cases) {
    Pixel p = c.in;
    PremultiplyPixels(p.data(), 1, 1, 4);
    EXPECT_EQ(p, c.out) << int(c.in[0]) << "," << int(c.in[1]) << "," << int(c.in[2]) << "," << int(c.in[3]);
  }
}

TEST(PremultiplyPixels, IsNotIdempotent) {
  Pixel p = {255, 255, 255, 255};
  PremultiplyPixels(p.data(), 1, 1, 4);
  PremultiplyPixels(p.data(), 1, 1, 4);
  EXPECT_EQ(p, (Pixel{253, 253, 253, 255}));
}

TEST(PremultiplyPixels, WalksRowsByStrideAndLeavesPaddingAlone) {
  // Two rows of two pixels, each row padded with 4 bytes of 0xEE.
  std::vector<std::uint8_t> buf = {200, 100, 50, 128, 255, 255, 255, 255, 0xEE, 0xEE, 0xEE, 0xEE,
                                   255, 255, 255, 0,   10,  20,  30,  128, 0xEE, 0xEE, 0xEE, 0xEE};
  PremultiplyPixels(buf.data(), 2, 2, 12);
  const std::vector<std::uint8_t> want = {100, 50, 25, 128, 254, 254, 254, 255, 0xEE, 0xEE, 0xEE, 0xEE,
                                          0,   0,  0,  0,   5,   10,  15,  128, 0xEE, 0xEE, 0xEE, 0xEE};
  EXPECT_EQ(buf, want);
}

TEST(PremultiplyPixels, EmptyOrNullBufferIsHarmless) {
  PremultiplyPixels(nullptr, 10, 10, 40);
  Pixel p = {9, 9, 9, 9};
  PremultiplyPixels(p.data(), 0, 1, 0);
  PremultiplyPixels(p.data(), 1, 0, 4);
  EXPECT_EQ(p, (Pixel{9, 9, 9, 9}));
}

std::vector<int> Steps(int from, int to, int step) {
  std::vector<int> v;
  for (int x = from; step > 0 ? x <= to : x >= to; x += step) v.push_back(x);
  return v;
}

TEST(LayeredFadeSeries, InGoesFromZeroTo255InStepsOfFive) {
  const std::vector<int> in = LayeredFadeSeries(true);
  EXPECT_EQ(in.size(), 52u);
  EXPECT_EQ(in, Steps(0, 255, 5));
}

TEST(LayeredFadeSeries, OutIsTheReverseEndingAtZero) {
  const std::vector<int> out = LayeredFadeSeries(false);
  EXPECT_EQ(out.size(), 52u);
  EXPECT_EQ(out, Steps(255, 0, -5));
}

TEST(WindowFadeSeries, FadeInStopsBelowTheLimit) {
  struct Case {
    int limit;
    std::size_t count;
    int last;
  };
  const Case cases[] = {{230, 46, 225}, {250, 50, 245}, {5, 1, 0}, {6, 2, 5}, {1, 1, 0}};
  for (const Case& c : cases) {
    const std::vector<int> v = WindowFadeInSeries(c.limit);
    ASSERT_EQ(v.size(), c.count) << c.limit;
    EXPECT_EQ(v.front(), 0) << c.limit;
    EXPECT_EQ(v.back(), c.last) << c.limit;
    EXPECT_EQ(v, Steps(0, c.last, 5)) << c.limit;
  }
}

TEST(WindowFadeSeries, FadeInWithNoPositiveLimitSetsNothing) {
  EXPECT_TRUE(WindowFadeInSeries(0).empty());
  EXPECT_TRUE(WindowFadeInSeries(-20).empty());
}

TEST(WindowFadeSeries, FadeOutEndsAtTheSmallestPositiveValue) {
  EXPECT_EQ(WindowFadeOutSeries(230), Steps(230, 10, -10));
  EXPECT_EQ(WindowFadeOutSeries(230).size(), 23u);
  EXPECT_EQ(WindowFadeOutSeries(250).back(), 10);
  EXPECT_EQ(WindowFadeOutSeries(255).back(), 5);
  EXPECT_EQ(WindowFadeOutSeries(7), std::vector<int>{7});
  EXPECT_TRUE(WindowFadeOutSeries(0).empty());
  EXPECT_TRUE(WindowFadeOutSeries(-10).empty());
}

// With the system's animations off a window appears and disappears at
// once: every fade is one value, the one it would have ended at (the whole
// window's limit, or nothing at all when there is nothing to show).
TEST(FadeSeriesWithoutAnimation, EachFadeIsOneStepToItsEnd) {
  EXPECT_EQ(LayeredFadeSeries(true, false), std::vector<int>{255});
  EXPECT_EQ(LayeredFadeSeries(false, false), std::vector<int>{0});
  EXPECT_EQ(WindowFadeInSeries(230, false), std::vector<int>{230});
  EXPECT_EQ(WindowFadeInSeries(255, false), std::vector<int>{255});
  EXPECT_TRUE(WindowFadeInSeries(0, false).empty());
  EXPECT_EQ(WindowFadeOutSeries(250, false), std::vector<int>{0});
  EXPECT_TRUE(WindowFadeOutSeries(0, false).empty());
}

TEST(CentreInWorkArea, CentresWithTruncationAndNoClamp) {
  struct Case {
    ScreenRect work;
    int w, h;
    int x, y;
  };
  const Case cases[] = {
      {{0, 0, 1280, 1024}, 400, 300, 440, 362},
      {{0, 0, 1280, 994}, 401, 301, 439, 346},      // (879 / 2, 693 / 2) truncated
      {{100, 50, 1380, 1074}, 400, 300, 540, 412},  // work area not at the origin
      {{0, 0, 800, 600}, 1001, 801, -100, -100},    // larger: -201/2 truncates toward zero
  };
  for (const Case& c : cases) {
    const ScreenPoint p = CentreInWorkArea(c.work, c.w, c.h);
    EXPECT_EQ(p.x, c.x) << c.w << "x" << c.h;
    EXPECT_EQ(p.y, c.y) << c.w << "x" << c.h;
  }
}

TEST(CentreOnReference, CentresOnTheReferenceWindows) {
  const ScreenRect ref = {100, 100, 500, 400};
  ScreenPoint p = CentreOnReference(ref, ref, 200, 100, 1920, 1080);
  EXPECT_EQ(p.x, 200);
  EXPECT_EQ(p.y, 200);
  // Vertical centre from a second window.
  p = CentreOnReference(ref, ScreenRect{0, 600, 50, 800}, 200, 100, 1920, 1080);
  EXPECT_EQ(p.x, 200);
  EXPECT_EQ(p.y, 650);
}

TEST(CentreOnReference, ClampsToTheScreen) {
  struct Case {
    ScreenRect ref;
    int w, h;
    int x, y;
  };
  const Case cases[] = {
      // Near the right edge: the right edge lands on the screen's.
      {{1800, 100, 1920, 300}, 300, 100, 1620, 150},
      // Near the bottom edge.
      {{100, 1000, 300, 1080}, 100, 200, 150, 880},
      // Beyond the left and top: negative becomes 0.
      {{-300, -300, 0, 0}, 200, 200, 0, 0},
      // Larger than the screen: the second clamp wins and leaves it negative.
      {{0, 0, 1920, 1080}, 2000, 1200, -80, -120},
  };
  for (const Case& c : cases) {
    const ScreenPoint p = CentreOnReference(c.ref, c.ref, c.w, c.h, 1920, 1080);
    EXPECT_EQ(p.x, c.x) << c.ref.left << "," << c.ref.top;
    EXPECT_EQ(p.y, c.y) << c.ref.left << "," << c.ref.top;
  }
}

TEST(FullScreenRule, OnlyABareWindowCoveringItsMonitorCounts) {
  const ScreenRect monitor = {1920, 0, 3840, 1080};  // a second monitor, right of the first
  const struct {
    bool caption, frame;
    ScreenRect rect;
    bool full;
  } cases[] = {
      {false, false, {1920, 0, 3840, 1080}, true},     // a video or game
      {false, false, {1910, -10, 3850, 1090}, true},  // larger still
      {true, true, {1912, -8, 3848, 1088}, false},    // maximized browser: invisible borders reach past
      {true, false, {1920, 0, 3840, 1080}, false},    // captioned, no frame
      {false, true, {1920, 0, 3840, 1080}, false},    // sizing frame, no caption
      {false, false, {1920, 0, 3840, 1040}, false},   // the work area only
      {false, false, {0, 0, 1920, 1080}, false},      // the other monitor
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CoversMonitorFullScreen({c.caption, c.frame, c.rect}, monitor), c.full)
        << c.caption << c.frame << " " << c.rect.left << "," << c.rect.top << "," << c.rect.right << "," << c.rect.bottom;
  }
}

}  // namespace
