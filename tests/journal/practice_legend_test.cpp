// My Practice's legend laid out from the widths its words measure: one
// centred row where it fits, rows shared evenly where it does not, and the
// longest words held back where even the rows are too narrow.
#include <gtest/gtest.h>

#include <vector>

#include "journal/practice_legend.h"

namespace {

// The four items as they measure in some language: a sign of 14 pixels
// (with its space) and words of 50, 120, 55 and 30 pixels; 16 between two
// items. In one row they take 359 pixels.
const std::vector<LegendItem> kItems = {{14, 50}, {14, 120}, {14, 55}, {14, 30}};
constexpr int kGap = 16;

struct Want {
  int left, words, row;
};

void ExpectPlaces(const LegendLayout& got, int rows, const std::vector<Want>& want) {
  EXPECT_EQ(got.rows, rows);
  ASSERT_EQ(got.places.size(), want.size());
  for (std::size_t i = 0; i < want.size(); ++i) {
    EXPECT_EQ(got.places[i].left, want[i].left) << "item " << i;
    EXPECT_EQ(got.places[i].words, want[i].words) << "item " << i;
    EXPECT_EQ(got.places[i].row, want[i].row) << "item " << i;
  }
}

TEST(PracticeLegend, OneCentredRowWhereTheItemsFit) {
  // 420 pixels from x 20: (420 - 359) / 2 = 30 on either side.
  ExpectPlaces(LayOutLegend(kItems, kGap, 20, 440, 2), 1, {{50, 50, 0}, {130, 120, 0}, {280, 55, 0}, {365, 30, 0}});
  // Exactly as wide as the row: still one row, from the left edge.
  ExpectPlaces(LayOutLegend(kItems, kGap, 0, 359, 2), 1, {{0, 50, 0}, {80, 120, 0}, {230, 55, 0}, {315, 30, 0}});
}

TEST(PracticeLegend, TooNarrowARowSharesTheItemsInOrderWithTheWidestRowNarrowest) {
  // Two and two (rows of 214 and 129) beat one and three (64, 279) and
  // three and one (299, 44); each row centred on its own.
  ExpectPlaces(LayOutLegend(kItems, kGap, 0, 300, 2), 2, {{43, 50, 0}, {123, 120, 0}, {85, 55, 1}, {170, 30, 1}});
  // One row allowed: the words share the 196 pixels the signs and gaps
  // leave; the longest is held to 61.
  const LegendLayout one = LayOutLegend(kItems, kGap, 0, 300, 1);
  ExpectPlaces(one, 1, {{0, 50, 0}, {80, 61, 0}, {171, 55, 0}, {256, 30, 0}});
}

TEST(PracticeLegend, RowsTooNarrowEvenSharedHoldTheLongestWordsBack) {
  // 150 pixels: the first row (signs and gap 44) leaves 106 for 50 and 120.
  ExpectPlaces(LayOutLegend(kItems, kGap, 0, 150, 2), 2, {{0, 50, 0}, {80, 56, 0}, {10, 55, 1}, {95, 30, 1}});
  // Nothing to lay out.
  const LegendLayout none = LayOutLegend({}, kGap, 0, 150, 2);
  EXPECT_EQ(none.rows, 0);
  EXPECT_TRUE(none.places.empty());
}

}  // namespace
