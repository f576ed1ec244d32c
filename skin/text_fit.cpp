#include "skin/text_fit.h"

namespace {

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// One unbreakable piece of a text: a word, or one character of a script
// written without spaces, with what comes before it.
struct Piece {
  std::string_view text;
  bool spaced = false;   // a space before it (dropped at a line's start)
  bool newLine = false;  // a line break in the text before it
};

// The code point starting at text[at] and its length in bytes; a broken
// sequence counts as one byte of its own.
char32_t CodePoint(std::string_view text, std::size_t at, std::size_t* length) {
  const unsigned char lead = static_cast<unsigned char>(text[at]);
  std::size_t n = lead < 0x80 ? 1 : (lead >> 5) == 6 ? 2 : (lead >> 4) == 14 ? 3 : (lead >> 3) == 30 ? 4 : 1;
  if (at + n > text.size()) n = 1;
  for (std::size_t k = 1; k < n; ++k) {
    if (!IsContinuationByte(text[at + k])) n = 1;
  }
  *length = n;
  if (n == 1) return lead;
  char32_t cp = lead & (0xFF >> (n + 1));
  for (std::size_t k = 1; k < n; ++k) cp = (cp << 6) | (static_cast<unsigned char>(text[at + k]) & 0x3F);
  return cp;
}

// Scripts written without spaces: a line may break before any of their
// characters.
bool BreaksAnywhere(char32_t cp) {
  return (cp >= 0x2E80 && cp <= 0x9FFF) || (cp >= 0xF900 && cp <= 0xFAFF) || (cp >= 0xFF00 && cp <= 0xFFEF) ||
         (cp >= 0x20000 && cp <= 0x2FFFF);
}

// Marks that never begin a line: they stay with the character before.
bool StaysWithPrevious(char32_t cp) {
  static const char32_t kClosing[] = {0x3001, 0x3002, 0xFF0C, 0xFF0E, 0x300D, 0x300F, 0xFF09, 0xFF01, 0xFF1F,
                                      0x30FC, 0x2026, 0x3063, 0x30C3, 0x3083, 0x3085, 0x3087, 0x30E3, 0x30E5,
                                      0x30E7, 0xFF1A, 0x30FB};
  for (char32_t c : kClosing) {
    if (c == cp) return true;
  }
  return cp == ',' || cp == '.' || cp == '!' || cp == '?' || cp == ':' || cp == ';' || cp == ')';
}

std::vector<Piece> Pieces(std::string_view text) {
  std::vector<Piece> pieces;
  bool spaced = false, newLine = false;
  std::size_t at = 0, start = std::string_view::npos;
  auto close = [&](std::size_t end) {
    if (start != std::string_view::npos && end > start) {
      pieces.push_back({text.substr(start, end - start), spaced && !pieces.empty(), newLine && !pieces.empty()});
      spaced = newLine = false;
    }
    start = std::string_view::npos;
  };
  while (at < text.size()) {
    const char c = text[at];
    if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
      close(at);
      // A second break in a row keeps its empty line.
      if (c == '\n' && newLine && !pieces.empty()) pieces.push_back({std::string_view(), false, true});
      if (c == '\n') newLine = true;
      else if (c != '\r') spaced = true;
      ++at;
      continue;
    }
    std::size_t length = 1;
    const char32_t cp = CodePoint(text, at, &length);
    if (start != std::string_view::npos && BreaksAnywhere(cp) && !StaysWithPrevious(cp)) close(at);
    if (start == std::string_view::npos) start = at;
    at += length;
    // After such a character the next may begin a line, unless it stays.
    if (BreaksAnywhere(cp) && at < text.size()) {
      std::size_t nextLength = 1;
      const char32_t next = CodePoint(text, at, &nextLength);
      if (!StaysWithPrevious(next) && next != ' ') close(at);
    }
  }
  close(at);
  return pieces;
}

std::string Join(const std::vector<Piece>& pieces, std::size_t from, std::size_t to) {
  std::string line;
  for (std::size_t i = from; i < to; ++i) {
    if (i > from && (pieces[i].spaced || pieces[i].newLine)) line += ' ';
    line += pieces[i].text;
  }
  return line;
}

bool HasLineBreak(const std::vector<Piece>& pieces) {
  for (const Piece& p : pieces) {
    if (p.newLine) return true;
  }
  return false;
}

// As many pieces from `next` on as fit one line, and at least one (which
// may then be too wide), stopping at a line break of the text; returns the
// index after the last one taken.
std::size_t FillLine(const std::vector<Piece>& pieces, std::size_t next, int width, int em,
                     const MeasureText& measure, std::string* line) {
  std::size_t end = next + 1;
  *line = std::string(pieces[next].text);
  while (end < pieces.size() && !pieces[end].newLine) {
    std::string longer = *line;
    if (pieces[end].spaced) longer += ' ';
    longer += pieces[end].text;
    if (measure(em, longer) > width) break;
    *line = std::move(longer);
    ++end;
  }
  return end;
}

// The pieces on at most maxLines lines, each within the width; false when
// they need more lines or one piece alone is too wide.
bool Wrap(const std::vector<Piece>& pieces, int width, int em, int maxLines, const MeasureText& measure,
          std::vector<std::string>* lines) {
  lines->clear();
  std::size_t next = 0;
  while (next < pieces.size()) {
    if (static_cast<int>(lines->size()) == maxLines) return false;
    std::string line;
    next = FillLine(pieces, next, width, em, measure, &line);
    if (measure(em, line) > width) return false;
    lines->push_back(std::move(line));
  }
  return true;
}

}  // namespace

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
  const std::vector<Piece> words = Pieces(text);
  FittedText fitted;
  fitted.em = em;
  if (words.empty()) return fitted;
  const std::string oneLine = Join(words, 0, words.size());
  for (int tryEm = em; !HasLineBreak(words) && tryEm >= minEm; --tryEm) {
    if (measure(tryEm, oneLine) <= width) {
      fitted.em = tryEm;
      fitted.lines.push_back(oneLine);
      return fitted;
    }
  }
  for (int tryEm = em; (maxLines > 1 || HasLineBreak(words)) && tryEm >= minEm; --tryEm) {
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

void BlendTextCoverage(std::uint8_t* bgra, const std::uint8_t* coverage, std::size_t pixels, std::uint32_t rgb) {
  const unsigned colour[3] = {rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF};  // B, G, R
  for (std::size_t i = 0; i < pixels; ++i) {
    const unsigned k = coverage[i];
    if (k == 0) continue;
    std::uint8_t* p = bgra + i * 4;
    // The text over the pixel, "source over" in straight alpha, in units of
    // 255 * 255 so that nothing is rounded twice.
    const unsigned below = p[3] * (255 - k);           // the pixel's share
    const unsigned outA = k * 255 + below;             // alpha * 255
    for (int c = 0; c < 3; ++c) {
      const unsigned sum = colour[c] * k * 255 + p[c] * below;
      p[c] = static_cast<std::uint8_t>((sum + outA / 2) / outA);
    }
    p[3] = static_cast<std::uint8_t>((outA + 127) / 255);
  }
}
