#include "journal/morning_words.h"

#include <cstdint>
#include <vector>

#include "settings/translation.h"
#include "skin/picture_text.h"

namespace {

constexpr int kDesignWidth = 337;

// The artwork's colours.
constexpr std::uint32_t kTextColour = 0xE9EBFF;
constexpr std::uint32_t kWarmColour = 0xFFE9A8;
constexpr std::uint32_t kMutedColour = 0x9EA6DC;

// Rooms in the pixels of the 100 % picture, each placed so that one line
// of English sits on the artwork's baseline (centred in the room, with
// the DejaVu faces' ascent of 0.928 em and descent of 0.236 em) and as
// large as the drawings around it allow.
struct Room {
  int left, top, right, bottom;
};

constexpr Room kGreetingRoom = {70, 30, 283, 60};   // right of the moon, left of the x
constexpr Room kQuestionRoom = {40, 58, 313, 85};   // above the answers
constexpr Room kPrivacyRoom = {40, 190, 297, 210};  // under the answers

// The captions under the answers' pictures, in the answers' places of
// template IDD_MORNING at 100 % (90 x 91 pixels from y 98), 6 pixels in
// from their sides: three lines of 10 pixels, one or two centred on the
// lines the artwork drew.
struct Answer {
  Room room;
  const char* caption;
};
const Answer kAnswers[] = {
    // Translators: an answer of the morning question (after "Last night
    // you had:"), under its picture. Room: 78 x 33 pixels, up to three
    // short lines of small condensed letters.
    {{30, 152, 108, 185}, N_("A lucid dream")},
    // Translators: an answer of the morning question (after "Last night
    // you had:"), under its picture. Room: 78 x 33 pixels, up to three
    // short lines of small condensed letters.
    {{129, 152, 207, 185}, N_("A dream")},
    // Translators: an answer of the morning question (after "Last night
    // you had:"), under its picture. Room: 78 x 33 pixels, up to three
    // short lines of small condensed letters; \n breaks the line where
    // you want it (the English one has two lines).
    {{228, 152, 306, 185}, N_("Nothing I\nremember")},
};

PictureText Words(const Room& room, const char* text, int em, int minEm, int maxLines, std::uint32_t colour) {
  return TextInRoom(room.left, room.top, room.right, room.bottom, text, em, minEm, maxLines, TextAlign::Centre, colour);
}

}  // namespace

bool DrawMorningWords(HBITMAP picture, bool lit, bool answers) {
  BITMAP bm = {};
  if (!picture || GetObjectA(picture, sizeof bm, &bm) == 0 || bm.bmWidth <= 0) return false;
  const int scale = (bm.bmWidth * 100 + kDesignWidth / 2) / kDesignWidth;
  std::vector<PictureText> texts;
  if (!lit) {
    // Translators: the greeting at the top of the morning question, in
    // large bold letters. Room: one line of 213 pixels.
    PictureText greeting = Words(kGreetingRoom, Tr("Good morning."), 19, 14, 1, kTextColour);
    greeting.weight = FW_BOLD;
    texts.push_back(greeting);
    // Translators: the morning question, under "Good morning." and above
    // its three answers ("A lucid dream", "A dream", "Nothing I
    // remember"). Room: 273 x 27 pixels, one line or two smaller ones.
    texts.push_back(Words(kQuestionRoom, Tr("Last night you had:"), 13, 9, 2, kWarmColour));
    // Translators: the last line of the morning question, in small faint
    // letters. Room: 257 x 20 pixels, one or two lines.
    PictureText privacy = Words(kPrivacyRoom, Tr("your answer stays on this PC"), 9, 7, 2, kMutedColour);
    privacy.condensed = true;
    privacy.opacity = 204;
    texts.push_back(privacy);
  }
  if (answers) {
    for (const Answer& answer : kAnswers) {
      PictureText caption = Words(answer.room, Tr(answer.caption), 10, 8, 3, lit ? kWarmColour : kTextColour);
      caption.condensed = true;
      texts.push_back(caption);
    }
  }
  return texts.empty() || DrawPictureTexts(picture, scale, texts);
}
