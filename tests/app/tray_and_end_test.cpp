// The real somnivex.exe: tray icon and menu, share buttons and the about
// box, the orderly end and the restart.
#include "tests/app/program_fixture.h"

#include <shellapi.h>

using namespace harness;
using namespace program;

namespace {

class Tray : public ProgramTest {
 protected:
  DWORD MainProcessId() {
    DWORD pid = 0;
    GetWindowThreadProcessId(main_, &pid);
    return pid;
  }
};

TEST_F(Tray, InvokeAtStartupTwiceReturnsEverythingToWhereItWas) {
  Install();
  ASSERT_NE(Launch(), nullptr);
  const std::string runValue = "\"" + exe_ + "\" -m";
  EXPECT_EQ(RunValue(), "<none>");  // the first run registers nothing
  EXPECT_EQ(Query(kQueryStartupChecked), 0);

  ChooseMenuItem(kMenuStartup);
  EXPECT_EQ(RunValue(), runValue);
  EXPECT_EQ(Query(kQueryStartupChecked), 1);
  EXPECT_EQ(Config(), "time=30\r\nhollow=off\r\nstartup=1\r\n");

  ChooseMenuItem(kMenuStartup);
  EXPECT_EQ(RunValue(), "<none>");
  EXPECT_EQ(Query(kQueryStartupChecked), 0);
  EXPECT_EQ(Config(), "time=30\r\nhollow=off\r\nstartup=0\r\n");
}

TEST_F(Tray, DismissedMenuDoesNothing) {
  Install();
  ASSERT_NE(Launch(), nullptr);
  PostMessageA(main_, WM_TRAY_CALLBACK, TRAY_ICON_ID, WM_RBUTTONDOWN);
  HWND menu = WaitMenu(10000);
  ASSERT_NE(menu, nullptr);
  PostMessageA(menu, WM_KEYDOWN, VK_ESCAPE, 0);
  SleepMs(300);
  WaitIdle(main_);
  EXPECT_EQ(Config(), "time=30\r\nhollow=off\r\nstartup=0\r\n");
  EXPECT_EQ(WaitExit(started_.back(), 0), static_cast<DWORD>(STILL_ACTIVE));
}

// Explorer restarted: its new taskbar has none of the old icons until the
// programs add them again on its "TaskbarCreated" broadcast.
TEST_F(Tray, IconComesBackOnANewTaskbarAndItsMenuWorks) {
  Install();
  ASSERT_NE(Launch(), nullptr);
  const int icons = TrayIconCount();
  NOTIFYICONDATAA ours = {};
  ours.cbSize = sizeof ours;
  ours.hWnd = main_;
  ours.uID = TRAY_ICON_ID;
  ASSERT_TRUE(Shell_NotifyIconA(NIM_DELETE, &ours));
  EXPECT_EQ(TrayIconCount(), icons - 1);
  DWORD_PTR ignored = 0;
  SendMessageTimeoutA(HWND_BROADCAST, RegisterWindowMessageA("TaskbarCreated"), 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored);
  WaitIdle(main_);
  EXPECT_EQ(TrayIconCount(), icons);
  EXPECT_TRUE(Shell_NotifyIconA(NIM_MODIFY, &ours)) << "the icon is ours: id 383 of the main window";
  ChooseMenuItem(kMenuStartup);
  EXPECT_EQ(RunValue(), "\"" + exe_ + "\" -m");
  EXPECT_EQ(Config(), "time=30\r\nhollow=off\r\nstartup=1\r\n");
}

TEST_F(Tray, ShowAfterHiddenStartCentresOnceThenKeepsThePlace) {
  Install();
  LaunchProcess("-m");
  main_ = WaitForWindow(kMainTitle, 30000);
  ASSERT_NE(main_, nullptr);
  SleepMs(6000);  // past the start-up and first tips ticks, which hide it again
  WaitIdle(main_);
  EXPECT_FALSE(IsWindowVisible(main_));
  PostMessageA(main_, WM_TRAY_CALLBACK, TRAY_ICON_ID, WM_LBUTTONUP);
  SleepMs(300);
  WaitIdle(main_);
  EXPECT_TRUE(IsWindowVisible(main_));
  RECT work = {}, r = {};
  work = PrimaryWorkArea();
  GetWindowRect(main_, &r);
  EXPECT_EQ(r.left, work.left + ((work.right - work.left) - 428) / 2);
  EXPECT_EQ(r.top, work.top + ((work.bottom - work.top) - 372) / 2);

  SetWindowPos(main_, nullptr, 30, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  Command(IDC_HIDE);
  EXPECT_FALSE(IsWindowVisible(main_));
  ChooseMenuItem(kMenuShow);
  EXPECT_TRUE(IsWindowVisible(main_));
  GetWindowRect(main_, &r);
  EXPECT_EQ(r.left, 30);
  EXPECT_EQ(r.top, 40);
}

TEST_F(Tray, QuitSavesStopsHollowAndEndsWithZero) {
  Install();
  ASSERT_NE(Launch(), nullptr);
  Click(Control(IDC_TEST_HOLLOW));  // switch on without saving
  const DWORD start = GetTickCount();
  while (CountProcesses("hollow.exe") != 1 && GetTickCount() - start < 15000) SleepMs(100);
  ASSERT_EQ(CountProcesses("hollow.exe"), 1);
  EXPECT_EQ(Config(), "time=30\r\nhollow=off\r\nstartup=0\r\n");
  Process& p = started_.back();
  // Icons of programs that earlier tests killed may linger in the tray, so
  // the count is compared with itself.
  const int icons = TrayIconCount();
  EXPECT_GE(icons, 1);
  ChooseMenuItem(kMenuQuit);
  EXPECT_EQ(WaitExit(p, 20000), 0u);
  EXPECT_EQ(TrayIconCount(), icons - 1);
  EXPECT_EQ(Config(), "time=30\r\nhollow=on\r\nstartup=0\r\n");
  EXPECT_EQ(CountProcesses("hollow.exe"), 0);
  EXPECT_TRUE(WaitForNoWindow(kMainTitle, 5000));
}

TEST_F(Tray, ClosingTheRealityCheckEndsTheProgramTheSameWay) {
  Install();
  ASSERT_NE(Launch(), nullptr);
  Command(IDC_TEST_REALITY);
  HWND popup = WaitForWindow(kPopupTitle, 20000);
  ASSERT_NE(popup, nullptr);
  WaitIdle(popup);
  PostMessageA(popup, WM_CLOSE, 0, 0);
  EXPECT_EQ(WaitExit(started_.back(), 20000), 0u);
  EXPECT_EQ(Config(), "time=30\r\nhollow=off\r\nstartup=0\r\n");
  EXPECT_TRUE(WaitForNoWindow(kPopupTitle, 5000));
}

TEST_F(Tray, RestartLeavesExactlyOneInstance) {
  Install();
  const int iconsBefore = TrayIconCount();
  ASSERT_NE(Launch(), nullptr);
  const DWORD oldPid = MainProcessId();
  SendMessageA(Control(IDC_INTERVAL), CB_SETCURSEL, 2, 0);
  Command(IDC_SET);
  HWND confirm = WaitForMessageBox("Confirm", 20000, oldPid);
  ASSERT_NE(confirm, nullptr);
  // The first reality check comes while the box is open; Yes still restarts.
  Tick();
  EXPECT_TRUE(PopupShows(10000));
  PressButton(confirm, IDYES);
  EXPECT_EQ(WaitExit(started_.back(), 30000), 0u);
  HWND fresh = WaitForWindow(kMainTitle, 30000);
  ASSERT_NE(fresh, nullptr);
  SleepMs(1000);
  EXPECT_EQ(TopWindows(kMainTitle).size(), 1u);
  EXPECT_EQ(TrayIconCount(), iconsBefore + 1);
  main_ = fresh;
  WaitIdle(main_);
  EXPECT_EQ(Query(kQueryReminderPeriod), 60 * 60000);
  EXPECT_EQ(Config(), "time=60\r\nhollow=off\r\nstartup=0\r\n");
}

TEST_F(Tray, FailedRestartShowsTheRestartMessage) {
  Install();
  ASSERT_NE(Launch(), nullptr);
  const DWORD pid = MainProcessId();
  // The executable is no longer where the program was started from.
  ASSERT_TRUE(MoveFileA(exe_.c_str(), (folder_ + "moved.exe").c_str()));
  SendMessageA(Control(IDC_INTERVAL), CB_SETCURSEL, 0, 0);
  Command(IDC_SET);
  HWND confirm = WaitForMessageBox("Confirm", 20000, pid);
  ASSERT_NE(confirm, nullptr);
  PressButton(confirm, IDYES);
  HWND box = WaitForMessageBox("Error", 20000, pid);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(MessageBoxText(box).rfind("Failed To Restart Program Automatically.\nPlease Close this program and restart it "
                                      "manually.\n\nFor support contact us at ",
                                      0),
            0u);
  PressButton(box, IDOK);
  EXPECT_EQ(WaitExit(started_.back(), 20000), 0u);
}

class Shell : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    log_ = FreshShellRecorderLog();
    RegisterShellRecorder(log_);
  }
  void TearDown() override {
    UnregisterShellRecorder();
    ProgramTest::TearDown();
  }
  std::string WaitLog(size_t lines) {
    const DWORD start = GetTickCount();
    std::string text;
    while (GetTickCount() - start < 15000) {
      text = ReadFile(log_);
      size_t n = 0;
      for (char c : text) n += (c == '\n');
      if (n >= lines) break;
      SleepMs(100);
    }
    SleepMs(500);
    return ReadFile(log_);
  }
  std::string log_;
};

TEST_F(Shell, EachShareButtonOpensExactlyOneAddress) {
  Install();
  ASSERT_NE(Launch(), nullptr);
  Click(Control(IDC_TWITTER));
  const std::string twitter = WaitLog(1);
  EXPECT_NE(twitter.find("share?url=Visit "), std::string::npos) << twitter;
  EXPECT_NE(twitter.find("&text=Hey Friends ! Checkout Somnivex that helps you to do reality checks for lucid "
                         "dreams.Download At "),
            std::string::npos)
      << twitter;
  EXPECT_NE(twitter.find("&count=horiztonal\n"), std::string::npos) << twitter;
  Click(Control(IDC_FACEBOOK));
  Click(Control(IDC_GOOGLEPLUS));
  Click(Control(IDC_WEB));
  const std::string all = WaitLog(4);
  size_t lines = 0;
  for (char c : all) lines += (c == '\n');
  EXPECT_EQ(lines, 4u) << all;
  EXPECT_NE(all.find("/gp/\n"), std::string::npos) << all;
}

TEST_F(Shell, AboutBoxHelpOpensTheLocalPageMaximisedOrTheOnlinePage) {
  Install();
  ASSERT_NE(Launch(), nullptr);
  // Without help.html the online page opens, shown normally.
  Command(IDC_ABOUT);
  HWND about = WaitForWindow("SMX About", 20000);
  ASSERT_NE(about, nullptr);
  WaitIdle(about);
  BYTE alpha = 0;
  DWORD flags = 0;
  GetLayeredWindowAttributes(about, nullptr, &alpha, &flags);
  EXPECT_EQ(alpha, 245);
  PostMessageA(about, WM_COMMAND, MAKEWPARAM(IDC_ABOUT_HELP, BN_CLICKED), 0);
  std::string text = WaitLog(1);
  EXPECT_NE(text.find("/smx/help.html\n"), std::string::npos) << text;
  EXPECT_EQ(text.rfind("1 ", 0), 0u) << text;  // SW_SHOWNORMAL

  // With help.html beside the program only the local page opens, maximised.
  ASSERT_TRUE(WriteFile(folder_ + "help.html", "<html><body>help</body></html>"));
  DeleteFileA(log_.c_str());
  PostMessageA(about, WM_COMMAND, MAKEWPARAM(IDC_ABOUT_HELP, BN_CLICKED), 0);
  text = WaitLog(1);
  EXPECT_EQ(text.rfind("3 ", 0), 0u) << text;  // SW_SHOWMAXIMIZED
  EXPECT_NE(text.find("help.html"), std::string::npos) << text;
  EXPECT_EQ(text.find("/smx/"), std::string::npos) << text;

  // Closing fades it out before it ends.
  PostMessageA(about, WM_CLOSE, 0, 0);
  EXPECT_TRUE(WaitForNoWindow("SMX About", 10000));
}

}  // namespace
