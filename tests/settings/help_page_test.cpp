// The about box's Help in the language in use, run in this process with the
// real shell: its open of an .html file goes to a recorder that stands in
// for the browser (tests/app/shell_recorder.cpp) and logs what it was given.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "settings/shell_open.h"
#include "settings/translation.h"
#include "tests/support/win32_harness.h"

using namespace harness;

namespace {

constexpr char kFileType[] = "smxtest.helpfile";

class HelpPage : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = FreshFolder("HelpPage");
    log_ = folder_ + "opened.log";
    const std::string command = "\"" + BinDir() + "..\\tests\\shell_recorder.exe\" \"" + log_ + "\" \"%1\"";
    htmlType_ = Default(".html");
    ASSERT_TRUE(SetDefault(".html", kFileType));
    ASSERT_TRUE(SetDefault(std::string(kFileType) + "\\shell\\open\\command", command));
    ASSERT_TRUE(WriteFile(folder_ + "help.html", "<html lang=\"en\"></html>"));
  }
  void TearDown() override {
    UseCatalog(nullptr);
    RegDeleteTreeA(HKEY_CLASSES_ROOT, kFileType);
    SetDefault(".html", htmlType_);  // the suites after this one find .html as it was
  }

  static std::string Default(const std::string& key) {
    char value[256] = {};
    LONG size = sizeof value;
    return RegQueryValueA(HKEY_CLASSES_ROOT, key.c_str(), value, &size) == ERROR_SUCCESS ? value : "";
  }

  static bool SetDefault(const std::string& key, const std::string& value) {
    HKEY k = nullptr;
    if (RegCreateKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &k, nullptr) != ERROR_SUCCESS) {
      return false;
    }
    const LONG r = RegSetValueExA(k, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                  static_cast<DWORD>(value.size() + 1));
    RegCloseKey(k);
    return r == ERROR_SUCCESS;
  }

  // What the recorder was asked to open ("3 C:\...\help.html": shown
  // maximised), once it has written its line; the log starts afresh.
  std::string Opened() {
    std::string text;
    const DWORD start = GetTickCount();
    while (text.find('\n') == std::string::npos && GetTickCount() - start < 15000) {
      SleepMs(100);
      text = ReadFile(log_);
    }
    DeleteFileA(log_.c_str());
    return text;
  }

  std::string folder_;
  std::string log_;
  std::string htmlType_;
};

TEST_F(HelpPage, OpensThePageOfTheLanguageInUseWhereItIsThere) {
  ASSERT_TRUE(WriteFile(folder_ + "help.de.html", "<html lang=\"de\"></html>"));
  TranslationCatalog german;
  german.code = "de";
  UseCatalog(&german);
  OpenHelpPage(folder_ + "help.html");
  EXPECT_EQ(Opened(), "3 " + folder_ + "help.de.html\n");

  // A language whose page is missing opens the English one.
  DeleteFileA((folder_ + "help.de.html").c_str());
  OpenHelpPage(folder_ + "help.html");
  EXPECT_EQ(Opened(), "3 " + folder_ + "help.html\n");

  // English opens help.html even with other pages beside it.
  ASSERT_TRUE(WriteFile(folder_ + "help.de.html", "<html lang=\"de\"></html>"));
  UseCatalog(nullptr);
  OpenHelpPage(folder_ + "help.html");
  EXPECT_EQ(Opened(), "3 " + folder_ + "help.html\n");
}

}  // namespace
