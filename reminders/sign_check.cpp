#include "reminders/sign_check.h"

#include <cmath>

namespace {

// The em heights at 100 %, the smallest a line is made before it wraps or
// is cut, the line height as a share of the em, and the spaces around.
constexpr int kCaptionEm = 18;
constexpr int kQuestionEm = 13;
constexpr double kLineEm = 1.25;
constexpr int kLineGap = 8;
constexpr int kSideMargin = 6;

int Scaled(int v, int scalePercent) { return (v * scalePercent + 50) / 100; }

int LineHeight(int em) { return static_cast<int>(std::ceil(em * kLineEm)); }

}  // namespace

std::string SignCheckCaption(std::string_view sign) {
  // Translators: the heading line of the dream-sign reality check; {sign}
  // is one of the user's own dream signs ("flying"). One bold line of 277
  // pixels at 100 % (about 25 characters with the sign); a long sign is
  // cut with an ellipsis.
  return FillText(Tr("Dream sign: {sign}"), {{"sign", sign}});
}

SignCheckLayout LayOutSignCheck(int scalePercent, int questionLines) {
  if (scalePercent <= 0) scalePercent = 100;
  if (questionLines < 1) questionLines = 1;
  if (questionLines > kSignQuestionLines) questionLines = kSignQuestionLines;
  SignCheckLayout layout;
  layout.area = {Scaled(kSignCheckArea.left, scalePercent), Scaled(kSignCheckArea.top, scalePercent),
                 Scaled(kSignCheckArea.right, scalePercent), Scaled(kSignCheckArea.bottom, scalePercent)};
  layout.captionEm = Scaled(kCaptionEm, scalePercent);
  layout.questionEm = Scaled(kQuestionEm, scalePercent);
  // A long sign may lose a quarter of its size before it is cut; the
  // question only an eighth before it wraps, so that it stays easy to read.
  layout.captionMinEm = layout.captionEm * 3 / 4;
  layout.questionMinEm = layout.questionEm * 7 / 8;
  const int left = layout.area.left + Scaled(kSideMargin, scalePercent);
  const int right = layout.area.right - Scaled(kSideMargin, scalePercent);
  const int captionHeight = LineHeight(layout.captionEm);
  const int questionHeight = LineHeight(layout.questionEm);
  const int gap = Scaled(kLineGap, scalePercent);
  const int block = captionHeight + gap + questionLines * questionHeight;
  int top = layout.area.top + (layout.area.bottom - layout.area.top - block) / 2;
  layout.caption = {left, top, right, top + captionHeight};
  top += captionHeight + gap;
  for (int i = 0; i < questionLines; ++i, top += questionHeight) {
    layout.question[i] = {left, top, right, top + questionHeight};
  }
  return layout;
}
