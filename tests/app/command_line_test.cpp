#include "app/command_line.h"

#include <gtest/gtest.h>

namespace {

struct Case {
  const char* text;
  bool activate;
  bool hidden;
};

TEST(CommandLine, RecognitionRules) {
  const Case cases[] = {
      {"", true, false},        {"-", true, false},       {"m", true, false},
      {"-r", false, false},     {"-R", false, false},     {"-run", false, false},
      {"-Rxyz", false, false},  {"-m", true, true},       {"-M", true, true},
      {"-m ", true, false},     {"-min", true, false},    {"-m -run", true, false},
      {"r", true, false},       {"run", true, false},     {"--run", true, false},
      {" -run", true, false},   {"-mr", true, false},
  };
  for (const Case& c : cases) {
    const StartOptions o = ParseCommandLine(c.text);
    EXPECT_EQ(o.activateRunningInstance, c.activate) << '"' << c.text << '"';
    EXPECT_EQ(o.hiddenStart, c.hidden) << '"' << c.text << '"';
  }
}

TEST(CommandLine, NullIsNoOption) {
  const StartOptions o = ParseCommandLine(nullptr);
  EXPECT_TRUE(o.activateRunningInstance);
  EXPECT_FALSE(o.hiddenStart);
}

TEST(CommandLine, LongAndOddBytesAreHandled) {
  std::string longText(100000, 'x');
  longText[0] = '-';
  longText[1] = 'R';
  EXPECT_FALSE(ParseCommandLine(longText.c_str()).activateRunningInstance);
  const char odd[] = {'-', '\xff', '\x01', 0};
  const StartOptions o = ParseCommandLine(odd);
  EXPECT_TRUE(o.activateRunningInstance);
  EXPECT_FALSE(o.hiddenStart);
}

}  // namespace
