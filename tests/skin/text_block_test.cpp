// A block of text with its own line breaks fitted into a box (the tips
// panel's way): smaller first, then wrapped, then cut; never wider or
// taller than the box.
#include "skin/text_block.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace {

// Every character half an em wide (the ellipsis one em); a line is the em
// and a quarter high.
int Measure(int em, std::string_view text) {
  int halves = 0;
  for (std::size_t i = 0; i < text.size();) {
    if (text.compare(i, 3, kEllipsis) == 0) {
      halves += 2;
      i += 3;
    } else {
      halves += 1;
      i += 1;
    }
  }
  return halves * em / 2;
}
int LineHeight(int em) { return em + em / 4; }

FittedText Fit(std::string_view text, int width, int height, int em = 20, int minEm = 16) {
  return FitTextBlock(text, width, height, em, minEm, Measure, LineHeight);
}

void ExpectInside(const FittedText& f, int width, int height) {
  EXPECT_LE(static_cast<int>(f.lines.size()) * LineHeight(f.em), height);
  for (const std::string& line : f.lines) EXPECT_LE(Measure(f.em, line), width) << line;
}

TEST(FitTextBlock, SmallerWithItsOwnLinesBeforeWrapping) {
  // Fits as it is: the lines unchanged, CR LF read as one break, blank
  // lines kept, blanks at a line's end dropped.
  FittedText f = Fit("abcd\t\r\nef gh \r\n\r\nij", 100, 100);
  EXPECT_EQ(f.em, 20);
  EXPECT_EQ(f.lines, (std::vector<std::string>{"abcd", "ef gh", "", "ij"}));

  // A line 10 % too wide: set smaller, not wrapped.
  f = Fit("abcdefghijk\r\nxy", 100, 100);
  EXPECT_EQ(f.em, 18);
  EXPECT_EQ(f.lines, (std::vector<std::string>{"abcdefghijk", "xy"}));

  // Too many lines for the height at full size (5 x 25 > 120): smaller.
  f = Fit("a\nb\nc\nd\ne", 100, 120);
  EXPECT_EQ(f.em, 19);
  EXPECT_EQ(f.lines.size(), 5u);
  ExpectInside(f, 100, 120);
}

TEST(FitTextBlock, WrapsAtTheLargestSizeWhereSmallerIsNotEnough) {
  // 16 characters need 128 pixels at the smallest size: wrapped at full size.
  const FittedText f = Fit("aaaa bbbb cccc dd\r\nxx", 100, 100);
  EXPECT_EQ(f.em, 20);
  EXPECT_EQ(f.lines, (std::vector<std::string>{"aaaa bbbb", "cccc dd", "xx"}));
  ExpectInside(f, 100, 100);

  // An ellipsis of the text's own is no sign of a cut.
  const std::string own = std::string("aaaa bbbb cccc") + kEllipsis;
  const FittedText kept = Fit(own, 100, 100);
  EXPECT_EQ(kept.em, 20);
  EXPECT_EQ(kept.lines, (std::vector<std::string>{"aaaa bbbb", std::string("cccc") + kEllipsis}));
}

TEST(FitTextBlock, CutOnlyAtTheSmallestSizeAndNeverOutside) {
  // Two lines fit the height at the smallest size (20 pixels each): the
  // rest is cut with an ellipsis.
  const FittedText f = Fit("aaaa bbbb cccc dddd eeee ffff", 80, 44);
  EXPECT_EQ(f.em, 16);
  ASSERT_EQ(f.lines.size(), 2u);
  EXPECT_EQ(f.lines[0], "aaaa bbbb");
  EXPECT_NE(f.lines[1].find(kEllipsis), std::string::npos);
  ExpectInside(f, 80, 44);

  // A word wider than the box is cut too; a box lower than one line at
  // the smallest size still gets its one line.
  const FittedText word = Fit("abcdefghijklmnopqrstuvwxyz", 80, 10);
  ASSERT_EQ(word.lines.size(), 1u);
  EXPECT_LE(Measure(word.em, word.lines[0]), 80);
  EXPECT_NE(word.lines[0].find(kEllipsis), std::string::npos);
}

}  // namespace
