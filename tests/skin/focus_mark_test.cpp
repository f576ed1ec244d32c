// The focus mark's pixels: where the outline runs, how thick it is at each
// scale, and that it is premultiplied as AlphaBlend wants it.
#include <gtest/gtest.h>

#include "skin/focus_mark.h"

namespace {

std::uint32_t Alpha(const std::vector<std::uint32_t>& p, int width, int x, int y) {
  return p[static_cast<std::size_t>(y) * width + x] >> 24;
}

// Pixels of the middle row, from the left edge, that the stroke covers
// more than half.
int StrokeFromLeft(const std::vector<std::uint32_t>& p, int width, int y) {
  int n = 0;
  while (n < width && Alpha(p, width, n, y) > 127) ++n;
  return n;
}

TEST(FocusMark, RoundButtonGetsARingInsideItsEdgeAndNothingInItsCornersOrMiddle) {
  const std::vector<std::uint32_t> p = FocusMarkPixels(22, 22, 96, kFocusMarkRgb);
  ASSERT_EQ(p.size(), 22u * 22u);
  EXPECT_EQ(p[static_cast<std::size_t>(11) * 22 + 0], 0xFFFFE9A8u);  // left edge, full colour
  EXPECT_EQ(Alpha(p, 22, 21, 11), 255u);
  EXPECT_EQ(Alpha(p, 22, 11, 0), 255u);
  EXPECT_EQ(Alpha(p, 22, 0, 0), 0u);    // outside the circle
  EXPECT_EQ(Alpha(p, 22, 11, 11), 0u);  // the button's glyph stays clear
  EXPECT_EQ(Alpha(p, 22, 4, 11), 0u);
}

TEST(FocusMark, StrokeGrowsWithTheDisplayScale) {
  const int widths[][2] = {{96, 2}, {144, 3}, {192, 4}};
  for (const auto& w : widths) {
    const int size = 22 * w[0] / 96;
    const std::vector<std::uint32_t> p = FocusMarkPixels(size, size, w[0], kFocusMarkRgb);
    EXPECT_EQ(StrokeFromLeft(p, size, size / 2), w[1]) << w[0];
  }
}

TEST(FocusMark, TallStripGetsACircleInItsMiddle) {
  // The title row's x: a 12-pixel disc in a 12 x 23 strip.
  const std::vector<std::uint32_t> p = FocusMarkPixels(12, 23, 96, kFocusMarkRgb);
  EXPECT_EQ(Alpha(p, 12, 6, 1), 0u);  // above the circle
  EXPECT_EQ(Alpha(p, 12, 6, 21), 0u);  // below it
  EXPECT_GT(Alpha(p, 12, 6, 6), 127u);  // its top
  EXPECT_GT(Alpha(p, 12, 0, 11), 127u);
  const FocusMarkShape s = FocusMarkFor(12, 23, 96);
  EXPECT_DOUBLE_EQ(s.top, 5.5);
  EXPECT_DOUBLE_EQ(s.bottom, 17.5);
}

TEST(FocusMark, PixelsArePremultipliedAndAnEmptyPictureHasNone) {
  const std::vector<std::uint32_t> p = FocusMarkPixels(40, 23, 120, 0x80FF20);
  int partial = 0;
  for (std::uint32_t v : p) {
    const std::uint32_t a = v >> 24;
    EXPECT_LE((v >> 16) & 0xFF, a);
    EXPECT_LE((v >> 8) & 0xFF, a);
    EXPECT_LE(v & 0xFF, a);
    partial += a > 0 && a < 255;
  }
  EXPECT_GT(partial, 0);  // the curves are smoothed
  EXPECT_TRUE(FocusMarkPixels(0, 10, 96, kFocusMarkRgb).empty());
  EXPECT_TRUE(FocusMarkPixels(10, -1, 96, kFocusMarkRgb).empty());
}

}  // namespace
