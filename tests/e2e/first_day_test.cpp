// A user's first day with the shipped release folder, driven from outside:
// real clicks on the controls, the tray icon's messages, the tray menu, the
// message boxes, and after each step what lands on disk and in the registry.
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <utility>

#include <windows.h>
#include <tlhelp32.h>

#include "tests/app/program_fixture.h"

using namespace harness;
using namespace program;

namespace {

std::string DistDir() {
  const char* dist = std::getenv("SMX_DIST_DIR");
  std::string path = dist ? WindowsPath(dist) : std::string();
  if (!path.empty() && path.back() != '\\') path += '\\';
  return path;
}

std::string UnixPath(const std::string& windowsPath) {
  std::string out = windowsPath.substr(2);  // drop "Z:"
  for (char& c : out) c = (c == '\\') ? '/' : c;
  return out;
}

class FirstDay : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    source_ = DistDir();
    shots_ = folder_ + "shots\\";
    CreateDirectoryA(shots_.c_str(), nullptr);
  }

  // Captures the screen rectangle of a window and compares it with the
  // committed reference picture of that name. SMX_UPDATE_SCREENSHOTS=1
  // (make screenshots) replaces the reference instead.
  void Screenshot(const char* name, HWND window) {
    RECT r = {};
    GetWindowRect(window, &r);
    const std::string shot = UnixPath(shots_) + name + ".png";
    char command[512];
    std::snprintf(command, sizeof command, "/usr/bin/import -window root -crop %ldx%ld+%ld+%ld +repage %s",
                  r.right - r.left, r.bottom - r.top, r.left, r.top, shot.c_str());
    RunUnix(command, 20000);
    const char* refs = std::getenv("SMX_REFERENCE_DIR");
    ASSERT_NE(refs, nullptr);
    const std::string reference = std::string(refs) + "/" + name + ".png";
    if (std::getenv("SMX_UPDATE_SCREENSHOTS")) {
      CopyFileA(WindowsPath(shot).c_str(), WindowsPath(reference).c_str(), FALSE);
      return;
    }
    ASSERT_TRUE(FileExists(WindowsPath(reference))) << "no reference picture " << reference;
    // Count the pixels that differ by more than the fuzz; a few per cent of
    // the picture may differ (font hinting, the tray clock, a moving cursor).
    const std::string result = UnixPath(shots_) + name + ".diff.txt";
    std::snprintf(command, sizeof command, "/usr/bin/compare -metric AE -fuzz 12%% %s %s null: 2> %s",
                  shot.c_str(), reference.c_str(), result.c_str());
    RunUnix(command, 20000);
    const std::string text = ReadFile(WindowsPath(result));
    const double differing = std::atof(text.c_str());
    const double pixels = double(r.right - r.left) * double(r.bottom - r.top);
    EXPECT_FALSE(text.empty()) << name;
    EXPECT_LE(differing, pixels * 0.03) << name << ": " << text;
  }

  std::string shots_;
};

TEST_F(FirstDay, AUsersWholeFirstDay) {
  Install(true, true);
  ASSERT_TRUE(FileExists(source_ + "help.html"));
  // Beside it, the help page of every other language the programs speak.
  std::istringstream languages(SMX_LANGUAGES);
  for (std::string code; languages >> code;) EXPECT_TRUE(FileExists(source_ + "help." + code + ".html")) << code;
  CopyFileA((source_ + "help.html").c_str(), (folder_ + "help.html").c_str(), FALSE);
  const std::string log = FreshShellRecorderLog();
  RegisterShellRecorder(log);
  const std::string runValue = "\"" + exe_ + "\" -m";

  {
    SCOPED_TRACE("first run");
    ASSERT_NE(Launch(), nullptr);
    EXPECT_TRUE(IsWindowVisible(main_));
    EXPECT_EQ(Config(), "time=30\r\nhollow=off\r\nstartup=0\r\n");
    EXPECT_EQ(RunValue(), "<none>");  // starts with Windows only when asked
    EXPECT_EQ(Query(kQueryStartupChecked), 0);
    SleepMs(300);
    Screenshot("main-window", main_);
  }
  {
    SCOPED_TRACE("the tips rotate");
    EXPECT_EQ(Query(kQueryCurrentTip), 0);
    SleepMs(5500);
    EXPECT_EQ(Query(kQueryCurrentTip), 1);
  }
  HWND popup = nullptr;
  {
    SCOPED_TRACE("TEST of a reality check, dismissed and shown again");
    Click(Control(IDC_TEST_REALITY));
    popup = WaitForWindow(kPopupTitle, 20000);
    ASSERT_NE(popup, nullptr);
    WaitIdle(popup);
    EXPECT_EQ(Query(kQueryPopupVisible), 1);
    SleepMs(300);
    Screenshot("reality-check", popup);
    RECT r = {};
    GetWindowRect(popup, &r);
    char command[160];
    std::snprintf(command, sizeof command, "/usr/bin/xdotool mousemove %ld %ld sleep 0.1 click 3", r.left + 60, r.top + 60);
    RunUnix(command);
    SleepMs(300);
    WaitIdle(popup);
    EXPECT_EQ(Query(kQueryPopupVisible), 0);
    EXPECT_TRUE(IsWindow(popup));
    Command(IDC_TEST_REALITY);
    WaitIdle(popup);
    EXPECT_EQ(Query(kQueryPopupVisible), 1);
    PostMessageA(popup, WM_RBUTTONUP, 0, 0);
    SleepMs(200);
    WaitIdle(popup);
    EXPECT_EQ(Query(kQueryPopupVisible), 0);
  }
  {
    SCOPED_TRACE("Vododi Reminders on, TEST, off");
    Click(Control(IDC_SWITCH));
    EXPECT_TRUE(WaitProcessCount("hollow.exe", 1, 15000));
    WaitIdle(main_);
    EXPECT_EQ(WaitConfig("time=30\r\nhollow=on\r\nstartup=0\r\n"), "time=30\r\nhollow=on\r\nstartup=0\r\n");
    HWND word1 = WaitForWindow("SM Vododi Reminders 1", 15000);
    HWND word2 = WaitForWindow("SM Vododi Reminders 2", 15000);
    ASSERT_NE(word1, nullptr);
    ASSERT_NE(word2, nullptr);
    Click(Control(IDC_TEST_HOLLOW));
    SleepMs(1000);
    EXPECT_TRUE(WaitProcessCount("hollow.exe", 1, 15000));
    Click(Control(IDC_SWITCH));
    EXPECT_TRUE(WaitProcessCount("hollow.exe", 0, 15000));
    WaitIdle(main_);
    EXPECT_EQ(WaitConfig("time=30\r\nhollow=off\r\nstartup=0\r\n"), "time=30\r\nhollow=off\r\nstartup=0\r\n");
  }
  {
    SCOPED_TRACE("hide to the tray and come back");
    Click(Control(IDC_HIDE));
    SleepMs(300);
    EXPECT_FALSE(IsWindowVisible(main_));
    PostMessageA(main_, WM_TRAY_CALLBACK, TRAY_ICON_ID, WM_LBUTTONUP);
    SleepMs(300);
    WaitIdle(main_);
    EXPECT_TRUE(IsWindowVisible(main_));
  }
  {
    SCOPED_TRACE("Invoke At Startup on and off");
    ChooseMenuItem(kMenuStartup);
    EXPECT_EQ(Query(kQueryStartupChecked), 1);
    EXPECT_EQ(RunValue(), runValue);
    EXPECT_EQ(Config(), "time=30\r\nhollow=off\r\nstartup=1\r\n");
    ChooseMenuItem(kMenuStartup);
    EXPECT_EQ(Query(kQueryStartupChecked), 0);
    EXPECT_EQ(RunValue(), "<none>");
    EXPECT_EQ(Config(), "time=30\r\nhollow=off\r\nstartup=0\r\n");
    ChooseMenuItem(kMenuStartup);  // on again, for the hidden start at the end of the day
    EXPECT_EQ(RunValue(), runValue);
  }
  {
    SCOPED_TRACE("the about box and its help");
    Click(Control(IDC_ABOUT));
    HWND about = WaitForWindow("SMX About", 20000);
    ASSERT_NE(about, nullptr);
    WaitIdle(about);
    SleepMs(300);
    Screenshot("about-box", about);
    Click(GetDlgItem(about, IDC_ABOUT_HELP));
    const DWORD start = GetTickCount();
    while (ReadFile(log).empty() && GetTickCount() - start < 15000) SleepMs(100);
    const std::string opened = ReadFile(log);
    EXPECT_EQ(opened.rfind("3 ", 0), 0u) << opened;
    EXPECT_NE(opened.find("help.html"), std::string::npos) << opened;
    Click(GetDlgItem(about, IDC_ABOUT_CLOSE));
    EXPECT_TRUE(WaitForNoWindow("SMX About", 10000));
  }
  {
    SCOPED_TRACE("a new interval with SET, and the restart");
    SendMessageA(Control(IDC_INTERVAL), CB_SETCURSEL, 0, 0);
    Click(Control(IDC_SET));
    HWND confirm = WaitForMessageBox("Confirm", 20000);
    ASSERT_NE(confirm, nullptr);
    EXPECT_EQ(Config(), "time=10\r\nhollow=off\r\nstartup=1\r\n");
    PressButton(confirm, IDYES);
    EXPECT_EQ(WaitExit(started_.back(), 30000), 0u);
    main_ = WaitForWindow(kMainTitle, 30000);
    ASSERT_NE(main_, nullptr);
    WaitIdle(main_);
    EXPECT_EQ(TopWindows(kMainTitle).size(), 1u);
    EXPECT_EQ(Query(kQueryReminderPeriod), 10 * 60000);
    EXPECT_EQ(Query(kQueryStartupChecked), 1);
  }
  {
    SCOPED_TRACE("quit from the tray");
    DWORD pid = 0;
    GetWindowThreadProcessId(main_, &pid);
    HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, pid);
    ChooseMenuItem(kMenuQuit);
    EXPECT_EQ(WaitForSingleObject(process, 20000), WAIT_OBJECT_0);
    DWORD code = 1;
    GetExitCodeProcess(process, &code);
    EXPECT_EQ(code, 0u);
    CloseHandle(process);
    EXPECT_TRUE(WaitForNoWindow(kMainTitle, 5000));
    EXPECT_EQ(Config(), "time=10\r\nhollow=off\r\nstartup=1\r\n");
  }
  {
    SCOPED_TRACE("started again hidden, as the Run value does, and quit from there");
    Process p = LaunchProcess("-m");
    main_ = WaitForWindow(kMainTitle, 30000);
    ASSERT_NE(main_, nullptr);
    SleepMs(6000);
    WaitIdle(main_);
    EXPECT_FALSE(IsWindowVisible(main_));
    ChooseMenuItem(kMenuQuit);
    EXPECT_EQ(WaitExit(p, 20000), 0u);
    EXPECT_EQ(Config(), "time=10\r\nhollow=off\r\nstartup=1\r\n");
  }
  UnregisterShellRecorder();
}

TEST_F(FirstDay, VododiPicturesOnTheDesktop) {
  Install();
  Process p = Start(folder_ + "hollow.exe", "-run");
  HWND word1 = WaitForWindow("SM Vododi Reminders 1", 20000);
  HWND word2 = WaitForWindow("SM Vododi Reminders 2", 20000);
  ASSERT_NE(word1, nullptr);
  ASSERT_NE(word2, nullptr);
  // The pictures drift: hold the program still while they are captured.
  SleepMs(500);
  std::vector<HANDLE> threads;
  HANDLE snap = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
  THREADENTRY32 t = {};
  t.dwSize = sizeof t;
  for (BOOL ok = Thread32First(snap, &t); ok; ok = Thread32Next(snap, &t)) {
    if (t.th32OwnerProcessID != p.id) continue;
    HANDLE h = OpenThread(THREAD_SUSPEND_RESUME, FALSE, t.th32ThreadID);
    if (h && SuspendThread(h) != static_cast<DWORD>(-1)) threads.push_back(h);
  }
  CloseHandle(snap);
  SleepMs(300);
  // Window 2 starts at a random point that may lie past the screen's
  // edges; only a picture wholly on the screen can be compared.
  for (auto [name, window] : {std::pair<const char*, HWND>{"hollow-1", word1}, {"hollow-2", word2}}) {
    RECT r = {};
    GetWindowRect(window, &r);
    if (r.left >= 0 && r.top >= 0 && r.right <= GetSystemMetrics(SM_CXSCREEN) && r.bottom <= GetSystemMetrics(SM_CYSCREEN)) {
      Screenshot(name, window);
    }
  }
  for (HANDLE h : threads) {
    ResumeThread(h);
    CloseHandle(h);
  }
  PostMessageA(word1, WM_CLOSE, 0, 0);
  EXPECT_EQ(WaitExit(p, 10000), 0u);
  Close(p);
}

}  // namespace
