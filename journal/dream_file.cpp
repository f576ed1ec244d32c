#include "journal/dream_file.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <utility>

namespace {

constexpr char kBom[] = "\xEF\xBB\xBF";
constexpr std::size_t kBomLength = 3;
constexpr char kSignsLabel[] = "dream signs:";
constexpr std::size_t kSignsLabelLength = sizeof kSignsLabel - 1;

struct HeadingWord {
  const char* heading;  // lower case, as matched
  DreamKind kind;
};

const HeadingWord kHeadings[] = {
    {"## lucid dream", DreamKind::Lucid},
    {"## dream", DreamKind::Dream},
    {"## fragment", DreamKind::Fragment},
};

inline char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c; }

bool EqualsAsciiNoCase(std::string_view text, std::string_view lower) {
  if (text.size() != lower.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (AsciiLower(text[i]) != lower[i]) return false;
  }
  return true;
}

inline bool IsBlankChar(char c) { return c == ' ' || c == '\t' || c == '\r'; }

bool IsBlankLine(std::string_view line) {
  for (char c : line) {
    if (!IsBlankChar(c)) return false;
  }
  return true;
}

std::string_view TrimSpaces(std::string_view text) {
  std::size_t begin = 0, end = text.size();
  while (begin < end && (text[begin] == ' ' || text[begin] == '\t')) ++begin;
  while (end > begin && (text[end - 1] == ' ' || text[end - 1] == '\t')) --end;
  return text.substr(begin, end - begin);
}

bool StartsWithSignsLabel(std::string_view line) {
  return line.size() >= kSignsLabelLength && EqualsAsciiNoCase(line.substr(0, kSignsLabelLength), kSignsLabel);
}

// The lines of a text split at "\n", each without one CR before its "\n"
// (the last line too, should the text end in a lone CR). A text ending in
// "\n" has no empty line after it.
std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t at = 0;
  while (at < text.size()) {
    std::size_t end = text.find('\n', at);
    const std::size_t next = end == std::string_view::npos ? text.size() : end + 1;
    if (end == std::string_view::npos) end = text.size();
    std::size_t length = end - at;
    if (length > 0 && text[at + length - 1] == '\r') --length;
    lines.push_back(text.substr(at, length));
    at = next;
  }
  return lines;
}

// A line that is a dream heading behind one or more backslashes.
bool IsEscapedHeading(std::string_view line) {
  std::size_t slashes = 0;
  while (slashes < line.size() && line[slashes] == '\\') ++slashes;
  DreamKind kind;
  return slashes > 0 && ParseDreamHeading(line.substr(slashes), &kind);
}

// True when a text line must be written behind a backslash: it reads as a
// dream heading as it is, or after reading takes one backslash off.
bool NeedsEscape(std::string_view line) {
  DreamKind kind;
  return ParseDreamHeading(line, &kind) || IsEscapedHeading(line);
}

// Joins lines[begin, end) with "\n" after dropping the blank lines at either
// end. Reading a file takes one backslash off escaped headings.
std::string JoinText(const std::vector<std::string_view>& lines, std::size_t begin, std::size_t end, bool unescape) {
  while (begin < end && IsBlankLine(lines[begin])) ++begin;
  while (end > begin && IsBlankLine(lines[end - 1])) --end;
  std::string text;
  for (std::size_t i = begin; i < end; ++i) {
    std::string_view line = lines[i];
    if (unescape && IsEscapedHeading(line)) line.remove_prefix(1);
    if (i > begin) text += '\n';
    text.append(line.data(), line.size());
  }
  return text;
}

// Kind, signs and text of one dream block (its heading line first).
void ReadDream(std::string_view raw, DreamKind kind, Dream* dream) {
  dream->kind = kind;
  const std::size_t headingEnd = raw.find('\n');
  const std::vector<std::string_view> lines =
      SplitLines(headingEnd == std::string_view::npos ? std::string_view() : raw.substr(headingEnd + 1));
  std::size_t first = 0;
  while (first < lines.size() && IsBlankLine(lines[first])) ++first;
  std::size_t textBegin = 0;
  if (first < lines.size() && StartsWithSignsLabel(lines[first])) {
    dream->signs = SplitDreamSigns(lines[first].substr(kSignsLabelLength));
    textBegin = first + 1;
  }
  dream->text = JoinText(lines, textBegin, lines.size(), true);
}

// The signs as they can be written on one line: line breaks split them
// like commas, so a sign never ends the line early.
std::vector<std::string> WritableSigns(const std::vector<std::string>& signs) {
  std::vector<std::string> out;
  for (const std::string& sign : signs) {
    for (std::string& piece : SplitDreamSigns(sign)) out.push_back(std::move(piece));
  }
  return out;
}

void WriteDream(const Dream& dream, const char* eol, std::string* out) {
  *out += DreamHeading(dream.kind);
  *out += eol;
  const std::vector<std::string> signs = WritableSigns(dream.signs);
  const std::string text = NormaliseDreamText(dream.text);
  const std::vector<std::string_view> lines = SplitLines(text);
  if (!signs.empty()) {
    *out += "Dream signs: ";
    for (std::size_t i = 0; i < signs.size(); ++i) {
      if (i > 0) *out += ", ";
      *out += signs[i];
    }
    *out += eol;
  } else if (!lines.empty() && StartsWithSignsLabel(lines[0])) {
    // Without this empty signs line the text's first line would be read
    // back as the dream's signs.
    *out += "Dream signs:";
    *out += eol;
  }
  for (std::string_view line : lines) {
    if (NeedsEscape(line)) *out += '\\';
    out->append(line.data(), line.size());
    *out += eol;
  }
}

// True when the body (from `from`) ends with a line end after a blank line,
// or is one blank line.
bool EndsWithBlankLine(const std::string& out, std::size_t from) {
  if (out.size() <= from || out.back() != '\n') return false;
  std::size_t lineStart = out.size() - 1;
  while (lineStart > from && out[lineStart - 1] != '\n') --lineStart;
  return IsBlankLine(std::string_view(out).substr(lineStart, out.size() - 1 - lineStart));
}

// Four digits, two, two: "YYYY-MM-DD" at the start of `name`.
bool ParseDatePart(std::string_view name, CivilTime* date) {
  if (name.size() < 10 || name[4] != '-' || name[7] != '-') return false;
  int fields[3] = {0, 0, 0};
  const std::size_t starts[3] = {0, 5, 8};
  const std::size_t lengths[3] = {4, 2, 2};
  for (int f = 0; f < 3; ++f) {
    for (std::size_t i = starts[f]; i < starts[f] + lengths[f]; ++i) {
      if (name[i] < '0' || name[i] > '9') return false;
      fields[f] = fields[f] * 10 + (name[i] - '0');
    }
  }
  CivilTime t;
  t.year = fields[0];
  t.month = fields[1];
  t.day = fields[2];
  if (!IsValidCivil(t)) return false;
  *date = t;
  return true;
}

// Bytes in the UTF-8 sequence starting at text[at]: what its lead byte
// announces, cut short before any byte that does not continue it. A stray
// byte counts as one character.
std::size_t SequenceLength(std::string_view text, std::size_t at) {
  const unsigned char lead = static_cast<unsigned char>(text[at]);
  std::size_t length = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : lead < 0xF8 ? 4 : 1;
  std::size_t have = 1;
  while (have < length && at + have < text.size() &&
         (static_cast<unsigned char>(text[at + have]) & 0xC0) == 0x80) {
    ++have;
  }
  return have;
}

// True when 8 bytes at p are all ASCII and none is NUL.
inline bool EightPlainBytes(const unsigned char* p) {
  std::uint64_t v;
  std::memcpy(&v, p, sizeof v);
  constexpr std::uint64_t kOnes = 0x0101010101010101ull, kHighs = 0x8080808080808080ull;
  return ((v | ((v - kOnes) & ~v)) & kHighs) == 0;
}

}  // namespace

const char* DreamHeading(DreamKind kind) {
  switch (kind) {
    case DreamKind::Lucid: return "## Lucid dream";
    case DreamKind::Fragment: return "## Fragment";
    case DreamKind::Dream: break;
  }
  return "## Dream";
}

bool ParseDreamHeading(std::string_view line, DreamKind* kind) {
  if (line.size() < 3 || line[0] != '#' || line[1] != '#' || line[2] != ' ') return false;
  while (!line.empty() && IsBlankChar(line.back())) line.remove_suffix(1);
  for (const HeadingWord& h : kHeadings) {
    if (EqualsAsciiNoCase(line, h.heading)) {
      *kind = h.kind;
      return true;
    }
  }
  return false;
}

bool IsCleanUtf8(const char* data, std::size_t size) {
  const unsigned char* p = reinterpret_cast<const unsigned char*>(data);
  const unsigned char* const end = p + size;
  while (p < end) {
    // Dream text is mostly ASCII: eight bytes at a time where it is.
    if (end - p >= 8 && EightPlainBytes(p)) {
      p += 8;
      continue;
    }
    const unsigned char c = *p;
    if (c < 0x80) {
      if (c == 0) return false;
      ++p;
      continue;
    }
    // The ranges of the second byte rule out overlong forms (E0, F0),
    // surrogates (ED) and code points past U+10FFFF (F4); C0, C1 and F5..FF
    // never start a sequence.
    std::ptrdiff_t follow = 0;
    unsigned char low = 0x80, high = 0xBF;
    if (c >= 0xC2 && c <= 0xDF) {
      follow = 1;
    } else if (c == 0xE0) {
      follow = 2;
      low = 0xA0;
    } else if (c == 0xED) {
      follow = 2;
      high = 0x9F;
    } else if (c >= 0xE1 && c <= 0xEF) {
      follow = 2;
    } else if (c == 0xF0) {
      follow = 3;
      low = 0x90;
    } else if (c >= 0xF1 && c <= 0xF3) {
      follow = 3;
    } else if (c == 0xF4) {
      follow = 3;
      high = 0x8F;
    } else {
      return false;
    }
    if (end - p <= follow || p[1] < low || p[1] > high) return false;
    for (std::ptrdiff_t k = 2; k <= follow; ++k) {
      if ((p[k] & 0xC0) != 0x80) return false;
    }
    p += follow + 1;
  }
  return true;
}

DreamFileStatus ParseDreamFile(const char* data, std::size_t size, DreamFile* out) {
  *out = DreamFile();
  if (size > kMaxDreamFileBytes || !IsCleanUtf8(data, size)) return DreamFileStatus::Unreadable;
  const std::string_view bytes(data, size);
  std::size_t at = 0;
  if (bytes.substr(0, kBomLength) == kBom) {
    out->bom = true;
    at = kBomLength;
  }
  const std::size_t firstEnd = bytes.find('\n', at);
  if (firstEnd != std::string_view::npos && (firstEnd == at || bytes[firstEnd - 1] != '\r')) {
    out->lineEnd = LineEndStyle::Lf;
  }

  // Where each dream starts, and its kind.
  struct Start {
    std::size_t at;
    DreamKind kind;
  };
  std::vector<Start> starts;
  for (std::size_t line = at; line < size;) {
    std::size_t end = bytes.find('\n', line);
    if (end == std::string_view::npos) end = size;
    DreamKind kind;
    if (ParseDreamHeading(bytes.substr(line, end - line), &kind)) starts.push_back({line, kind});
    line = end + 1;
  }

  out->preamble.assign(bytes.substr(at, (starts.empty() ? size : starts[0].at) - at));
  out->dreams.resize(starts.size());
  for (std::size_t i = 0; i < starts.size(); ++i) {
    const std::size_t end = i + 1 < starts.size() ? starts[i + 1].at : size;
    Dream& dream = out->dreams[i];
    dream.raw.assign(bytes.substr(starts[i].at, end - starts[i].at));
    ReadDream(dream.raw, starts[i].kind, &dream);
  }
  return DreamFileStatus::Ok;
}

std::string FormatDreamFile(const DreamFile& file) {
  const char* eol = file.lineEnd == LineEndStyle::Lf ? "\n" : "\r\n";
  std::string out;
  std::size_t size = file.preamble.size() + kBomLength;
  for (const Dream& dream : file.dreams) size += dream.raw.size() + dream.text.size() + 64;
  out.reserve(size);
  if (file.bom) out += kBom;
  const std::size_t body = out.size();
  out += file.preamble;
  bool afterWritten = false;  // the block before was written by the program
  for (const Dream& dream : file.dreams) {
    const bool fromRaw = !dream.changed && !dream.raw.empty();
    // Bytes as read follow each other unchanged; anything the program
    // writes, or writes after, stands on its own line after a blank one.
    if (out.size() > body && (!fromRaw || afterWritten || out.back() != '\n')) {
      if (out.back() != '\n') out += eol;
      if (!EndsWithBlankLine(out, body)) out += eol;
    }
    if (fromRaw) {
      out += dream.raw;
    } else {
      WriteDream(dream, eol, &out);
    }
    afterWritten = !fromRaw;
  }
  return out;
}

std::vector<std::string> SplitDreamSigns(std::string_view list) {
  std::vector<std::string> signs;
  std::size_t at = 0;
  while (at <= list.size()) {
    std::size_t end = list.find_first_of(",\r\n", at);
    if (end == std::string_view::npos) end = list.size();
    const std::string_view sign = TrimSpaces(list.substr(at, end - at));
    if (!sign.empty()) signs.emplace_back(sign);
    at = end + 1;
  }
  return signs;
}

std::string NormaliseDreamText(std::string_view text) {
  const std::vector<std::string_view> lines = SplitLines(text);
  return JoinText(lines, 0, lines.size(), false);
}

bool UpdateDream(Dream* dream, DreamKind kind, const std::vector<std::string>& signs, std::string_view text) {
  std::vector<std::string> newSigns = WritableSigns(signs);
  std::string newText = NormaliseDreamText(text);
  if (kind == dream->kind && newSigns == dream->signs && newText == dream->text) return false;
  dream->kind = kind;
  dream->signs = std::move(newSigns);
  dream->text = std::move(newText);
  dream->changed = true;
  return true;
}

std::string DreamFileName(int year, int month, int day) {
  char name[32];
  std::snprintf(name, sizeof name, "%04d-%02d-%02d.md", year, month, day);
  return name;
}

std::string DreamFileName(const CivilTime& date) { return DreamFileName(date.year, date.month, date.day); }

std::string ConflictFileName(const CivilTime& date, int n) {
  char name[48];
  std::snprintf(name, sizeof name, "%04d-%02d-%02d (%d).md", date.year, date.month, date.day, n);
  return name;
}

bool ParseDreamFileName(std::string_view name, CivilTime* date, int* copy) {
  CivilTime parsed;
  if (!ParseDatePart(name, &parsed)) return false;
  std::string_view rest = name.substr(10);
  int n = 0;
  if (rest.size() > 2 && rest[0] == ' ' && rest[1] == '(') {
    std::size_t i = 2;
    while (i < rest.size() && i < 6 && rest[i] >= '0' && rest[i] <= '9') n = n * 10 + (rest[i++] - '0');
    if (i == 2 || rest[2] == '0' || n < 2 || i >= rest.size() || rest[i] != ')') return false;
    rest.remove_prefix(i + 1);
  }
  if (!EqualsAsciiNoCase(rest, ".md")) return false;
  *date = parsed;
  if (copy != nullptr) *copy = n;
  return true;
}

std::string FirstWords(std::string_view text, std::size_t maxChars) {
  std::string out;
  std::size_t chars = 0;
  std::size_t lastWordEnd = std::string::npos;  // out's size after its last whole word
  bool space = false;  // a space is due before the next character
  bool cutInWord = false;
  for (std::size_t at = 0; at < text.size();) {
    const char c = text[at];
    if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
      space = !out.empty();
      ++at;
      continue;
    }
    if (space) {
      if (chars + 1 > maxChars) break;  // the last word is whole
      lastWordEnd = out.size();
      out += ' ';
      ++chars;
      space = false;
    }
    if (chars + 1 > maxChars) {
      cutInWord = true;
      break;
    }
    const std::size_t length = SequenceLength(text, at);
    out.append(text.data() + at, length);
    ++chars;
    at += length;
  }
  if (cutInWord && lastWordEnd != std::string::npos) out.resize(lastWordEnd);
  return out;
}
