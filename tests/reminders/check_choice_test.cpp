// The random gaps between reminders, the choice of the next check (with
// and without dream signs), the text check's words, layout and drawing
// over the picture's alpha.
#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <set>
#include <string>

#include "reminders/check_choice.h"
#include "reminders/text_check.h"

namespace {

TEST(ReminderGap, StaysWithinHalfAndOneAndAHalfPeriodsAndAveragesThePeriod) {
  for (std::uint32_t period : {60000u, 1800000u, 5400000u}) {
    CheckRandom random(12345);
    double sum = 0;
    std::uint32_t least = UINT32_MAX, most = 0;
    const int draws = 20000;
    for (int i = 0; i < draws; ++i) {
      const std::uint32_t gap = DrawReminderGapMs(period, random);
      ASSERT_GE(gap, period / 2);
      ASSERT_LE(gap, period + period / 2);
      least = std::min(least, gap);
      most = std::max(most, gap);
      sum += gap;
    }
    EXPECT_NEAR(sum / draws, period, period * 0.02) << period;
    // The whole range is used, not a narrow band around the middle.
    EXPECT_LT(least, period * 0.55);
    EXPECT_GT(most, period * 1.45);
  }
}

TEST(ReminderGap, SeedsGiveTheirOwnSeriesAndExtremePeriodsStayUsable) {
  CheckRandom a(1), b(1), c(2);
  std::string sa, sb, sc;
  for (int i = 0; i < 8; ++i) {
    sa += std::to_string(DrawReminderGapMs(1800000, a)) + " ";
    sb += std::to_string(DrawReminderGapMs(1800000, b)) + " ";
    sc += std::to_string(DrawReminderGapMs(1800000, c)) + " ";
  }
  EXPECT_EQ(sa, sb);
  EXPECT_NE(sa, sc);
  // The longest period would reach past the longest timer; a zero one
  // would fire continuously.
  CheckRandom r(7);
  for (int i = 0; i < 1000; ++i) {
    EXPECT_LE(DrawReminderGapMs(0x7FFFFFFF / 60000 * 60000, r), 0x7FFFFFFFu);
    EXPECT_GE(DrawReminderGapMs(0, r), 1u);
    EXPECT_GE(DrawReminderGapMs(1, r), 1u);
  }
}

TEST(NextCheck, NeverRepeatsAndReachesEveryOtherKind) {
  CheckRandom random(99);
  int previous = 0;
  int counts[kCheckKindCount + 1] = {};
  for (int i = 0; i < 5000; ++i) {
    const int kind = static_cast<int>(ChooseNextCheck(previous, random));
    ASSERT_GE(kind, 1);
    ASSERT_LE(kind, kCheckKindCount);
    ASSERT_NE(kind, previous);
    ++counts[kind];
    previous = kind;
  }
  for (int k = 1; k <= kCheckKindCount; ++k) EXPECT_NEAR(counts[k], 1000, 150) << k;
  // Before the first check any kind may come, the hand picture too.
  std::set<int> first;
  for (int i = 0; i < 200; ++i) first.insert(static_cast<int>(ChooseNextCheck(0, random)));
  EXPECT_EQ(first.size(), static_cast<std::size_t>(kCheckKindCount));
}

TEST(NextCheck, WithoutDreamSignsDrawsExactlyAsBefore) {
  CheckRandom before(2024), after(2024);
  int previous = 0;
  for (int i = 0; i < 2000; ++i) {
    const CheckKind kind = ChooseNextCheck(previous, before);
    ASSERT_EQ(ChooseNextCheckWithSigns(previous, false, after), kind) << i;
    previous = static_cast<int>(kind);
  }
  EXPECT_EQ(before(), after());
}

TEST(NextCheck, DreamSignComesOneTimeInFourAndNeverTwiceInARow) {
  CheckRandom random(7);
  const int draws = 40000;
  int previous = 0;
  int counts[kCheckKindCount + 2] = {};
  std::set<int> afterSign;
  for (int i = 0; i < draws; ++i) {
    const int kind = static_cast<int>(ChooseNextCheckWithSigns(previous, true, random));
    ASSERT_GE(kind, 1);
    ASSERT_LE(kind, 6);
    ASSERT_NE(kind, previous) << i;
    if (previous == 6) afterSign.insert(kind);
    ++counts[kind];
    previous = kind;
  }
  EXPECT_NEAR(counts[6], draws / 4, draws * 0.015);
  // The other three quarters shared evenly by the five, and any of them
  // may follow a sign check.
  for (int k = 1; k <= kCheckKindCount; ++k) EXPECT_NEAR(counts[k], draws * 3 / 20, draws * 0.015) << k;
  EXPECT_EQ(afterSign.size(), static_cast<std::size_t>(kCheckKindCount));
}

// Checked for offence by reading the whole list; this guards its form and
// a few words that must never slip in with later additions.
TEST(CheckWords, AreTwoHundredPlainDistinctWordsOfFourToSevenLetters) {
  EXPECT_GE(kCheckWordCount, 200);
  std::set<std::string> seen;
  for (int i = 0; i < kCheckWordCount; ++i) {
    const std::string word = kCheckWords[i];
    EXPECT_GE(word.size(), static_cast<std::size_t>(kShortestCheckWord)) << word;
    EXPECT_LE(word.size(), static_cast<std::size_t>(kLongestCheckWord)) << word;
    for (char c : word) EXPECT_TRUE(c >= 'a' && c <= 'z') << word;
    EXPECT_TRUE(seen.insert(word).second) << "twice: " << word;
  }
  for (const char* rude : {"damn", "hell", "kill", "dead", "death", "bloody", "drug", "naked", "stupid"}) {
    EXPECT_EQ(seen.count(rude), 0u) << rude;
  }
}

bool Inside(const CheckRect& inner, const CheckRect& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

TEST(TextCheckLayout, LongestWordAndLatestTimeFitTheFreeAreaAtEveryScale) {
  for (int scale : {100, 125, 150, 200}) {
    const TextCheckLayout l = LayOutTextCheck(scale);
    const CheckRect area = {kTextCheckArea.left * scale / 100, kTextCheckArea.top * scale / 100,
                            (kTextCheckArea.right * scale + 99) / 100, (kTextCheckArea.bottom * scale + 99) / 100};
    EXPECT_TRUE(Inside(l.word, area)) << scale;
    EXPECT_TRUE(Inside(l.time, area)) << scale;
    EXPECT_LE(l.word.bottom, l.time.top) << scale;
    // Room for the widest case: seven of the widest glyphs, and "23:59".
    EXPECT_GE(l.word.right - l.word.left, kLongestCheckWord * l.wordEm * kWidestGlyphEm) << scale;
    EXPECT_GE(l.time.right - l.time.left, 5 * l.timeEm * kWidestGlyphEm) << scale;
    // Centred across the area, to the pixel.
    EXPECT_LE(std::abs((l.word.left - area.left) - (area.right - l.word.right)), 1) << scale;
    EXPECT_LE(std::abs((l.time.left - area.left) - (area.right - l.time.right)), 1) << scale;
    // Large enough to read at a glance.
    EXPECT_GE(l.wordEm, 24 * scale / 100);
  }
  EXPECT_EQ(CheckClockText(23, 59), "23:59");
  EXPECT_EQ(CheckClockText(7, 5), "07:05");
}

TEST(TextCoverage, BlendsOverOpaqueAndClearPixelsAndLeavesUncoveredOnes) {
  // B, G, R, A: opaque dark blue, fully clear, half-clear grey, untouched.
  std::uint8_t px[] = {0x48, 0x15, 0x10, 255, 0, 0, 0, 0, 100, 100, 100, 128, 1, 2, 3, 4};
  const std::uint8_t cover[] = {255, 255, 128, 0};
  BlendTextCoverage(px, cover, 4, 0xFFE9A8);  // R ff, G e9, B a8
  const std::uint8_t full[] = {0xA8, 0xE9, 0xFF, 255};
  EXPECT_EQ(0, std::memcmp(px, full, 4));
  EXPECT_EQ(0, std::memcmp(px + 4, full, 4));  // full coverage: the text's own colour, opaque
  // Half coverage over half alpha: alpha 128 + 128 * 127 / 255, colour
  // weighted by each one's share.
  EXPECT_EQ(px[11], 192);
  EXPECT_NEAR(px[8], (0xA8 * 128.0 + 100 * 64.0) / 192, 1);
  const std::uint8_t untouched[] = {1, 2, 3, 4};
  EXPECT_EQ(0, std::memcmp(px + 12, untouched, 4));
  // Light coverage over an opaque pixel stays opaque.
  std::uint8_t opaque[] = {0, 0, 0, 255};
  const std::uint8_t light[] = {40};
  BlendTextCoverage(opaque, light, 1, 0xFFFFFF);
  EXPECT_EQ(opaque[3], 255);
  EXPECT_EQ(opaque[0], 40);
}

}  // namespace
