// What a screen reader reads when a reality check appears: the words of
// the kind shown, with the text check's word and time and the dream sign.
#include <gtest/gtest.h>

#include "reminders/check_speech.h"

namespace {

TEST(RealityCheckSpeech, EachKindReadsTheWordsItsPopupShows) {
  const struct {
    CheckKind kind;
    const char* words;
  } cases[] = {
      {CheckKind::Hand, "Reality check. Is this a dream? Look at your hand. Count your fingers, then look again."},
      {CheckKind::Nose, "Reality check. Is this a dream? Pinch your nose. Can you still breathe?"},
      {CheckKind::Palm, "Reality check. Is this a dream? Push a finger against your palm. Does it go through?"},
      {CheckKind::Clock, "Reality check. Is this a dream? Look at a clock, look away, look again. Did it change?"},
      {CheckKind::Text, "Reality check. The word candle and the time 07:05. Read it. Look away. Read it again."},
      {CheckKind::DreamSign, "Reality check. Dream sign: my old school. Is it here? Look around, then check again."},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(RealityCheckSpeech(c.kind, "candle", "07:05", "my old school"), c.words) << static_cast<int>(c.kind);
  }
  // A kind out of range reads as the hand, whose picture it shows; a sign
  // that ends a sentence itself gets no second mark.
  EXPECT_EQ(RealityCheckSpeech(static_cast<CheckKind>(0), "", "", ""), cases[0].words);
  EXPECT_EQ(RealityCheckSpeech(CheckKind::DreamSign, "", "", "flying?"),
            "Reality check. Dream sign: flying? Is it here? Look around, then check again.");
}

}  // namespace
