// One morning's dream file, Dreams\YYYY-MM-DD.md: plain UTF-8 Markdown that
// belongs to the user. It holds one or more dreams of the night, each
// starting with a heading line of its own:
//
//   ## Lucid dream          (or "## Dream", or "## Fragment")
//   Dream signs: flying, my old school
//   The dream's text, as many lines as it takes.
//
// Everything else (notes before the first dream, front matter, headings of
// the user's own such as "# My night" or "### detail", blank lines) is kept
// byte for byte: a dream the program did not change is written back from
// the bytes it was read from. No windows.h.
//
// Format notes:
// - A dream heading is a line that is exactly "## Lucid dream", "## Dream"
//   or "## Fragment", ignoring ASCII case ("## lucid Dream" counts), with any
//   spaces, tabs or CRs after it. "##  Dream", " ## Dream" and "## Dreams"
//   are not dream headings; neither is "## Something else": such lines
//   belong to the text of the dream above them (or to the preamble).
// - The "Dream signs:" line (ASCII case ignored) counts only as the first
//   non-empty line after the heading; blank lines between the heading and it
//   are allowed. Signs are separated by commas, trimmed of spaces and tabs,
//   and empty ones are dropped. A "Dream signs:" line further down is text.
// - A dream's text drops the blank lines at its start and end (they are kept
//   in the file while the dream is unchanged) and has "\n" line ends.
// - A text line that would read as a dream heading is written with a
//   backslash in front ("\## Dream"), which Markdown shows as the literal
//   text; reading takes one backslash off any run of backslashes in front of
//   a heading, so "\\## Dream" in the file is "\## Dream" in the text.
// - A changed dream's text whose first line starts with "Dream signs:" while
//   the dream has no signs is written after an empty "Dream signs:" line, so
//   that it stays text when read back.
// - Line ends: a file keeps the style of its first line end (CR LF or LF)
//   for the lines the program writes. A file without any line end, and a new
//   file, use CR LF, which every Windows editor shows as separate lines.
// - A UTF-8 byte-order mark is kept when the file had one; new files have
//   none, as Markdown tools expect.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "settings/setting_values.h"

// Bigger files are no dream journal and are never read or rewritten.
inline constexpr std::size_t kMaxDreamFileBytes = 1024 * 1024;
// The folder beside config.txt that holds the dream files.
inline constexpr const char kDreamFolderName[] = "Dreams";

enum class DreamKind : unsigned char { Lucid, Dream, Fragment };

enum class LineEndStyle : unsigned char { CrLf, Lf };

struct Dream {
  DreamKind kind = DreamKind::Dream;
  std::vector<std::string> signs;  // trimmed, none empty
  std::string text;                // "\n" line ends, no blank lines at either end
  // The dream's bytes as read: its heading line up to the next dream's
  // heading (or the end of the file). Empty for a new dream.
  std::string raw;
  // Set when kind, signs or text no longer match `raw`: the dream is then
  // written from them. UpdateDream sets it only when something differs.
  bool changed = false;
};

struct DreamFile {
  bool bom = false;
  LineEndStyle lineEnd = LineEndStyle::CrLf;
  std::string preamble;  // the bytes before the first dream heading, after the BOM
  std::vector<Dream> dreams;
};

enum class DreamFileStatus : unsigned char {
  Ok,
  // Larger than kMaxDreamFileBytes, not valid UTF-8 (overlong forms,
  // surrogates, code points past U+10FFFF, sequences cut short) or holding
  // a NUL byte. The program lists such a file and never rewrites it.
  Unreadable,
};

// The heading line of a kind, without a line end ("## Lucid dream").
const char* DreamHeading(DreamKind kind);
// True when `line` (without its "\n") is a dream heading; sets *kind.
bool ParseDreamHeading(std::string_view line, DreamKind* kind);
// True for UTF-8 without overlong forms, surrogates or code points past
// U+10FFFF, and without NUL bytes.
bool IsCleanUtf8(const char* data, std::size_t size);

// Reads a whole file. On Unreadable, *out is left empty.
DreamFileStatus ParseDreamFile(const char* data, std::size_t size, DreamFile* out);
// The file's bytes. An unchanged parsed file comes back byte for byte. A
// changed or new dream is its heading line, its signs line when it has
// signs, then its text, in the file's line-end style; it stands after one
// blank line and ends with a line end.
std::string FormatDreamFile(const DreamFile& file);

// The signs of a "Dream signs:" line's rest, or of the editor's signs field:
// split at commas, trimmed of spaces and tabs, empty ones dropped.
std::vector<std::string> SplitDreamSigns(std::string_view list);
// Text as a dream holds it: CR LF turned into "\n", the blank lines at the
// start and the end dropped.
std::string NormaliseDreamText(std::string_view text);
// Puts the editor's fields into a dream (the text normalised, the signs
// trimmed) and marks it changed only when something differs from what it
// held, so that saving an untouched dream leaves its bytes as they were.
// Returns whether the dream changed.
bool UpdateDream(Dream* dream, DreamKind kind, const std::vector<std::string>& signs, std::string_view text);

// "YYYY-MM-DD.md", the morning's file. The date's time of day is ignored.
std::string DreamFileName(const CivilTime& date);
std::string DreamFileName(int year, int month, int day);
// "YYYY-MM-DD (n).md": where a save goes when the morning's file changed on
// the disk since it was read. n is 2 or more.
std::string ConflictFileName(const CivilTime& date, int n);
// Accepts "YYYY-MM-DD.md" with a real date and the conflict names
// "YYYY-MM-DD (n).md" (n from 2, no leading zero); the ".md" in any ASCII
// case. Sets *date (00:00) and, when given, *copy (0 for the morning's own
// file, else n).
bool ParseDreamFileName(std::string_view name, CivilTime* date, int* copy = nullptr);

// The start of a text for the list's preview: runs of spaces, tabs and line
// breaks become one space, and at most maxChars characters are kept, cut
// after a whole word where one fits, never inside a UTF-8 sequence.
std::string FirstWords(std::string_view text, std::size_t maxChars);
