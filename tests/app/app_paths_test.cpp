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

TEST(AppPaths, HelpPageOfALanguageLiesBesideTheEnglishOne) {
  const std::string english = "C:\\A.B\\help.html";
  const struct {
    const char* language;
    std::string page;
  } cases[] = {
      {"de", "C:\\A.B\\help.de.html"},
      {"pt_BR", "C:\\A.B\\help.pt_BR.html"},
      {"ja", "C:\\A.B\\help.ja.html"},
      {"en", english},   // English is help.html itself
      {"qps", english},  // the tests' pseudo-language has no page of its own
      {"", english},
      {"..\\x", english},  // never a path of its own
      {"de.html", english},
  };
  for (const auto& c : cases) EXPECT_EQ(HelpPageInLanguage(english, c.language), c.page) << c.language;
  EXPECT_EQ(HelpPageInLanguage("help.html", "fr"), "help.fr.html");
  EXPECT_EQ(HelpPageInLanguage("C:\\A\\help", "fr"), "C:\\A\\help");
}

TEST(AppPaths, SettingsStayBesideTheProgramUnlessOnlyTheUsersFolderTakesThem) {
  AppPaths p;
  DeriveAppPaths(p, "C:\\Program Files\\Somnivex\\somnivex.exe");
  const std::string beside = "C:\\Program Files\\Somnivex\\config.txt";
  const std::string mine = "C:\\Users\\u\\AppData\\Local\\Somnivex\\";
  struct Case {
    bool programWritable;
    std::string perUser;
    bool perUserWritable, besideExists;
    std::string file, seed;
  } const cases[] = {
      {true, mine, true, true, beside, ""},            // portable: as it always was
      {true, mine, true, false, beside, ""},
      {false, mine, true, true, mine + "config.txt", beside},
      {false, mine, true, false, mine + "config.txt", ""},
      {false, mine, false, true, beside, ""},          // neither: start-up says why
      {false, "", true, true, beside, ""},
  };
  for (const Case& c : cases) {
    const SettingsPlace place = ChooseSettingsPlace(p, c.programWritable, c.perUser, c.perUserWritable, c.besideExists);
    EXPECT_EQ(place.file, c.file) << c.programWritable << c.perUserWritable << c.besideExists;
    EXPECT_EQ(place.seedFrom, c.seed) << c.programWritable << c.perUserWritable << c.besideExists;
  }
}

}  // namespace
