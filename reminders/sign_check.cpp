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

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

std::vector<std::string_view> Words(std::string_view text) {
  std::vector<std::string_view> words;
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t begin = text.find_first_not_of(' ', at);
    if (begin == std::string_view::npos) break;
    std::size_t end = text.find(' ', begin);
    if (end == std::string_view::npos) end = text.size();
    words.push_back(text.substr(begin, end - begin));
    at = end;
  }
  return words;
}

std::string Join(const std::vector<std::string_view>& words, std::size_t from, std::size_t to) {
  std::string line;
  for (std::size_t i = from; i < to; ++i) {
    if (i > from) line += ' ';
    line += words[i];
  }
  return line;
}

// As many words from `next` on as fit one line, and at least one (which
// may then be too wide); returns the index after the last one taken.
std::size_t FillLine(const std::vector<std::string_view>& words, std::size_t next, int width, int em,
                     const MeasureText& measure, std::string* line) {
  std::size_t end = next + 1;
  *line = std::string(words[next]);
  while (end < words.size()) {
    std::string longer = *line + ' ';
    longer += words[end];
    if (measure(em, longer) > width) break;
    *line = std::move(longer);
    ++end;
  }
  return end;
}

// The words on at most maxLines lines, each within the width; false when
// they need more lines or one word alone is too wide.
bool Wrap(const std::vector<std::string_view>& words, int width, int em, int maxLines, const MeasureText& measure,
          std::vector<std::string>* lines) {
  lines->clear();
  std::size_t next = 0;
  while (next < words.size()) {
    if (static_cast<int>(lines->size()) == maxLines) return false;
    std::string line;
    next = FillLine(words, next, width, em, measure, &line);
    if (measure(em, line) > width) return false;
    lines->push_back(std::move(line));
  }
  return true;
}

}  // namespace

std::string SignCheckCaption(std::string_view sign) {
  std::string caption = "Dream sign: ";
  caption += sign;
  return caption;
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

std::string FitWithEllipsis(std::string_view text, int width, int em, const MeasureText& measure) {
  if (measure(em, text) <= width) return std::string(text);
  // The starts that end between whole characters, shortest first; the
  // longest that fits with the ellipsis is found by halving, since a longer
  // start never measures less.
  std::vector<std::size_t> cuts;
  for (std::size_t i = 1; i < text.size(); ++i) {
    if (!IsContinuationByte(text[i])) cuts.push_back(i);
  }
  auto withEllipsis = [&](std::size_t cut) {
    std::string_view start = text.substr(0, cut);
    while (!start.empty() && start.back() == ' ') start.remove_suffix(1);
    return std::string(start) + kEllipsis;
  };
  std::string best = measure(em, kEllipsis) <= width ? std::string(kEllipsis) : std::string();
  if (best.empty()) return best;
  std::size_t low = 0, high = cuts.size();  // cuts[0, low) fit, cuts[high, end) do not
  while (low < high) {
    const std::size_t mid = low + (high - low) / 2;
    std::string candidate = withEllipsis(cuts[mid]);
    if (measure(em, candidate) <= width) {
      best = std::move(candidate);
      low = mid + 1;
    } else {
      high = mid;
    }
  }
  return best;
}

FittedText FitText(std::string_view text, int width, int em, int minEm, int maxLines, const MeasureText& measure) {
  if (minEm > em) minEm = em;
  if (minEm < 1) minEm = 1;
  if (maxLines < 1) maxLines = 1;
  const std::vector<std::string_view> words = Words(text);
  FittedText fitted;
  fitted.em = em;
  if (words.empty()) return fitted;
  const std::string oneLine = Join(words, 0, words.size());
  for (int tryEm = em; tryEm >= minEm; --tryEm) {
    if (measure(tryEm, oneLine) <= width) {
      fitted.em = tryEm;
      fitted.lines.push_back(oneLine);
      return fitted;
    }
  }
  for (int tryEm = em; maxLines > 1 && tryEm >= minEm; --tryEm) {
    if (Wrap(words, width, tryEm, maxLines, measure, &fitted.lines)) {
      fitted.em = tryEm;
      return fitted;
    }
  }
  // Too long even wrapped at the smallest size: whole lines as far as they
  // go, a word too wide for a line of its own cut, and the last line cut
  // where the rest stops fitting.
  fitted.em = minEm;
  fitted.lines.clear();
  std::size_t next = 0;
  while (next < words.size() && static_cast<int>(fitted.lines.size()) < maxLines - 1) {
    std::string line;
    next = FillLine(words, next, width, minEm, measure, &line);
    fitted.lines.push_back(FitWithEllipsis(line, width, minEm, measure));
  }
  if (next < words.size()) {
    fitted.lines.push_back(FitWithEllipsis(Join(words, next, words.size()), width, minEm, measure));
  }
  return fitted;
}
