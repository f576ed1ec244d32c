// Start-up of the real somnivex.exe under Wine: single instance, "-run",
// and the fatal error box.
#include <gtest/gtest.h>

#include "app/fatal_text.h"
#include "app/maker_info.h"
#include "tests/support/win32_harness.h"

using namespace harness;

namespace {

constexpr const char kTitle[] = "Somnivex..";

class Startup : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = FreshFolder(::testing::UnitTest::GetInstance()->current_test_info()->name());
    ASSERT_TRUE(CopyProgram("somnivex.exe", folder_));
    CopyProgram("hollow.exe", folder_);
    exe_ = folder_ + "somnivex.exe";
  }
  void TearDown() override {
    for (Process& p : started_) {
      Kill(p);
      Close(p);
    }
    WaitForNoWindow(kTitle, 5000);
  }
  Process Launch(const std::string& args = "") {
    started_.push_back(Start(exe_, args));
    return started_.back();
  }
  std::string folder_, exe_;
  std::vector<Process> started_;
};

TEST_F(Startup, SecondStartRaisesTheRunningWindowAndExits) {
  Launch();
  ASSERT_NE(WaitForWindow(kTitle, 20000), nullptr);
  Process second = Launch();
  EXPECT_EQ(WaitExit(second, 20000), 0u);
  EXPECT_EQ(TopWindows(kTitle).size(), 1u);
}

// A window that was never shown since a hidden start sits off screen; a
// second start (a "-m" one included) must bring it where the user sees it.
TEST_F(Startup, SecondStartAfterAHiddenStartShowsTheWindowInTheWorkArea) {
  Launch("-m");
  HWND running = WaitForWindow(kTitle, 20000);
  ASSERT_NE(running, nullptr);
  SleepMs(6000);  // past the ticks that keep a hidden start hidden
  ASSERT_FALSE(IsWindowVisible(running));
  for (const char* args : {"-m", ""}) {
    Process second = Launch(args);
    EXPECT_EQ(WaitExit(second, 20000), 0u) << args;
    EXPECT_EQ(TopWindows(kTitle).size(), 1u) << args;
    EXPECT_TRUE(IsWindowVisible(running)) << args;
    RECT window = {}, work = {}, inside = {};
    GetWindowRect(running, &window);
    work = PrimaryWorkArea();
    EXPECT_TRUE(IntersectRect(&inside, &window, &work) && EqualRect(&inside, &window)) << args;
    ShowWindow(running, SW_HIDE);
  }
}

// Two starts a moment apart (a double-click) leave one instance; the later
// one brings the first forward and ends with 0.
TEST_F(Startup, DoubleStartsLeaveOneInstance) {
  for (int round = 0; round < 20; ++round) {
    Process a = Launch();
    SleepMs(static_cast<DWORD>((round * 7) % 51));
    Process b = Launch();
    ASSERT_NE(WaitForWindow(kTitle, 20000), nullptr) << round;
    const DWORD start = GetTickCount();
    DWORD codeA = STILL_ACTIVE, codeB = STILL_ACTIVE;
    while (codeA == STILL_ACTIVE && codeB == STILL_ACTIVE && GetTickCount() - start < 20000) {
      codeA = WaitExit(a, 50);
      codeB = WaitExit(b, 50);
    }
    EXPECT_TRUE(codeA == 0 || codeB == 0) << round;
    SleepMs(300);
    EXPECT_EQ(TopWindows(kTitle).size(), 1u) << round;
    Kill(a);
    Kill(b);
    ASSERT_TRUE(WaitForNoWindow(kTitle, 10000)) << round;
  }
}

TEST_F(Startup, RunStartsASecondFullInstance) {
  Launch();
  ASSERT_NE(WaitForWindow(kTitle, 20000), nullptr);
  Process second = Launch("-run");
  const DWORD start = GetTickCount();
  while (TopWindows(kTitle).size() < 2 && GetTickCount() - start < 20000) SleepMs(100);
  EXPECT_EQ(TopWindows(kTitle).size(), 2u);
  EXPECT_EQ(WaitExit(second, 0), static_cast<DWORD>(STILL_ACTIVE));
}

TEST_F(Startup, UnrelatedWindowWithTheTitleCountsAsRunning) {
  HWND fake = CreateWindowExA(0, "STATIC", kTitle, WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(fake, nullptr);
  Process p = Launch();
  DWORD code = STILL_ACTIVE;
  const DWORD start = GetTickCount();
  while (code == STILL_ACTIVE && GetTickCount() - start < 20000) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    code = WaitExit(p, 50);
  }
  EXPECT_EQ(code, 0u);
  EXPECT_TRUE(IsWindowVisible(fake));
  DestroyWindow(fake);
}

TEST(FatalError, OneBoxWithTheMessageAndSupportLinesThenExitZero) {
  Process p = Start(BinDir() + "..\\tests\\fatal_probe.exe");
  ASSERT_NE(p.handle, nullptr);
  HWND box = WaitForMessageBox("Error", 20000, p.id);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(MessageBoxText(box), ComposeFatalText(kErrorSettingsLoad));
  EXPECT_EQ(MessageBoxText(box), std::string(kErrorSettingsLoad) + "\n\nFor support contact us at " + kSupportEmail +
                                     "\nOr Visit " + kMakerHostName);
  int boxes = 0;
  for (HWND w : TopWindows("Error")) {
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    if (pid == p.id && IsWindowVisible(w)) ++boxes;
  }
  EXPECT_EQ(boxes, 1);
  EXPECT_NE(GetDlgItem(box, IDOK), nullptr);
  PressButton(box, IDOK);
  EXPECT_EQ(WaitExit(p, 20000), 0u);
  Close(p);
}

}  // namespace
