// The focus mark: which part of a button's picture it goes round, where its
// outline runs, how thick it is at each scale, and that it is premultiplied
// as AlphaBlend wants it.
#include <gtest/gtest.h>

#include "skin/focus_mark.h"

namespace {

std::uint32_t Alpha(const std::vector<std::uint32_t>& p, int width, int x, int y) {
  return p[static_cast<std::size_t>(y) * width + x] >> 24;
}

// Pixels of row y, from column x on, that the stroke covers more than half.
int StrokeFrom(const std::vector<std::uint32_t>& p, int width, int x, int y) {
  int n = 0;
  while (x + n < width && Alpha(p, width, x + n, y) > 127) ++n;
  return n;
}

TEST(FocusMark, LitAreaIsWhereTheHoverDiffersNotTheSkyAroundIt) {
  // A 12 x 23 strip of sky with a star, and a disc lit in its upper half
  // (the title row's ?): the star is in both pictures, the disc only
  // differs, and a difference as small as the artwork's smoothing counts
  // for nothing.
  const int w = 12, h = 23;
  std::vector<std::uint32_t> normal(w * h, 0xFF101030), hover(w * h, 0xFF101030);
  normal[20 * w + 6] = hover[20 * w + 6] = 0xFFFFFFFF;  // the star
  for (int y = 2; y < 13; ++y) {
    for (int x = 1; x < 11; ++x) hover[y * w + x] = 0xFF3A45A8;
  }
  hover[15 * w + 6] = 0xFF181838;  // within the smoothing
  const MarkArea lit = LitArea(normal.data(), hover.data(), w, h);
  EXPECT_EQ(lit.left, 1);
  EXPECT_EQ(lit.top, 2);
  EXPECT_EQ(lit.right, 11);
  EXPECT_EQ(lit.bottom, 13);
  EXPECT_TRUE(LitArea(normal.data(), normal.data(), w, h).empty());
}

TEST(FocusMark, RingRunsInsideTheAreaAndLeavesItsMiddleAndTheRestClear) {
  // A 20 x 23 picture whose round button (the area) is 16 pixels wide in
  // its upper part.
  const MarkArea area{2, 1, 18, 17};
  const std::vector<std::uint32_t> p = FocusMarkPixels(20, 23, area, 96, kFocusMarkRgb);
  ASSERT_EQ(p.size(), 20u * 23u);
  const std::uint32_t left = p[9 * 20 + 2];  // the area's left edge, half way down
  EXPECT_GE(left >> 24, 250u);
  EXPECT_GE((left >> 16) & 0xFF, 250u);
  EXPECT_NEAR(double((left >> 8) & 0xFF), 0xE9, 4);
  EXPECT_NEAR(double(left & 0xFF), 0xA8, 4);
  EXPECT_GE(Alpha(p, 20, 17, 9), 250u);  // right edge
  EXPECT_GE(Alpha(p, 20, 10, 1), 250u);  // top
  EXPECT_EQ(Alpha(p, 20, 2, 1), 0u);     // outside the circle's corner
  EXPECT_EQ(Alpha(p, 20, 10, 9), 0u);    // the glyph stays clear
  EXPECT_EQ(Alpha(p, 20, 10, 20), 0u);   // below the area
  EXPECT_EQ(Alpha(p, 20, 0, 9), 0u);     // beside it
  // No area: round the whole picture.
  const std::vector<std::uint32_t> whole = FocusMarkPixels(20, 23, MarkArea{}, 96, kFocusMarkRgb);
  EXPECT_GE(Alpha(whole, 20, 0, 11), 250u);
  EXPECT_GE(Alpha(whole, 20, 10, 22), 250u);
}

TEST(FocusMark, StrokeGrowsWithTheDisplayScale) {
  const int widths[][2] = {{96, 2}, {144, 3}, {192, 4}};
  for (const auto& w : widths) {
    const int size = 22 * w[0] / 96;
    const std::vector<std::uint32_t> p = FocusMarkPixels(size, size, MarkArea{}, w[0], kFocusMarkRgb);
    EXPECT_EQ(StrokeFrom(p, size, 0, size / 2), w[1]) << w[0];
  }
}

TEST(FocusMark, PixelsArePremultipliedAndAnEmptyPictureHasNone) {
  const std::vector<std::uint32_t> p = FocusMarkPixels(40, 23, MarkArea{3, 2, 37, 21}, 120, 0x80FF20);
  int partial = 0;
  for (std::uint32_t v : p) {
    const std::uint32_t a = v >> 24;
    EXPECT_LE((v >> 16) & 0xFF, a);
    EXPECT_LE((v >> 8) & 0xFF, a);
    EXPECT_LE(v & 0xFF, a);
    partial += a > 0 && a < 255;
  }
  EXPECT_GT(partial, 0);  // the curves are smoothed
  EXPECT_TRUE(FocusMarkPixels(0, 10, MarkArea{}, 96, kFocusMarkRgb).empty());
  EXPECT_TRUE(FocusMarkPixels(10, -1, MarkArea{}, 96, kFocusMarkRgb).empty());
}

}  // namespace
