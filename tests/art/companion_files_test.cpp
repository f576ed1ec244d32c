// The files shipped beside the programs: the reminder chime, the help page
// in every language, and the zip's read-me, as the build produces them.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
uint32_t Le32(const std::string& b, size_t at) {
  auto u = [&](size_t i) { return uint32_t(uint8_t(b[at + i])); };
  return u(0) | u(1) << 8 | u(2) << 16 | u(3) << 24;
}
uint16_t Le16(const std::string& b, size_t at) { return uint16_t(uint8_t(b[at]) | uint8_t(b[at + 1]) << 8); }

std::vector<std::string> Languages() {
  std::istringstream in(SMX_LANGUAGES);
  std::vector<std::string> codes;
  for (std::string code; in >> code;) codes.push_back(code);
  return codes;
}

std::string HelpPageOf(const std::string& code) {
  const std::string english = SMX_HELP_FILE;
  return english.substr(0, english.size() - 4) + code + ".html";  // help.html -> help.<code>.html
}

// Every value of an attribute in the page ("id", "href").
std::set<std::string> Attributes(const std::string& page, const std::string& name) {
  std::set<std::string> values;
  const std::regex attribute(name + "=\"([^\"]*)\"");
  for (auto it = std::sregex_iterator(page.begin(), page.end(), attribute); it != std::sregex_iterator(); ++it) {
    values.insert((*it)[1]);
  }
  return values;
}

// Nothing a help page may hold: what it would fetch or run, and a
// placeholder the build left unfilled.
void ExpectSelfContained(const std::string& page, const std::string& name) {
  for (const char* banned : {"<script", "<link", "<iframe", "<img", "<object", "<embed", "@import", "url(http",
                             "src=\"http", "@SMX_", "[[", "]]"})
    EXPECT_EQ(page.find(banned), std::string::npos) << name << ": " << banned;
}

// A short, soft chime the platform's sound player takes as it is: plain
// 16-bit PCM, 44.1 kHz, mono; no click at either end.
TEST(CompanionFiles, ChimeIsShortSoftPcm) {
  std::string w = ReadText(SMX_CHIME_FILE);
  ASSERT_GE(w.size(), 44u);
  EXPECT_LT(w.size(), 150u * 1024);
  EXPECT_EQ(w.substr(0, 4), "RIFF");
  EXPECT_EQ(Le32(w, 4), w.size() - 8);
  EXPECT_EQ(w.substr(8, 4), "WAVE");
  EXPECT_EQ(w.substr(12, 4), "fmt ");
  ASSERT_EQ(Le32(w, 16), 16u);
  EXPECT_EQ(Le16(w, 20), 1) << "PCM";
  EXPECT_EQ(Le16(w, 22), 1) << "mono";
  EXPECT_EQ(Le32(w, 24), 44100u);
  EXPECT_EQ(Le32(w, 28), 44100u * 2);
  EXPECT_EQ(Le16(w, 32), 2);
  EXPECT_EQ(Le16(w, 34), 16);
  ASSERT_EQ(w.substr(36, 4), "data");
  uint32_t bytes = Le32(w, 40);
  ASSERT_EQ(size_t(bytes) + 44, w.size());
  size_t samples = bytes / 2;
  EXPECT_LT(samples, size_t(44100 * 1.5));
  EXPECT_GT(samples, size_t(44100 * 0.3));
  std::vector<int> s(samples);
  int peak = 0;
  for (size_t i = 0; i < samples; ++i) {
    s[i] = int16_t(Le16(w, 44 + 2 * i));
    peak = std::max(peak, std::abs(s[i]));
  }
  EXPECT_GT(peak, 32767 / 10) << "audible";
  EXPECT_LT(peak, 32767 * 3 / 4) << "soft, never clipping";
  EXPECT_LT(std::abs(s.front()), 64);
  EXPECT_LT(std::abs(s.back()), 64);
}

// The help page stands alone: nothing to fetch, nothing to run, and it
// covers every topic the program refers the user to.
TEST(CompanionFiles, HelpPageIsSelfContainedAndComplete) {
  std::string h = ReadText(SMX_HELP_FILE);
  ASSERT_FALSE(h.empty());
  ExpectSelfContained(h, "help.html");
  for (const char* id : {"reality-checks", "main-window", "reminder", "vododi", "tray", "startup", "config",
                         "troubleshooting", "licence"})
    EXPECT_NE(h.find(std::string("id=\"") + id + "\""), std::string::npos) << id;
  for (const char* text : {"Invoke At Startup", "Show Application", "Quit Application", "Minimize To Tray",
                           "time=30", "hollow=off", "startup=0", "ting.wav", "config.txt"})
    EXPECT_NE(h.find(text), std::string::npos) << text;
}

// Each language of the programs has its help page, the English one's
// structure in its own words: the same sections, so that every link lands,
// and the settings and file names that must stay as they are.
TEST(CompanionFiles, EveryLanguageHasItsHelpPageBuiltLikeTheEnglishOne) {
  const std::string english = ReadText(SMX_HELP_FILE);
  const std::set<std::string> ids = Attributes(english, "id");
  ASSERT_FALSE(Languages().empty());
  for (const std::string& code : Languages()) {
    const std::string name = "help." + code + ".html";
    const std::string page = ReadText(HelpPageOf(code));
    ASSERT_FALSE(page.empty()) << "no " << name;
    ExpectSelfContained(page, name);
    std::string tag = code;
    for (char& c : tag) c = (c == '_') ? '-' : c;
    EXPECT_NE(page.find("<html lang=\"" + tag + "\">"), std::string::npos) << name;
    EXPECT_EQ(Attributes(page, "id"), ids) << name;
    for (const std::string& href : Attributes(page, "href")) {
      if (href.rfind("#", 0) == 0) {
        EXPECT_EQ(ids.count(href.substr(1)), 1u) << name << ": " << href;
      }
    }
    for (const char* text : {"time=30", "hollow=off", "startup=0", "ting.wav", "config.txt", "practice.csv",
                             "hollow.exe", "%LOCALAPPDATA%\\Somnivex", "mailto:", "Somnivex " SMX_VERSION_TEXT})
      EXPECT_NE(page.find(text), std::string::npos) << name << ": " << text;
    EXPECT_NE(page.find("<code>" + name + "</code>"), std::string::npos) << name << " names itself";
  }
}

// README.txt for Notepad: a byte-order mark, Windows line ends only, the
// English text first and then each language's, which names its own page.
TEST(CompanionFiles, ReadmeHoldsEveryLanguageInOrder) {
  const std::string r = ReadText(SMX_README_FILE);
  ASSERT_GT(r.size(), 3u);
  EXPECT_EQ(r.substr(0, 3), "\xEF\xBB\xBF");
  EXPECT_EQ(r.substr(3, 9), "Somnivex ");
  for (size_t i = 0; i < r.size(); ++i) {
    if (r[i] == '\n') {
      ASSERT_TRUE(i > 0 && r[i - 1] == '\r') << "bare line feed at byte " << i;
    }
  }
  EXPECT_EQ(r.find("[["), std::string::npos);
  EXPECT_EQ(r.find("@SMX_"), std::string::npos);
  size_t at = r.find("help.html");
  ASSERT_NE(at, std::string::npos);
  for (const std::string& code : Languages()) {
    const size_t own = r.find("help." + code + ".html", at);
    EXPECT_NE(own, std::string::npos) << code << " after the languages before it";
    if (own != std::string::npos) at = own;
  }
}

}  // namespace
