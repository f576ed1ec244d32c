// The two files shipped beside the programs: the reminder chime and the
// help page, as the build produces them.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
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
  for (const char* banned : {"<script", "<link", "<iframe", "<img", "<object", "<embed", "@import", "url(http",
                             "src=\"http", "@SMX_"})
    EXPECT_EQ(h.find(banned), std::string::npos) << banned;
  for (const char* id : {"reality-checks", "main-window", "reminder", "vododi", "tray", "startup", "config",
                         "troubleshooting", "licence"})
    EXPECT_NE(h.find(std::string("id=\"") + id + "\""), std::string::npos) << id;
  for (const char* text : {"Invoke At Startup", "Show Application", "Quit Application", "Minimize To Tray",
                           "time=30", "hollow=off", "startup=0", "ting.wav", "config.txt"})
    EXPECT_NE(h.find(text), std::string::npos) << text;
}

}  // namespace
