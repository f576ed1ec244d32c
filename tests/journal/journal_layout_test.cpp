// The dream journal's window: every control inside the client area and
// clear of the others at any size and scale, and the place it opens at;
// and the morning answer a dream written down gives the practice record.
#include <gtest/gtest.h>

#include <vector>

#include "journal/journal_layout.h"
#include "journal/journal_practice.h"

namespace {

bool Overlap(const JournalRect& a, const JournalRect& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

TEST(JournalLayout, ControlsStayInsideAndApartAtEverySizeAndScale) {
  for (int dpi : {96, 120, 144, 192}) {
    for (int size : {0, 1, 2}) {
      const int width = ScalePixels(kJournalMinWidth + size * 300, dpi);
      const int height = ScalePixels(kJournalMinHeight + size * 200, dpi);
      const JournalLayout l = LayOutJournal(width, height, dpi);
      const std::vector<JournalRect> controls = {l.close,     l.search, l.list,         l.signsTitle, l.topSigns,
                                                 l.dreams,    l.kind,   l.newButton,    l.deleteButton,
                                                 l.signsLabel, l.signs, l.text,         l.status};
      for (std::size_t i = 0; i < controls.size(); ++i) {
        const JournalRect& c = controls[i];
        EXPECT_GT(c.Width(), 0) << dpi << " " << i;
        EXPECT_GT(c.Height(), 0) << dpi << " " << i;
        EXPECT_TRUE(c.left >= 0 && c.top >= 0 && c.right <= width && c.bottom <= height) << dpi << " " << i;
        for (std::size_t j = i + 1; j < controls.size(); ++j) {
          EXPECT_FALSE(Overlap(c, controls[j])) << dpi << " " << i << " and " << j;
        }
      }
      // The editor takes what the window gains.
      EXPECT_GE(l.text.Height(), ScalePixels(200, dpi) + size * ScalePixels(200, dpi) - 2);
    }
  }
  // Smaller than the smallest: laid out as the smallest.
  const JournalLayout tiny = LayOutJournal(10, 10, 96);
  EXPECT_EQ(tiny.status.bottom, kJournalMinHeight - 12);
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
