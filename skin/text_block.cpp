#include "skin/text_block.h"

#include <string>
#include <vector>

namespace {

// The text's own lines, without the CR of a CR LF and the blanks at their
// ends, a TAB read as a space.
std::vector<std::string> OwnLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = text.find('\n', start);
    std::string_view line = text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t')) line.remove_suffix(1);
    lines.emplace_back(line);
    for (char& c : lines.back()) c = c == '\t' ? ' ' : c;
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
  return lines;
}

std::size_t Ellipses(std::string_view text) {
  std::size_t count = 0;
  for (std::size_t at = text.find(kEllipsis); at != std::string_view::npos; at = text.find(kEllipsis, at + 1)) ++count;
  return count;
}

int LinesThatFit(int height, int em, const MeasureLineHeight& lineHeight) {
  const int line = lineHeight(em);
  return line > 0 ? height / line : 0;
}

}  // namespace

FittedText FitTextBlock(std::string_view text, int width, int height, int em, int minEm, const MeasureText& measure,
                        const MeasureLineHeight& lineHeight) {
  if (minEm > em) minEm = em;
  if (minEm < 1) minEm = 1;
  const std::vector<std::string> own = OwnLines(text);
  for (int tryEm = em; tryEm >= minEm; --tryEm) {
    if (static_cast<int>(own.size()) > LinesThatFit(height, tryEm, lineHeight)) continue;
    bool fits = true;
    for (const std::string& line : own) fits = fits && measure(tryEm, line) <= width;
    if (fits) return FittedText{tryEm, own};
  }
  // Wrapped: FitText either fits the lines it is given or cuts; a cut shows
  // as more ellipses than the text had.
  const std::size_t ownEllipses = Ellipses(text);
  for (int tryEm = em; tryEm >= minEm; --tryEm) {
    const int lines = LinesThatFit(height, tryEm, lineHeight);
    if (lines < 1) continue;
    FittedText fitted = FitText(text, width, tryEm, tryEm, lines, measure);
    std::size_t ellipses = 0;
    for (const std::string& line : fitted.lines) ellipses += Ellipses(line);
    if (ellipses <= ownEllipses) return fitted;
  }
  const int lines = LinesThatFit(height, minEm, lineHeight);
  return FitText(text, width, minEm, minEm, lines < 1 ? 1 : lines, measure);
}
