#include "reminders/text_check_draw.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <vector>

#include "reminders/sign_check.h"
#include "reminders/text_check.h"
#include "settings/translation.h"
#include "skin/picture_text.h"

namespace {

constexpr std::uint32_t kTextColour = 0xE9EBFF;  // the artwork's text colour
constexpr std::uint32_t kWarmColour = 0xFFE9A8;  // its warm accent
constexpr int kDesignWidth = 337;

// The display scale a picture was drawn for, from its width; 0 when the
// bitmap is not a picture.
int PictureScale(HBITMAP picture) {
  BITMAP bm = {};
  if (!picture || GetObjectA(picture, sizeof bm, &bm) == 0 || bm.bmWidth <= 0) return 0;
  return (bm.bmWidth * 100 + kDesignWidth / 2) / kDesignWidth;
}

// A line in a box of the picture's own pixels (the layouts are scaled
// already), bold unless told.
PictureText Line(const CheckRect& box, int em, int minEm, const char* text, std::uint32_t colour, bool bold = true,
                 int lines = 1) {
  PictureText t =
      TextInRoom(box.left, box.top, box.right, box.bottom, text, em, minEm, lines, TextAlign::Centre, colour);
  t.weight = bold ? FW_BOLD : FW_NORMAL;
  return t;
}

}  // namespace

bool DrawTextCheck(HBITMAP picture, const char* word, const char* clock) {
  const int scale = PictureScale(picture);
  if (scale == 0) return false;
  const TextCheckLayout layout = LayOutTextCheck(scale);
  // A font wider than the layout's bound is drawn smaller until it fits.
  return DrawPictureTexts(picture, 100,
                          {Line(layout.word, layout.wordEm, layout.wordEm / 2, TrC(kCheckWordContext, word), kTextColour),
                           Line(layout.time, layout.timeEm, layout.timeEm / 2, clock, kWarmColour)});
}

bool DrawSignCheck(HBITMAP picture, const std::string& sign) {
  const int scale = PictureScale(picture);
  if (scale == 0) return false;
  // The question has the room of two lines under the caption; it wraps
  // onto the second where one is too narrow.
  const SignCheckLayout layout = LayOutSignCheck(scale, kSignQuestionLines);
  CheckRect question = layout.question[0];
  question.bottom = layout.question[kSignQuestionLines - 1].bottom;
  const std::string caption = SignCheckCaption(sign);
  return DrawPictureTexts(picture, 100,
                          {Line(layout.caption, layout.captionEm, layout.captionMinEm, caption.c_str(), kWarmColour),
                           Line(question, layout.questionEm, layout.questionMinEm, Tr(kSignCheckQuestion), kTextColour,
                                false, kSignQuestionLines)});
}
