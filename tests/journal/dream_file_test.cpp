// The dream files: the user's bytes kept through reading and writing back,
// damaged files refused, one edited dream rewritten alone, text that looks
// like a heading, the file names and the list's preview.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "journal/dream_file.h"

namespace {

// "crlf [preamble] L{sign|sign}text D{}text": what a parse found.
std::string Describe(const DreamFile& file) {
  std::string s = std::string(file.bom ? "bom " : "") + (file.lineEnd == LineEndStyle::Lf ? "lf" : "crlf");
  s += " [" + file.preamble + "]";
  for (const Dream& d : file.dreams) {
    s += d.kind == DreamKind::Lucid ? " L{" : d.kind == DreamKind::Fragment ? " F{" : " D{";
    for (std::size_t i = 0; i < d.signs.size(); ++i) s += (i > 0 ? "|" : "") + d.signs[i];
    s += "}" + d.text;
  }
  return s;
}

DreamFile Parsed(const std::string& bytes) {
  DreamFile file;
  EXPECT_EQ(ParseDreamFile(bytes.data(), bytes.size(), &file), DreamFileStatus::Ok) << bytes;
  return file;
}

TEST(DreamFile, ReadsDreamsAndWritesAnUnchangedFileBackByteForByte) {
  const struct {
    const char* what;
    std::string bytes;
    std::string parsed;
  } kFiles[] = {
      {"notes and three dreams, CR LF",
       "# My night\r\nWoke at 5.\r\n\r\n## Lucid dream\r\nDream signs: flying,  my old school ,\r\nI flew.\r\n"
       "### detail\r\nThe roof was red.\r\n\r\n## Fragment\r\nA red door.\r\n\r\n\r\n## Dream\r\n\r\nDream signs: "
       "teeth\r\nMy teeth fell out.\r\n",
       "crlf [# My night\r\nWoke at 5.\r\n\r\n] L{flying|my old school}I flew.\n### detail\nThe roof was red. "
       "F{}A red door. D{teeth}My teeth fell out."},
      {"LF, no final line end, the user's own headings stay text",
       "---\ndate: 2026-03-01\n---\n## Dream\n## Something else\nDream signs: not signs\n# My night\n##  Dream\n"
       " ## Dream\n## Dreams\n##Dream\nend",
       "lf [---\ndate: 2026-03-01\n---\n] D{}## Something else\nDream signs: not signs\n# My night\n##  Dream\n"
       " ## Dream\n## Dreams\n##Dream\nend"},
      {"BOM, mixed line ends, headings in any case with blanks after, escaped headings",
       "\xEF\xBB\xBF## LUCID DREAM \t\r\ndream SIGNS: Полёт, ,\nline one\r\nline two\n\n## fragment\t\n\\## Dream\n"
       "\\\\## Fragment\r\n  \n\n",
       "bom crlf [] L{Полёт}line one\nline two F{}## Dream\n\\## Fragment"},
      {"notes only", "Just notes, no dream yet.\n\n", "lf [Just notes, no dream yet.\n\n]"},
      {"empty", "", "crlf []"},
      {"a bare heading", "## Dream", "crlf [] D{}"},
      {"an empty first line", "\n## Dream\r\ntext\r\n", "lf [\n] D{}text"},
  };
  for (const auto& f : kFiles) {
    const DreamFile file = Parsed(f.bytes);
    EXPECT_EQ(Describe(file), f.parsed) << f.what;
    EXPECT_EQ(FormatDreamFile(file), f.bytes) << f.what;
  }
}

TEST(DreamFile, DamagedOrHugeFilesAreUnreadable) {
  const std::string kBad[] = {
      "caf\xE9 au lait",     // Latin-1
      "\xC0\xAF",            // overlong "/"
      "\xC1\xBF",            // overlong
      "\xE0\x80\xAF",        // overlong in three bytes
      "\xF0\x8F\xBF\xBF",    // overlong in four bytes
      "\xED\xA0\x80",        // surrogate
      "\xED\xBF\xBF",        // surrogate
      "\xF4\x90\x80\x80",    // past U+10FFFF
      "\xF5\x80\x80\x80",    // never a lead byte
      "\x80",                // stray continuation
      "\xE2\x82(",           // sequence broken off
      std::string("a\0b", 3),
  };
  const std::string kCutShort[] = {"\xC3", "\xE2\x82", "\xF0\x9F\x98"};
  std::vector<std::string> files;
  for (const std::string& bad : kBad) {
    files.push_back(bad);
    files.push_back("## Dream\r\nabcde" + bad + " more text after it");  // inside the eight-byte runs
  }
  for (const std::string& cut : kCutShort) files.push_back("## Dream\r\nabcdefgh" + cut);
  std::string huge(kMaxDreamFileBytes + 1, 'a');
  files.push_back(huge);

  for (const std::string& bytes : files) {
    DreamFile file = Parsed("notes\n## Dream\ntext\n");
    EXPECT_EQ(ParseDreamFile(bytes.data(), bytes.size(), &file), DreamFileStatus::Unreadable) << bytes.substr(0, 40);
    EXPECT_EQ(Describe(file), "crlf []");
  }

  // The edges of what UTF-8 allows, and exactly the largest size, read.
  const std::string good = "\xC2\x80 \xDF\xBF \xE0\xA0\x80 \xED\x9F\xBF \xEE\x80\x80 \xEF\xBF\xBF \xF0\x90\x80\x80 "
                           "\xF4\x8F\xBF\xBF 夢 😀 сон";
  EXPECT_EQ(Describe(Parsed("## Dream\n" + good)), "lf [] D{}" + good);
  huge.pop_back();
  EXPECT_EQ(Parsed(huge).preamble.size(), kMaxDreamFileBytes);
}

TEST(DreamFile, EditingOneDreamRewritesOnlyThatDream) {
  const std::string original =
      "Notes\r\n\r\n## Dream\r\nfirst\r\n\r\n## Fragment\r\nDream signs: door\r\nsecond\r\n\r\n\r\n## Lucid dream\r\nthird";
  DreamFile file = Parsed(original);
  ASSERT_EQ(file.dreams.size(), 3u);

  // The editor hands back an untouched dream with its own line ends.
  EXPECT_FALSE(UpdateDream(&file.dreams[1], DreamKind::Fragment, {"door"}, "second\r\n"));
  EXPECT_EQ(FormatDreamFile(file), original);

  EXPECT_TRUE(UpdateDream(&file.dreams[1], DreamKind::Lucid, {" door", "", "hall, stairs"}, "\r\nlonger\r\n\r\n"));
  const std::string edited =
      "Notes\r\n\r\n## Dream\r\nfirst\r\n\r\n## Lucid dream\r\nDream signs: door, hall, stairs\r\nlonger\r\n\r\n"
      "## Lucid dream\r\nthird";
  EXPECT_EQ(FormatDreamFile(file), edited);

  // A new dream after the last line, which had no line end.
  Dream added;
  UpdateDream(&added, DreamKind::Fragment, {}, "stairs");
  file.dreams.push_back(added);
  EXPECT_EQ(FormatDreamFile(file), edited + "\r\n\r\n## Fragment\r\nstairs\r\n");

  // Taking a dream out leaves the others' bytes.
  file.dreams.erase(file.dreams.begin() + 1);
  EXPECT_EQ(FormatDreamFile(file), "Notes\r\n\r\n## Dream\r\nfirst\r\n\r\n## Lucid dream\r\nthird\r\n\r\n## Fragment\r\nstairs\r\n");

  // A new file is CR LF without a BOM; an LF file keeps LF.
  DreamFile fresh;
  fresh.dreams.push_back(added);
  EXPECT_EQ(FormatDreamFile(fresh), "## Fragment\r\nstairs\r\n");
  DreamFile lf = Parsed("\xEF\xBB\xBF# Night\n");
  lf.dreams.push_back(added);
  lf.dreams.push_back(added);
  EXPECT_EQ(FormatDreamFile(lf), "\xEF\xBB\xBF# Night\n\n## Fragment\nstairs\n\n## Fragment\nstairs\n");
}

TEST(DreamFile, TextThatLooksLikeAHeadingOrSignsReadsBackAsWritten) {
  const struct {
    std::vector<std::string> signs;
    std::string text;
    std::vector<std::string> signsRead;
    std::string textRead;
  } kDreams[] = {
      {{}, "## Dream\n## Lucid dream\n## FRAGMENT  ", {}, "## Dream\n## Lucid dream\n## FRAGMENT  "},
      {{}, "\\## Dream\n\\\\## Fragment\n\\ not a heading", {}, "\\## Dream\n\\\\## Fragment\n\\ not a heading"},
      {{}, "Dream signs: not signs\nmore", {}, "Dream signs: not signs\nmore"},
      {{"a"}, "dream signs: still text", {"a"}, "dream signs: still text"},
      {{"x\r\n## Dream", "y,z "}, "# My night\n### detail\n## Something", {"x", "## Dream", "y", "z"},
       "# My night\n### detail\n## Something"},
      {{}, "  \n\n  indented\n\n\n", {}, "  indented"},
      {{}, "", {}, ""},
  };
  for (LineEndStyle style : {LineEndStyle::CrLf, LineEndStyle::Lf}) {
    for (const auto& d : kDreams) {
      DreamFile file;
      file.lineEnd = style;
      file.dreams.resize(2);
      UpdateDream(&file.dreams[0], DreamKind::Lucid, d.signs, d.text);
      UpdateDream(&file.dreams[1], DreamKind::Fragment, {}, "after");
      const std::string bytes = FormatDreamFile(file);
      const DreamFile read = Parsed(bytes);
      ASSERT_EQ(read.dreams.size(), 2u) << bytes;
      EXPECT_EQ(read.dreams[0].signs, d.signsRead) << bytes;
      EXPECT_EQ(read.dreams[0].text, d.textRead) << bytes;
      EXPECT_EQ(read.dreams[1].text, "after") << bytes;
      EXPECT_EQ(FormatDreamFile(read), bytes);
    }
  }
}

TEST(DreamFileName, NamesRealDatesAndConflictCopies) {
  EXPECT_EQ(DreamFileName(CivilTime{2026, 3, 1, 7, 30}), "2026-03-01.md");
  EXPECT_EQ(DreamFileName(987, 12, 31), "0987-12-31.md");
  EXPECT_EQ(ConflictFileName(CivilTime{2026, 3, 1, 0, 0}, 2), "2026-03-01 (2).md");

  const struct {
    const char* name;
    int copy;  // -1: not a dream file
  } kNames[] = {
      {"2026-03-01.md", 0},      {"2024-02-29.MD", 0},      {"2026-03-01 (2).md", 2},
      {"2026-03-01 (12).Md", 12}, {"2026-02-29.md", -1},     {"2026-13-01.md", -1},
      {"0000-01-01.md", -1},     {"2026-3-01.md", -1},      {"2026-03-01.txt", -1},
      {"2026-03-01.md.bak", -1}, {"x2026-03-01.md", -1},    {"2026-03-01 (1).md", -1},
      {"2026-03-01 (02).md", -1}, {"2026-03-01 ().md", -1}, {"2026-03-01 (2.md", -1},
      {"2026-03-01(2).md", -1},  {"2026-03-01 (12345).md", -1},
  };
  for (const auto& n : kNames) {
    CivilTime date;
    int copy = -1;
    EXPECT_EQ(ParseDreamFileName(n.name, &date, &copy) ? copy : -1, n.copy) << n.name;
    if (n.copy >= 0) {
      EXPECT_EQ(DreamFileName(date), std::string(n.name).substr(0, 10) + ".md");
    }
  }
}

TEST(FirstWords, CollapsesLineBreaksAndCutsAfterWholeWordsAndCharacters) {
  const struct {
    std::string text;
    std::size_t maxChars;
    std::string preview;
  } kCases[] = {
      {"  I was\r\n\r\nflying\tover  the sea ", 100, "I was flying over the sea"},
      {"I was flying over", 12, "I was flying"},
      {"I was flying over", 10, "I was"},
      {"I was flying", 6, "I was"},
      {"Supercalifragilistic", 5, "Super"},
      {"Сон про полёт", 9, "Сон про"},
      {"Сон", 2, "Со"},
      {"夢の中で", 2, "夢の"},
      {"😀😀", 1, "😀"},
      {"caf\xC3", 10, "caf\xC3"},
      {"", 5, ""},
      {"abc", 0, ""},
  };
  for (const auto& c : kCases) EXPECT_EQ(FirstWords(c.text, c.maxChars), c.preview) << c.text << " " << c.maxChars;
}

}  // namespace
