// The real somnivex.exe starting and stopping the real hollow.exe, and the
// tips panel's rotation.
#include "tests/app/program_fixture.h"

#include <oleacc.h>
#include <tlhelp32.h>

#include "tests/support/screen_reader.h"

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

class HollowControl : public ProgramTest {};

TEST_F(HollowControl, SwitchOnStartsOneAndOffStopsItSavingEachTime) {
  Install();
  ASSERT_NE(Launch(), nullptr);
  EXPECT_EQ(CountProcesses("hollow.exe"), 0);
  Click(Control(IDC_SWITCH));
  EXPECT_TRUE(WaitProcessCount("hollow.exe", 1, 15000));
  WaitIdle(main_);
  EXPECT_EQ(Query(kQuerySwitchOn), 1);
  EXPECT_EQ(Config(), "time=30\r\nhollow=on\r\nstartup=0\r\n");
  // A screen reader reads the check box's state as it is now.
  EXPECT_EQ(reader::Read(Control(IDC_SWITCH)).state & STATE_SYSTEM_CHECKED, STATE_SYSTEM_CHECKED);
  SleepMs(1000);
  EXPECT_EQ(CountProcesses("hollow.exe"), 1);
  Click(Control(IDC_SWITCH));
  EXPECT_TRUE(WaitProcessCount("hollow.exe", 0, 15000));
  WaitIdle(main_);
  EXPECT_EQ(Query(kQuerySwitchOn), 0);
  EXPECT_EQ(reader::Read(Control(IDC_SWITCH)).state & STATE_SYSTEM_CHECKED, 0);
  EXPECT_EQ(Config(), "time=30\r\nhollow=off\r\nstartup=0\r\n");
}

TEST_F(HollowControl, TestWithTheSwitchOffTurnsItOnWithoutSaving) {
  Install();
  ASSERT_NE(Launch(), nullptr);
  Click(Control(IDC_TEST_HOLLOW));
  EXPECT_TRUE(WaitProcessCount("hollow.exe", 1, 15000));
  WaitIdle(main_);
  EXPECT_EQ(Query(kQuerySwitchOn), 1);
  EXPECT_EQ(Config(), "time=30\r\nhollow=off\r\nstartup=0\r\n");
}

TEST_F(HollowControl, TestWithTheSwitchOnRestartsItEveryTime) {
  Install();
  WriteConfig("time=30\r\nhollow=on\r\nstartup=0\r\n");
  ASSERT_NE(Launch(), nullptr);
  ASSERT_TRUE(WaitProcessCount("hollow.exe", 1, 15000));
  for (int i = 0; i < 20; ++i) {
    Command(IDC_TEST_HOLLOW);
    EXPECT_TRUE(WaitProcessCount("hollow.exe", 1, 10000)) << "round " << i;
  }
  SleepMs(1500);
  EXPECT_EQ(CountProcesses("hollow.exe"), 1);
}

TEST_F(HollowControl, StartUpEndsALeftOverAndStartsAFreshOne) {
  Install();
  WriteConfig("time=30\r\nhollow=on\r\nstartup=0\r\n");
  Process leftOver = Start(folder_ + "hollow.exe", "-run");
  ASSERT_TRUE(WaitProcessCount("hollow.exe", 1, 15000));
  const std::vector<DWORD> before = HollowIds();
  ASSERT_NE(Launch(), nullptr);
  ASSERT_TRUE(WaitProcessCount("hollow.exe", 1, 15000));
  const std::vector<DWORD> after = HollowIds();
  ASSERT_EQ(after.size(), 1u);
  EXPECT_NE(after[0], before[0]);
  const DWORD code = WaitExit(leftOver, 5000);
  EXPECT_TRUE(code == 0 || code == 9) << code;  // closed by its window, or terminated
  Close(leftOver);
}

// Another program that happens to be called hollow.exe is not ours: it
// neither stands in for our hollow nor is ever ended by the program.
TEST_F(HollowControl, AnotherProgramNamedHollowIsNeverTouched) {
  Install();
  WriteConfig("time=30\r\nhollow=on\r\nstartup=0\r\n");
  const std::string other = FreshFolder("OtherHollow");
  ASSERT_TRUE(CopyFileA((folder_ + "hollow.exe").c_str(), (other + "HOLLOW.EXE").c_str(), FALSE));
  Process stranger = Start(other + "HOLLOW.EXE", "-run");
  ASSERT_TRUE(WaitProcessCount("hollow.exe", 1, 15000));
  ASSERT_NE(Launch(), nullptr);
  EXPECT_TRUE(WaitProcessCount("hollow.exe", 2, 15000)) << "our own hollow starts beside it";
  Click(Control(IDC_SWITCH));
  EXPECT_TRUE(WaitProcessCount("hollow.exe", 1, 15000));
  WaitIdle(main_);
  Command(IDC_TEST_HOLLOW);
  EXPECT_TRUE(WaitProcessCount("hollow.exe", 2, 15000));
  Command(IDC_TEST_REALITY);
  PostMessageA(main_, WM_CLOSE, 0, 0);
  EXPECT_TRUE(WaitForNoWindow(kMainTitle, 20000));
  EXPECT_TRUE(WaitProcessCount("hollow.exe", 1, 15000));
  EXPECT_EQ(WaitExit(stranger, 0), static_cast<DWORD>(STILL_ACTIVE));
  Kill(stranger);
  Close(stranger);
}

// A missing (or blocked) hollow.exe is reported once; the program goes on
// with the reality checks, and the switch works again once it is back.
TEST_F(HollowControl, MissingHollowIsReportedOnceAndTheChecksGoOn) {
  Install(false);
  WriteConfig("time=30\r\nhollow=on\r\nstartup=0\r\n");
  std::string text;
  ASSERT_EQ(StartAndSee(&text), Outcome::kErrorBoxThenRuns) << text;
  EXPECT_EQ(text.rfind("Error Code : 122\nFailed to load hollow reminder.\n\nFor support contact us at ", 0), 0u);
  EXPECT_EQ(Query(kQuerySwitchOn), 0);
  EXPECT_EQ(WaitConfig("time=30\r\nhollow=off\r\nstartup=0\r\n"), "time=30\r\nhollow=off\r\nstartup=0\r\n");
  Command(IDC_TEST_REALITY);
  ASSERT_NE(WaitForWindow(kPopupTitle, 20000), nullptr);
  EXPECT_EQ(Query(kQueryPopupVisible), 1);
  TearDown();
  started_.clear();

  Install(true);
  ASSERT_EQ(StartAndSee(&text), Outcome::kRuns) << text;
  Click(Control(IDC_SWITCH));
  EXPECT_TRUE(WaitProcessCount("hollow.exe", 1, 15000));
  EXPECT_EQ(WaitConfig("time=30\r\nhollow=on\r\nstartup=0\r\n"), "time=30\r\nhollow=on\r\nstartup=0\r\n");
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
