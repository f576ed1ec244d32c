// The real somnivex.exe in a fresh folder: what its start-up does to
// config.txt and the Run value, and the fatal errors of a folder in which
// the settings cannot be created.
#include <gtest/gtest.h>

#include "app/fatal_text.h"
#include "tests/settings/run_key_helpers.h"
#include "tests/support/win32_harness.h"

using namespace harness;

namespace {

constexpr const char kTitle[] = "Somnivex..";
constexpr const char kRunName[] = "Somnivex";
constexpr const char kDefaults[] = "time=30\r\nhollow=off\r\nstartup=0\r\n";

class FirstRun : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = FreshFolder(::testing::UnitTest::GetInstance()->current_test_info()->name());
    ASSERT_TRUE(CopyProgram("somnivex.exe", folder_));
    CopyProgram("hollow.exe", folder_);
    exe_ = folder_ + "somnivex.exe";
    config_ = folder_ + "config.txt";
    runkey::Ensure();
    runkey::Delete(kRunName);
  }
  void TearDown() override {
    for (Process& p : started_) {
      Kill(p);
      Close(p);
    }
    WaitForNoWindow(kTitle, 5000);
    runkey::Delete(kRunName);
  }
  Process Launch() {
    started_.push_back(Start(exe_));
    return started_.back();
  }
  // The main window shows itself once its start-up, settings included, is done.
  HWND WaitUntilShown() {
    HWND window = WaitForWindow(kTitle, 20000);
    const DWORD start = GetTickCount();
    while (window && !IsWindowVisible(window) && GetTickCount() - start < 20000) SleepMs(50);
    return window;
  }
  std::string folder_, exe_, config_;
  std::vector<Process> started_;
};

TEST_F(FirstRun, WritesTheDefaultFileAndNoRunValue) {
  Launch();
  ASSERT_NE(WaitUntilShown(), nullptr);
  EXPECT_EQ(ReadFile(config_), kDefaults);
  EXPECT_FALSE(FileExists(config_ + ".tmp"));
  // startup=0 and an unchecked menu item: nothing starts with Windows.
  EXPECT_FALSE(runkey::Read(kRunName, nullptr));
}

TEST_F(FirstRun, ReadableFileIsNeitherRewrittenNorRegistered) {
  const std::string files[] = {"", "TIME=60\r\nfoo\n", "startup=1", "\r\n"};
  for (const std::string& bytes : files) {
    ASSERT_TRUE(WriteFile(config_, bytes));
    Process p = Launch();
    ASSERT_NE(WaitUntilShown(), nullptr);
    EXPECT_EQ(ReadFile(config_), bytes);
    EXPECT_FALSE(runkey::Read(kRunName, nullptr)) << '"' << bytes << '"';
    Kill(p);
    ASSERT_TRUE(WaitForNoWindow(kTitle, 10000));
  }
}

TEST_F(FirstRun, FolderInPlaceOfTheFileEndsInError114) {
  // Nothing can be created or read where config.txt should be.
  ASSERT_TRUE(CreateDirectoryA(config_.c_str(), nullptr));
  Process p = Launch();
  HWND box = WaitForMessageBox("Error", 20000, p.id);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(MessageBoxText(box), ComposeFatalText(kErrorCreateFile));
  PressButton(box, IDOK);
  EXPECT_EQ(WaitExit(p, 20000), 0u);
}

TEST_F(FirstRun, DefaultsThatCannotBeSavedEndInError115AndLeaveNoEmptyFile) {
  // The disk is full when the defaults are saved: their temporary file is a
  // link to /dev/full. No config.txt is left behind (an empty one would be
  // taken for the user's settings at the next start).
  RunUnix("ln -s /dev/full '" + UnixPath(config_ + ".tmp") + "'");
  Process p = Launch();
  HWND box = WaitForMessageBox("Error", 20000, p.id);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(MessageBoxText(box), ComposeFatalText(kErrorSaveChanges));
  EXPECT_FALSE(runkey::Read(kRunName, nullptr));
  EXPECT_FALSE(FileExists(config_));
  PressButton(box, IDOK);
  EXPECT_EQ(WaitExit(p, 20000), 0u);
}

}  // namespace
