#include "reminders/process_name.h"

#include <gtest/gtest.h>

namespace {

TEST(ProcessName, AsciiCaseIsIgnoredAndNothingElse) {
  EXPECT_TRUE(SameProcessName("hollow.exe", "hollow.exe"));
  EXPECT_TRUE(SameProcessName("HOLLOW.EXE", "hollow.exe"));
  EXPECT_TRUE(SameProcessName("HoLlOw.ExE", "hollow.exe"));
  EXPECT_FALSE(SameProcessName("hollow.ex", "hollow.exe"));
  EXPECT_FALSE(SameProcessName("hollow.exe ", "hollow.exe"));
  EXPECT_FALSE(SameProcessName("xhollow.exe", "hollow.exe"));
  EXPECT_FALSE(SameProcessName("hollow\xc9.exe", "hollow\xe9.exe"));  // no case folding beyond ASCII
  EXPECT_FALSE(SameProcessName(nullptr, "hollow.exe"));
  EXPECT_TRUE(SameProcessName("", ""));
}

}  // namespace
