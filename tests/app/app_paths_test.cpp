#include "app/app_paths.h"

#include <gtest/gtest.h>

namespace {

TEST(AppPaths, DefaultsAreBareNames) {
  AppPaths p;
  EXPECT_EQ(p.executable, "");
  EXPECT_EQ(p.settingsFile, "config.txt");
  EXPECT_EQ(p.helpPage, "help.html");
  EXPECT_EQ(p.reminderSound, "ting.wav");
  EXPECT_EQ(p.hollowProgram, "hollow.exe");
}

TEST(AppPaths, EveryEntryLiesBesideTheExecutable) {
  AppPaths p;
  DeriveAppPaths(p, "C:\\A\\B\\x.exe");
  EXPECT_EQ(p.executable, "C:\\A\\B\\x.exe");
  EXPECT_EQ(p.settingsFile, "C:\\A\\B\\config.txt");
  EXPECT_EQ(p.helpPage, "C:\\A\\B\\help.html");
  EXPECT_EQ(p.reminderSound, "C:\\A\\B\\ting.wav");
  EXPECT_EQ(p.hollowProgram, "C:\\A\\B\\hollow.exe");
}

TEST(AppPaths, RootFolderAndNoBackslash) {
  AppPaths root;
  DeriveAppPaths(root, "C:\\x.exe");
  EXPECT_EQ(root.settingsFile, "C:\\config.txt");
  AppPaths bare;
  DeriveAppPaths(bare, "x.exe");
  EXPECT_EQ(bare.settingsFile, "config.txt");
  EXPECT_EQ(bare.hollowProgram, "hollow.exe");
}

}  // namespace
