// The focus mark: which part of a button's picture it goes round, where its
// outline runs and how thick it is at each scale.
#include <gtest/gtest.h>

#include "skin/focus_mark.h"

namespace {

std::uint32_t Alpha(const std::vector<std::uint32_t>& p, int width, int x, int y) { return p[y * width + x] >> 24; }

TEST(FocusMark, LitAreaIsWhereTheHoverDiffersNotTheSkyAroundIt) {
  // The title row's ?: a disc lit in the upper part of a 12 x 23 strip of
  // sky with a star in both pictures; a difference as small as the
  // artwork's smoothing counts for nothing.
  const int w = 12, h = 23;
  std::vector<std::uint32_t> normal(w * h, 0xFF101030), hover(w * h, 0xFF101030);
  normal[20 * w + 6] = hover[20 * w + 6] = 0xFFFFFFFF;
  for (int y = 2; y < 13; ++y) {
    for (int x = 1; x < 11; ++x) hover[y * w + x] = 0xFF3A45A8;
  }
  hover[15 * w + 6] = 0xFF181838;
  const MarkArea lit = LitArea(normal.data(), hover.data(), w, h);
  EXPECT_EQ((std::vector<int>{lit.left, lit.top, lit.right, lit.bottom}), (std::vector<int>{1, 2, 11, 13}));
  EXPECT_TRUE(LitArea(normal.data(), normal.data(), w, h).empty());
}

TEST(FocusMark, RingRunsInsideTheAreaInTheWarmAccentAndLeavesTheRestClear) {
  // A round button 16 pixels wide in the upper part of a 20 x 23 picture.
  const std::vector<std::uint32_t> p = FocusMarkPixels(20, 23, MarkArea{2, 1, 18, 17}, 96, kFocusMarkRgb);
  const std::uint32_t left = p[9 * 20 + 2];  // the area's left edge, premultiplied
  EXPECT_GE(left >> 24, 250u);
  EXPECT_NEAR(double((left >> 8) & 0xFF), 0xE9 * (left >> 24) / 255.0, 1);
  EXPECT_GE(Alpha(p, 20, 17, 9), 250u);  // right edge
  EXPECT_GE(Alpha(p, 20, 10, 1), 250u);  // top
  for (const auto& clear : {std::pair{2, 1}, {10, 9}, {10, 20}, {0, 9}}) {  // corner, glyph, below, beside
    EXPECT_EQ(Alpha(p, 20, clear.first, clear.second), 0u) << clear.first << "," << clear.second;
  }
  // A link's words with room all round: the ring runs outside them.
  const FocusMarkShape link = FocusMarkFor(138, 23, MarkArea{4, 6, 134, 19}, 96);
  EXPECT_EQ((std::vector<double>{link.left, link.top, link.right, link.bottom}), (std::vector<double>{2, 4, 136, 21}));
  // No area: round the whole picture; no picture: no mark.
  EXPECT_GE(Alpha(FocusMarkPixels(20, 23, MarkArea{}, 96, kFocusMarkRgb), 20, 10, 22), 250u);
  EXPECT_TRUE(FocusMarkPixels(0, 10, MarkArea{}, 96, kFocusMarkRgb).empty());
}

TEST(FocusMark, StrokeGrowsWithTheDisplayScale) {
  for (const auto& [dpi, stroke] : {std::pair{96, 2}, {144, 3}, {192, 4}}) {
    const int size = 22 * dpi / 96;
    const std::vector<std::uint32_t> p = FocusMarkPixels(size, size, MarkArea{}, dpi, kFocusMarkRgb);
    int covered = 0;
    while (Alpha(p, size, covered, size / 2) > 127) ++covered;
    EXPECT_EQ(covered, stroke) << dpi;
  }
}

}  // namespace
