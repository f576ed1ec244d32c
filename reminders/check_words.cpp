#include "reminders/check_words.h"

#include <cstdint>
#include <vector>

#include "reminders/check_choice.h"
#include "settings/translation.h"
#include "skin/picture_text.h"

namespace {

constexpr int kDesignWidth = 337;

// The artwork's colours.
constexpr std::uint32_t kTextColour = 0xE9EBFF;
constexpr std::uint32_t kHeadColour = 0xB9B2FF;
constexpr std::uint32_t kWarmColour = 0xFFE9A8;
constexpr std::uint32_t kMutedColour = 0x9EA6DC;

// The words' rooms, in the pixels of the 100 % picture. Each is placed so
// that one line of English sits on the baseline the artwork was designed
// with (centred in the room, the DejaVu faces' ascent being 0.928 em and
// their descent 0.236 em), and reaches as far as the drawings around it
// allow, so that a longer translation is set smaller or wraps inside it.
// The card is 317 pixels wide; the lines keep 14 pixels from its edge.
// The heading (kCheckHeadingRoom) stands between the moon and the
// sparkle, the hint (kCheckHintRoom) above the card's lower edge.
constexpr CheckRect kQuestionRoom = {24, 70, 313, 119};    // above the divider
constexpr CheckRect kNoticeRoom = {24, 159, 313, 176};     // under what to do
constexpr CheckRect kTextCheckRoom = {24, 155, 313, 184};  // under the word and the time

PictureText Words(const CheckRect& room, const char* text, int em, int minEm, int maxLines, std::uint32_t colour) {
  return TextInRoom(room.left, room.top, room.right, room.bottom, text, em, minEm, maxLines, TextAlign::Centre, colour);
}

// The checks that ask "Is this a dream?": what to do, in the warm colour
// and the size the artwork gives it (smaller for the longer ones), and
// what to notice, muted.
struct CheckLines {
  CheckKind kind;
  const char* todo;
  int todoEm;
  CheckRect todoRoom;
  const char* notice;
};

const CheckLines kCheckLines[] = {
    {CheckKind::Hand,
     // Translators: the reality check popup, under "Is this a dream?": what
     // to do, in large letters (17 pixels). Room: 289 x 32 pixels, one line
     // or two smaller ones.
     N_("Look at your hand."), 17, {24, 127, 313, 159},
     // Translators: the reality check popup, under "Look at your hand.", in
     // small letters. Room: one line of 289 pixels.
     N_("Count your fingers, then look again.")},
    {CheckKind::Nose,
     // Translators: the reality check popup, under "Is this a dream?": what
     // to do, in large letters (17 pixels). Room: 289 x 32 pixels, one line
     // or two smaller ones.
     N_("Pinch your nose."), 17, {24, 127, 313, 159},
     // Translators: the reality check popup, under "Pinch your nose.", in
     // small letters. Room: one line of 289 pixels.
     N_("Can you still breathe?")},
    {CheckKind::Palm,
     // Translators: the reality check popup, under "Is this a dream?": what
     // to do (14 pixels). Room: 289 x 30 pixels, one line or two smaller
     // ones.
     N_("Push a finger against your palm."), 14, {24, 129, 313, 159},
     // Translators: the reality check popup, under "Push a finger against
     // your palm.", in small letters. Room: one line of 289 pixels.
     N_("Does it go through?")},
    {CheckKind::Clock,
     // Translators: the reality check popup, under "Is this a dream?": what
     // to do (13 pixels). Room: 289 x 29 pixels, one line or two smaller
     // ones.
     N_("Look at a clock, look away, look again."), 13, {24, 130, 313, 159},
     // Translators: the reality check popup, under "Look at a clock, look
     // away, look again.", in small letters. Room: one line of 289 pixels.
     N_("Did it change?")},
};

}  // namespace

bool DrawCheckWords(HBITMAP picture, int kind) {
  BITMAP bm = {};
  if (!picture || GetObjectA(picture, sizeof bm, &bm) == 0 || bm.bmWidth <= 0) return false;
  const int scale = (bm.bmWidth * 100 + kDesignWidth / 2) / kDesignWidth;
  std::vector<PictureText> texts;

  // Translators: the heading of the reality check popup, in small bold
  // capitals with wide letter spacing. Room: one line of 197 pixels.
  PictureText heading = Words(kCheckHeadingRoom, Tr("REALITY CHECK"), 10, 7, 1, kHeadColour);
  heading.weight = FW_BOLD;
  heading.spacing = 2.5;
  texts.push_back(heading);

  if (kind == static_cast<int>(CheckKind::Text)) {
    // Translators: the text check of the reality check popup, under the
    // word and the time it shows. Room: 289 x 29 pixels, one line or two
    // smaller ones.
    texts.push_back(Words(kTextCheckRoom, Tr("Read it. Look away. Read it again."), 13, 10, 2, kWarmColour));
  }
  for (const CheckLines& lines : kCheckLines) {
    if (static_cast<int>(lines.kind) != kind) continue;
    // Translators: the question of the reality check popup, in very large
    // bold letters (27 pixels). Room: 289 x 49 pixels, one line or two
    // smaller ones.
    PictureText question = Words(kQuestionRoom, Tr("Is this a dream?"), 27, 18, 2, kTextColour);
    question.weight = FW_BOLD;
    texts.push_back(question);
    texts.push_back(Words(lines.todoRoom, Tr(lines.todo), lines.todoEm, lines.todoEm * 4 / 5, 2, kWarmColour));
    texts.push_back(Words(kNoticeRoom, Tr(lines.notice), 11, 8, 1, kMutedColour));
  }

  // Translators: the reality check popup's last line, in small faint
  // letters: how to close it. Room: 257 x 20 pixels, one or two lines.
  PictureText hint = Words(kCheckHintRoom, Tr("double-click to dismiss"), 9, 7, 2, kMutedColour);
  hint.condensed = true;
  hint.opacity = 204;
  texts.push_back(hint);
  return DrawPictureTexts(picture, scale, texts);
}
