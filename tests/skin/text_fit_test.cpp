// Fitting translated texts: lines break at spaces and between the
// characters of Japanese, never before a closing mark, and keep the line
// breaks a text has.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "skin/text_fit.h"

namespace {

// One unit per byte of ASCII, two per other character: a CJK character is
// about twice as wide as a Latin letter.
int Measure(int em, std::string_view text) {
  int units = 0;
  for (std::size_t i = 0; i < text.size();) {
    const unsigned char lead = static_cast<unsigned char>(text[i]);
    const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    units += length == 1 ? 1 : 2;
    i += length;
  }
  return units * em;
}
const MeasureText kMeasure = Measure;

TEST(FitText, JapaneseWrapsBetweenCharactersButNotBeforeClosingMarks) {
  // 夢を見ていますか。 : nine characters of two units each.
  const std::string text = "夢を見ていますか。";
  FittedText fitted = FitText(text, 8, 1, 1, 3, kMeasure);
  ASSERT_EQ(fitted.lines.size(), 3u);
  EXPECT_EQ(fitted.lines[0], "夢を見て");
  EXPECT_EQ(fitted.lines[1], "います");
  EXPECT_EQ(fitted.lines[2], "か。");  // the full stop stays with the character before it
  std::string joined;
  for (const std::string& l : fitted.lines) joined += l;
  EXPECT_EQ(joined, text);  // no space is put between the pieces
}

TEST(FitText, MixedScriptsKeepTheirSpaces) {
  FittedText fitted = FitText("Somnivex は 夢", 12, 1, 1, 2, kMeasure);
  ASSERT_EQ(fitted.lines.size(), 2u);
  EXPECT_EQ(fitted.lines[0], "Somnivex は");
  EXPECT_EQ(fitted.lines[1], "夢");
}

TEST(FitText, KeepsTheTextsOwnLineBreaksAndEmptyLines) {
  FittedText fitted = FitText("one\r\n\r\ntwo three", 40, 1, 1, 5, kMeasure);
  EXPECT_EQ(fitted.lines, (std::vector<std::string>{"one", "", "two three"}));
  // With room for one line only, the break becomes a space.
  fitted = FitText("a\nb", 100, 1, 1, 1, kMeasure);
  EXPECT_EQ(fitted.lines, (std::vector<std::string>{"a b"}));
}

TEST(FitText, SmallerBeforeWrappedBeforeCut) {
  // Ten units at em 10 is 100: at 90 wide it fits one line at em 9.
  FittedText fitted = FitText("abcde fghi", 90, 10, 8, 2, kMeasure);
  EXPECT_EQ(fitted.em, 9);
  EXPECT_EQ(fitted.lines, (std::vector<std::string>{"abcde fghi"}));
  // Too wide for one line even at the floor: wrapped at the largest em.
  fitted = FitText("abcde fghi", 60, 10, 8, 2, kMeasure);
  EXPECT_EQ(fitted.em, 10);
  EXPECT_EQ(fitted.lines, (std::vector<std::string>{"abcde", "fghi"}));
  // Too long wrapped as well: the last line is cut with an ellipsis.
  fitted = FitText("abcde fghij klmno", 50, 10, 8, 2, kMeasure);
  ASSERT_EQ(fitted.lines.size(), 2u);
  EXPECT_EQ(fitted.em, 8);
  EXPECT_NE(fitted.lines[1].find(kEllipsis), std::string::npos);
  for (const std::string& l : fitted.lines) EXPECT_LE(Measure(fitted.em, l), 50) << l;
}

}  // namespace
