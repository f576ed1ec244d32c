// The dream-sign check's lines: a text fitted to its width (smaller, then
// wrapped, then cut with an ellipsis between whole UTF-8 characters) and
// where the lines go in the free area at every scale.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "reminders/sign_check.h"

namespace {

// Advances in tenths of the em: ASCII 5, Cyrillic and Greek 6, the
// ellipsis and everything wider (CJK, emoji) 10.
int Measure(int em, std::string_view text) {
  int tenths = 0;
  for (std::size_t i = 0; i < text.size();) {
    const unsigned char lead = static_cast<unsigned char>(text[i]);
    const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    tenths += length == 1 ? 5 : length == 2 ? 6 : 10;
    i += length;
  }
  return tenths * em / 10;
}
const MeasureText kMeasure = Measure;

bool StartsBetweenCharacters(std::string_view text, std::size_t cut) {
  return cut == text.size() || (static_cast<unsigned char>(text[cut]) & 0xC0) != 0x80;
}

TEST(FitWithEllipsis, KeepsWhatFitsExactlyAndCutsOnlyBetweenCharacters) {
  EXPECT_EQ(FitWithEllipsis("flying", 30, 10, kMeasure), "flying");  // exactly its width
  EXPECT_EQ(FitWithEllipsis("flying", 29, 10, kMeasure), "fly\xE2\x80\xA6");
  EXPECT_EQ(FitWithEllipsis("flying", 30, 20, kMeasure), "f\xE2\x80\xA6");  // the em counts
  // No space is left before the ellipsis.
  EXPECT_EQ(FitWithEllipsis("my old school", 45, 10, kMeasure), "my old\xE2\x80\xA6");
  EXPECT_EQ(FitWithEllipsis("flying", 10, 10, kMeasure), "\xE2\x80\xA6");
  EXPECT_EQ(FitWithEllipsis("flying", 9, 10, kMeasure), "");

  const std::string ellipsis = kEllipsis;
  for (const std::string text : {"полёт над старой школой", "夢の中で空を飛ぶ学校", "moon 🌙 over the sea 🌊 again"}) {
    const int full = Measure(10, text);
    for (int width = 10; width <= full; ++width) {
      const std::string fitted = FitWithEllipsis(text, width, 10, kMeasure);
      ASSERT_LE(Measure(10, fitted), width) << text << " " << width;
      if (width == full) {
        EXPECT_EQ(fitted, text);
        continue;
      }
      ASSERT_GE(fitted.size(), ellipsis.size());
      ASSERT_EQ(fitted.substr(fitted.size() - ellipsis.size()), ellipsis) << fitted;
      const std::size_t cut = fitted.size() - ellipsis.size();
      ASSERT_EQ(text.compare(0, cut, fitted, 0, cut), 0) << fitted;
      ASSERT_TRUE(StartsBetweenCharacters(text, cut)) << text << " " << width;
      // The longest start: one more character would not fit.
      std::size_t next = cut + 1;
      while (!StartsBetweenCharacters(text, next)) ++next;
      if (text[cut] != ' ' && next < text.size()) {
        EXPECT_GT(Measure(10, text.substr(0, next) + ellipsis), width) << text << " " << width;
      }
    }
  }
}

TEST(FitText, ShrinksThenWrapsThenCuts) {
  const std::string question = kSignCheckQuestion;  // 42 characters, 210 tenths
  FittedText f = FitText(question, 273, 13, 10, 2, kMeasure);
  EXPECT_EQ(f.em, 13);
  ASSERT_EQ(f.lines.size(), 1u);
  EXPECT_EQ(f.lines[0], question);
  // A little narrower: the same line, smaller.
  f = FitText(question, 250, 13, 10, 2, kMeasure);
  EXPECT_EQ(f.em, 11);
  ASSERT_EQ(f.lines.size(), 1u);
  // Too narrow for one line at the smallest size: two lines at the full
  // size, broken at spaces, nothing lost.
  f = FitText(question, 160, 13, 10, 2, kMeasure);
  EXPECT_EQ(f.em, 13);
  ASSERT_EQ(f.lines.size(), 2u);
  EXPECT_EQ(f.lines[0] + " " + f.lines[1], question);
  for (const std::string& line : f.lines) EXPECT_LE(Measure(13, line), 160) << line;
  // Too narrow for two lines: the smallest size, the rest cut.
  f = FitText(question, 80, 13, 10, 2, kMeasure);
  EXPECT_EQ(f.em, 10);
  ASSERT_EQ(f.lines.size(), 2u);
  EXPECT_EQ(f.lines[1].substr(f.lines[1].size() - 3), kEllipsis);
  for (const std::string& line : f.lines) EXPECT_LE(Measure(10, line), 80) << line;
  // One line only, and a single word wider than it: cut at the smallest size.
  const std::string sign = SignCheckCaption(std::string(200, 'x'));
  f = FitText(sign, 273, 18, 13, 1, kMeasure);
  EXPECT_EQ(f.em, 13);
  ASSERT_EQ(f.lines.size(), 1u);
  EXPECT_EQ(f.lines[0].compare(0, 14, "Dream sign: xx"), 0);
  EXPECT_LE(Measure(13, f.lines[0]), 273);
  EXPECT_TRUE(FitText("   ", 100, 13, 10, 2, kMeasure).lines.empty());
}

bool Inside(const CheckRect& inner, const CheckRect& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom && inner.left < inner.right && inner.top < inner.bottom;
}

TEST(SignCheckLayout, LinesStackInsideTheFreeAreaAtEveryScale) {
  for (int scale : {100, 125, 150, 200}) {
    for (int lines = 1; lines <= kSignQuestionLines; ++lines) {
      const SignCheckLayout l = LayOutSignCheck(scale, lines);
      ASSERT_TRUE(Inside(l.caption, l.area)) << scale;
      EXPECT_GE(l.caption.bottom - l.caption.top, l.captionEm * 5 / 4) << scale;
      int top = l.caption.bottom;
      for (int i = 0; i < lines; ++i) {
        ASSERT_TRUE(Inside(l.question[i], l.area)) << scale << " " << i;
        EXPECT_GE(l.question[i].top, top) << scale << " " << i;
        EXPECT_GE(l.question[i].bottom - l.question[i].top, l.questionEm * 5 / 4) << scale;
        top = l.question[i].bottom;
      }
      // The block is centred in the area, to the pixel.
      EXPECT_LE(std::abs((l.caption.top - l.area.top) - (l.area.bottom - top)), 1) << scale;
      EXPECT_GE(l.captionEm, 18 * scale / 100);
      // The question takes two lines at most at its full size with glyphs
      // of 0.6 em on average, as the bold and plain sans faces have.
      const MeasureText wide = [](int em, std::string_view text) { return static_cast<int>(text.size()) * em * 6 / 10; };
      const FittedText q = FitText(kSignCheckQuestion, l.caption.right - l.caption.left, l.questionEm,
                                   l.questionMinEm, kSignQuestionLines, wide);
      for (const std::string& line : q.lines) EXPECT_EQ(line.find(kEllipsis), std::string::npos) << scale;
    }
  }
}

}  // namespace
