// The real somnivex.exe starting and stopping the real hollow.exe, and the
// tips panel's rotation.
#include "tests/app/program_fixture.h"

#include <tlhelp32.h>

using namespace harness;
using namespace program;

namespace {

std::vector<DWORD> HollowIds() {
  std::vector<DWORD> ids;
  HANDLE snap = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  PROCESSENTRY32 e = {};
  e.dwSize = sizeof e;
  for (BOOL ok = Process32First(snap, &e); ok; ok = Process32Next(snap, &e)) {
    if (lstrcmpiA(e.szExeFile, "hollow.exe") == 0) ids.push_back(e.th32ProcessID);
  }
  CloseHandle(snap);
  return ids;
}

bool WaitHollowCount(int count, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  while (CountProcesses("hollow.exe") != count) {
    if (GetTickCount() - start > timeoutMs) return false;
    SleepMs(100);
  }
  return true;
}

class HollowControl : public ProgramTest {};

TEST_F(HollowControl, SwitchOnStartsOneAndOffStopsItSavingEachTime) {
  Install();
  ASSERT_NE(Launch(), nullptr);
  EXPECT_EQ(CountProcesses("hollow.exe"), 0);
  Click(Control(IDC_SWITCH));
  EXPECT_TRUE(WaitHollowCount(1, 15000));
  WaitIdle(main_);
  EXPECT_EQ(Query(kQuerySwitchOn), 1);
  EXPECT_EQ(Config(), "time=30\r\nhollow=on\r\nstartup=0\r\n");
  SleepMs(1000);
  EXPECT_EQ(CountProcesses("hollow.exe"), 1);
  Click(Control(IDC_SWITCH));
  EXPECT_TRUE(WaitHollowCount(0, 15000));
  WaitIdle(main_);
  EXPECT_EQ(Query(kQuerySwitchOn), 0);
  EXPECT_EQ(Config(), "time=30\r\nhollow=off\r\nstartup=0\r\n");
}

TEST_F(HollowControl, TestWithTheSwitchOffTurnsItOnWithoutSaving) {
  Install();
  ASSERT_NE(Launch(), nullptr);
  Click(Control(IDC_TEST_HOLLOW));
  EXPECT_TRUE(WaitHollowCount(1, 15000));
  WaitIdle(main_);
  EXPECT_EQ(Query(kQuerySwitchOn), 1);
  EXPECT_EQ(Config(), "time=30\r\nhollow=off\r\nstartup=0\r\n");
}

TEST_F(HollowControl, TestWithTheSwitchOnRestartsItEveryTime) {
  Install();
  WriteConfig("time=30\r\nhollow=on\r\nstartup=0\r\n");
  ASSERT_NE(Launch(), nullptr);
  ASSERT_TRUE(WaitHollowCount(1, 15000));
  for (int i = 0; i < 20; ++i) {
    Command(IDC_TEST_HOLLOW);
    EXPECT_TRUE(WaitHollowCount(1, 10000)) << "round " << i;
  }
  SleepMs(1500);
  EXPECT_EQ(CountProcesses("hollow.exe"), 1);
}

TEST_F(HollowControl, StartUpEndsALeftOverAndStartsAFreshOne) {
  Install();
  WriteConfig("time=30\r\nhollow=on\r\nstartup=0\r\n");
  Process leftOver = Start(folder_ + "hollow.exe", "-run");
  ASSERT_TRUE(WaitHollowCount(1, 15000));
  const std::vector<DWORD> before = HollowIds();
  ASSERT_NE(Launch(), nullptr);
  ASSERT_TRUE(WaitHollowCount(1, 15000));
  const std::vector<DWORD> after = HollowIds();
  ASSERT_EQ(after.size(), 1u);
  EXPECT_NE(after[0], before[0]);
  const DWORD code = WaitExit(leftOver, 5000);
  EXPECT_TRUE(code == 0 || code == 9) << code;  // closed by its window, or terminated
  Close(leftOver);
}

TEST_F(HollowControl, OffAtStartUpEndsEveryProcessNamedHollow) {
  Install();
  const std::string other = FreshFolder("OtherHollow");
  ASSERT_TRUE(CopyFileA((folder_ + "hollow.exe").c_str(), (other + "HOLLOW.EXE").c_str(), FALSE));
  Process a = Start(folder_ + "hollow.exe", "-run");
  Process b = Start(other + "HOLLOW.EXE", "-run");
  ASSERT_TRUE(WaitHollowCount(2, 15000));
  ASSERT_NE(Launch(), nullptr);
  EXPECT_EQ(CountProcesses("hollow.exe"), 0);
  Close(a);
  Close(b);
}

TEST_F(HollowControl, MissingHollowWithTheSettingOnIsError122) {
  Install(false);
  WriteConfig("time=30\r\nhollow=on\r\nstartup=0\r\n");
  Process p = LaunchProcess();
  HWND box = WaitForMessageBox("Error", 30000, p.id);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(MessageBoxText(box).rfind("Error Code : 122\nFailed to load hollow reminder.\n\nFor support contact us at ", 0), 0u);
  PressButton(box, IDOK);
  EXPECT_EQ(WaitExit(p, 20000), 0u);
}

TEST_F(HollowControl, TipsRotateOnTheirTimerAndMouseMovesDoNotAdvance) {
  Install();
  ASSERT_NE(Launch(), nullptr);
  EXPECT_EQ(Query(kQueryCurrentTip), 0);
  // The real five-second timer moves on once.
  SleepMs(5600);
  EXPECT_EQ(Query(kQueryCurrentTip), 1);
  PostMessageA(main_, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(Query(kQueryCurrentTip), 1);
  // Nine further ticks of the timer's own path come back to the first tip.
  for (int i = 0; i < 9; ++i) {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(main_, WM_TIMER, kTipsTimerId, 0, SMTO_NORMAL, 10000, &ignored);
  }
  EXPECT_EQ(Query(kQueryCurrentTip), 0);
}

}  // namespace
