// The dream journal's window: every control inside the client area and
// clear of the others at any size and scale, sized to its words however
// long a language makes them, and the place it opens at; and the morning
// answer a dream written down gives the practice record.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "journal/journal_layout.h"
#include "journal/journal_practice.h"

namespace {

bool Overlap(const JournalRect& a, const JournalRect& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

void ExpectInsideAndApart(const JournalLayout& l, int width, int height, const std::string& where) {
  const std::vector<JournalRect> controls = {l.close,      l.search, l.list,      l.signsTitle, l.topSigns,
                                             l.dreams,     l.kind,   l.newButton, l.deleteButton,
                                             l.signsLabel, l.signs,  l.text,      l.status};
  for (std::size_t i = 0; i < controls.size(); ++i) {
    const JournalRect& c = controls[i];
    EXPECT_GT(c.Width(), 0) << where << " " << i;
    EXPECT_GT(c.Height(), 0) << where << " " << i;
    EXPECT_TRUE(c.left >= 0 && c.top >= 0 && c.right <= width && c.bottom <= height) << where << " " << i;
    for (std::size_t j = i + 1; j < controls.size(); ++j) {
      EXPECT_FALSE(Overlap(c, controls[j])) << where << " " << i << " and " << j;
    }
  }
}

// Words measured as a font of about 6 pixels a letter at 100 % would,
// times `stretch`: 1 for English, 1.4 for the tests' pseudo-language, more
// for a language of long words.
JournalWords FakeWords(int dpi, double stretch, int lineHeight) {
  return MeasureJournalWords(
      [dpi, stretch](std::string_view text) {
        return static_cast<int>(static_cast<double>(text.size()) * 6 * stretch * dpi / 96 + 0.5);
      },
      lineHeight);
}

TEST(JournalLayout, ControlsStayInsideAndApartAtEverySizeAndScale) {
  for (int dpi : {96, 120, 144, 192}) {
    for (int size : {0, 1, 2}) {
      const int width = ScalePixels(kJournalMinWidth + size * 300, dpi);
      const int height = ScalePixels(kJournalMinHeight + size * 200, dpi);
      const JournalLayout l = LayOutJournal(width, height, dpi);
      ExpectInsideAndApart(l, width, height, std::to_string(dpi));
      // The editor takes what the window gains.
      EXPECT_GE(l.text.Height(), ScalePixels(200, dpi) + size * ScalePixels(200, dpi) - 2);
    }
  }
  // Smaller than the smallest: laid out as the smallest.
  const JournalLayout tiny = LayOutJournal(10, 10, 96);
  EXPECT_EQ(tiny.status.bottom, kJournalMinHeight - 12);
}

TEST(JournalLayout, EveryLabelButtonAndBoxHoldsItsWordsHoweverLongAtEveryScale) {
  for (int dpi : {96, 120, 144, 192}) {
    for (double stretch : {1.0, 1.4, 2.5}) {
      // A taller font with the longest words, as a Japanese face has.
      const int lineHeight = ScalePixels(stretch > 2 ? 20 : 13, dpi);
      const JournalWords words = FakeWords(dpi, stretch, lineHeight);
      const int least = JournalMinWidth(dpi, words);
      for (int extra : {0, 300}) {
        const int width = least + ScalePixels(extra, dpi);
        const int height = ScalePixels(kJournalMinHeight + extra, dpi);
        const std::string where = std::to_string(dpi) + " x" + std::to_string(stretch) + " +" + std::to_string(extra);
        // A window the system would not let be narrower is laid out as the
        // narrowest.
        const JournalLayout l = LayOutJournal(extra == 0 ? width - 50 : width, height, dpi, words);
        ExpectInsideAndApart(l, width, height, where);
        const int arrow = ScalePixels(17, dpi);  // a drop-down box's arrow
        EXPECT_GT(l.newButton.Width(), words.newButton + ScalePixels(8, dpi)) << where;
        EXPECT_GT(l.deleteButton.Width(), words.deleteButton + ScalePixels(8, dpi)) << where;
        EXPECT_GT(l.dreams.Width(), words.dreams + arrow + ScalePixels(8, dpi)) << where;
        EXPECT_GT(l.kind.Width(), words.kind + arrow + ScalePixels(8, dpi)) << where;
        EXPECT_GE(l.signsLabel.Width(), words.signsLabel) << where;
        EXPECT_GE(l.signsTitle.Width(), words.signsTitle) << where;
        EXPECT_GT(l.search.Width(), words.searchCue + ScalePixels(4, dpi)) << where;
        // A line of the font fits every row and label, an edit field's
        // edges included.
        for (const JournalRect& r : {l.search, l.dreams, l.kind, l.newButton, l.signs}) {
          EXPECT_GE(r.Height(), lineHeight + ScalePixels(4, dpi)) << where;
        }
        for (const JournalRect& r : {l.signsLabel, l.signsTitle, l.status}) EXPECT_GE(r.Height(), lineHeight) << where;
      }
    }
  }
}

TEST(JournalLayout, EnglishKeepsTheDesignedSizesAndLongerWordsGrowButtonsAndTheWindow) {
  const JournalWords english = FakeWords(96, 1.0, 13);
  EXPECT_EQ(JournalMinWidth(96, english), kJournalMinWidth);
  const JournalLayout first = LayOutJournal(kJournalFirstWidth, kJournalFirstHeight, 96, english);
  const JournalLayout design = LayOutJournal(kJournalFirstWidth, kJournalFirstHeight, 96);
  // At the first size the words change nothing of the design.
  const JournalRect got[] = {first.search, first.dreams, first.kind, first.newButton, first.deleteButton, first.signs};
  const JournalRect want[] = {design.search, design.dreams, design.kind, design.newButton, design.deleteButton, design.signs};
  for (std::size_t i = 0; i < 6; ++i) EXPECT_EQ(FormatJournalPlace(got[i]), FormatJournalPlace(want[i])) << i;
  EXPECT_EQ(first.newButton.Width(), 76);

  const JournalWords longer = FakeWords(96, 4.0, 13);
  const JournalLayout wide = LayOutJournal(kJournalFirstWidth, kJournalFirstHeight, 96, longer);
  EXPECT_GT(wide.newButton.Width(), 76);
  EXPECT_GT(wide.deleteButton.Width(), 76);
  EXPECT_GT(JournalMinWidth(96, longer), kJournalMinWidth);
  // The window is never placed narrower than its words need.
  const JournalRect stored = {0, 0, kJournalMinWidth, kJournalMinHeight};
  EXPECT_EQ(PlaceJournal(&stored, {0, 0, 1920, 1040}, 96, JournalMinWidth(96, longer)).Width(),
            JournalMinWidth(96, longer));
}

TEST(JournalLayout, OpensWhereItWasClosedAndAlwaysInsideTheWorkArea) {
  JournalRect stored;
  ASSERT_TRUE(ParseJournalPlace("100,-20,800,600", &stored));
  EXPECT_EQ(FormatJournalPlace(stored), "100,-20,800,600");
  for (const char* bad : {"", "1,2,3", "1,2,3,4,5", "1,2,0,4", "1,2,-3,4", "a,2,3,4", "1, 2,3,4", "1,2,3,4 "}) {
    JournalRect r;
    EXPECT_FALSE(ParseJournalPlace(bad, &r)) << bad;
  }
  const JournalRect work = {0, 0, 1280, 984};
  const struct {
    bool hasStored;
    JournalRect stored;
    int dpi;
    JournalRect want;
  } cases[] = {
      {false, {}, 96, {250, 222, 1030, 762}},                    // first open: centred
      {true, {100, 50, 900, 650}, 96, {100, 50, 900, 650}},      // where it was
      {true, {900, 700, 1700, 1300}, 96, {480, 384, 1280, 984}}, // a monitor gone: pulled back
      {true, {-500, -30, 100, 170}, 96, {0, 0, 620, 420}},       // too small and off the left
      {true, {0, 0, 3000, 2000}, 96, {0, 0, 1280, 984}},         // larger than the work area
      {false, {}, 192, {0, 0, 1280, 984}},                       // 200 %: the first size does not fit
  };
  for (const auto& c : cases) {
    const JournalRect r = PlaceJournal(c.hasStored ? &c.stored : nullptr, work, c.dpi);
    EXPECT_EQ(FormatJournalPlace(r), FormatJournalPlace(c.want)) << FormatJournalPlace(c.stored);
  }
}

}  // namespace


namespace {

TEST(JournalPractice, ADreamWrittenDownGivesTheMorningsAnswerOnlyWhereTheRecordHasNone) {
  DreamFile file;
  PracticeEvent answer = PracticeEvent::None;
  EXPECT_FALSE(MorningAnswerOfDreams(file, &answer));
  file.dreams.resize(2);
  file.dreams[0].kind = DreamKind::Fragment;
  file.dreams[1].kind = DreamKind::Dream;
  ASSERT_TRUE(MorningAnswerOfDreams(file, &answer));
  EXPECT_EQ(answer, PracticeEvent::Dream);
  file.dreams[1].kind = DreamKind::Lucid;
  ASSERT_TRUE(MorningAnswerOfDreams(file, &answer));
  EXPECT_EQ(answer, PracticeEvent::Lucid);

  const std::string text =
      "2026-12-08 07:10:00,none\r\n2026-12-09 09:00:00,shown\r\n2026-12-09 09:01:00,checked\r\n";
  const std::vector<PracticeEntry> record = ReadPracticeText(text.data(), text.size());
  LocalMinute minute = 0;
  ASSERT_TRUE(ParseDateTime("2026-12-08 00:00", &minute));
  EXPECT_TRUE(RecordHasAnswerOn(record, DayOf(minute)));
  EXPECT_FALSE(RecordHasAnswerOn(record, DayOf(minute) + 1));  // checks are no answer
  EXPECT_FALSE(RecordHasAnswerOn(record, DayOf(minute) - 1));
}

}  // namespace
