// The real somnivex.exe without a mouse: real key presses (xdotool) walk
// the main window's controls and work them, Escape hides it, the tray
// icon's keyboard messages bring it back and open the menu, and the tray
// menu ends the reality check, which never takes the keyboard.
#include <string>
#include <vector>

#include "journal/practice_window.h"
#include "settings/about_box.h"
#include "tests/app/program_fixture.h"

#include <shellapi.h>

using namespace harness;
using namespace program;

namespace {

constexpr char kCore[] = "time=30\r\nhollow=off\r\nstartup=0\r\n";

class Keyboard : public ProgramTest {
 protected:
  // Real key presses (xdotool's key names) into the window with the X
  // keyboard focus, one after another.
  void Keys(const std::string& keys) {
    RunUnix("/usr/bin/xdotool key --delay 150 " + keys);
    SleepMs(250);
    WaitIdle(main_);
  }
  // A real click on a point of the window's background: the window takes
  // the X keyboard focus and nothing else happens.
  void ClickBackground(HWND window, int x, int y) {
    RECT r = {};
    GetWindowRect(window, &r);
    RunUnix("/usr/bin/xdotool mousemove " + std::to_string(r.left + x) + " " + std::to_string(r.top + y) +
            " sleep 0.2 click 1 sleep 0.2");
    SleepMs(200);
  }
  // The control of `dialog` with the keyboard focus (the interval box for
  // its edit field); 0 for the dialog itself, -1 for another window.
  int FocusedId(HWND dialog) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &info) || !info.hwndFocus) return -1;
    if (info.hwndFocus == dialog) return 0;
    HWND w = info.hwndFocus;
    while (w && GetParent(w) != dialog) w = GetParent(w);
    return w ? GetDlgCtrlID(w) : -1;
  }
  // The events of practice.csv ("YYYY-MM-DD HH:MM:SS,event" lines).
  std::vector<std::string> Events() {
    const std::string text = ReadFile(folder_ + "practice.csv");
    std::vector<std::string> events;
    for (size_t at = 0, end; (end = text.find("\r\n", at)) != std::string::npos; at = end + 2) {
      const size_t comma = text.find(',', at);
      if (comma < end) events.push_back(text.substr(comma + 1, end - comma - 1));
    }
    return events;
  }
  bool PopupGone() {
    const DWORD start = GetTickCount();
    while (Query(kQueryPopupVisible) == 1 && GetTickCount() - start < 5000) SleepMs(100);
    return Query(kQueryPopupVisible) == 0;
  }
  HWND ConfirmBox() { return WaitForMessageBox("Confirm", 10000, started_.back().id); }
};

TEST_F(Keyboard, KeysReachAndWorkEveryControlAndTheTrayEndsTheReminder) {
  Install();
  WriteConfig(kCore);
  ASSERT_NE(Launch(), nullptr);
  ClickBackground(main_, 200, 40);
  EXPECT_EQ(FocusedId(main_), 0) << "no control has the focus before the first key";
  // Shift+Tab enters at the last control (the scale story enters with Tab
  // at the first).
  Keys("shift+Tab");
  EXPECT_EQ(FocusedId(main_), IDC_HIDE);

  // Tab: the two cards from the top, the share row, the title row's ? and
  // x, and round again; Shift+Tab goes back.
  const std::vector<int> order = {IDC_SWITCH,   IDC_TEST_HOLLOW, IDC_INTERVAL, IDC_SET,   IDC_TEST_REALITY, IDC_FACEBOOK,
                                  IDC_TWITTER, IDC_GOOGLEPLUS,  IDC_WEB,      IDC_ABOUT, IDC_HIDE,         IDC_SWITCH};
  std::vector<int> walked;
  for (size_t i = 0; i < order.size(); ++i) {
    Keys("Tab");
    walked.push_back(FocusedId(main_));
  }
  EXPECT_EQ(walked, order);
  Keys("shift+Tab");
  EXPECT_EQ(FocusedId(main_), IDC_HIDE);
  Keys("Tab");

  // Space flips the switch the way a click does; Enter leaves it alone.
  Keys("space");
  EXPECT_EQ(Query(kQuerySwitchOn), 1);
  EXPECT_EQ(WaitConfig("time=30\r\nhollow=on\r\nstartup=0\r\n"), "time=30\r\nhollow=on\r\nstartup=0\r\n");
  Keys("Return");
  EXPECT_EQ(Query(kQuerySwitchOn), 1);
  Keys("space");
  EXPECT_EQ(Query(kQuerySwitchOn), 0);
  EXPECT_EQ(WaitConfig(kCore), kCore);

  // The arrows choose an interval, F4 opens the list and Escape closes
  // just the list.
  Keys("Tab Tab");
  ASSERT_EQ(FocusedId(main_), IDC_INTERVAL);
  HWND box = Control(IDC_INTERVAL);
  Keys("Down");
  EXPECT_EQ(SendMessageA(box, CB_GETCURSEL, 0, 0), 2);
  Keys("F4");
  EXPECT_EQ(SendMessageA(box, CB_GETDROPPEDSTATE, 0, 0), 1);
  Keys("Escape");
  EXPECT_EQ(SendMessageA(box, CB_GETDROPPEDSTATE, 0, 0), 0);
  EXPECT_TRUE(IsWindowVisible(main_));

  // Enter and Space press SET as a click does: the choice is stored and the
  // restart is asked for.
  Keys("Tab");
  ASSERT_EQ(FocusedId(main_), IDC_SET);
  CaptureForReadme(main_, "focus-mark-100.png");
  for (const char* key : {"Return", "space"}) {
    Keys(key);
    HWND confirm = ConfirmBox();
    ASSERT_NE(confirm, nullptr) << key;
    EXPECT_EQ(Config(), "time=60\r\nhollow=off\r\nstartup=0\r\n") << key;
    PressButton(confirm, IDNO);
    SleepMs(300);
    WaitIdle(main_);
  }

  // TEST shows the reality check without taking the keyboard; while it
  // shows, the tray menu's first items end it as a double-click and a right
  // click on it do, with the same lines in the record.
  Keys("Tab");
  ASSERT_EQ(FocusedId(main_), IDC_TEST_REALITY);
  Keys("space");
  ASSERT_TRUE(PopupShows(10000));
  EXPECT_EQ(GetForegroundWindow(), main_);
  EXPECT_EQ(FocusedId(main_), IDC_TEST_REALITY);
  ChoosePopupItem(kMenuCheckDone);
  EXPECT_TRUE(PopupGone());
  // (Without a window manager the X keyboard focus does not come back from
  // a closed menu by itself; a click on the background brings it.)
  ClickBackground(main_, 200, 40);
  EXPECT_EQ(FocusedId(main_), IDC_TEST_REALITY);
  Keys("Return");
  ASSERT_TRUE(PopupShows(10000));
  ChoosePopupItem(kMenuCheckNotNow);
  EXPECT_TRUE(PopupGone());
  EXPECT_EQ(Events(), (std::vector<std::string>{"shown", "checked", "shown", "dismissed"}));
  ClickBackground(main_, 200, 40);

  // The about box from the keyboard: it opens with the focus on Help, as a
  // dialog does, and Tab goes on to the visit link, CLOSE and Help again;
  // Escape closes it.
  Keys("Tab Tab Tab Tab Tab");
  ASSERT_EQ(FocusedId(main_), IDC_ABOUT);
  RunUnix("/usr/bin/xdotool key Return");
  HWND about = WaitForWindow(kAboutTitle, 10000);
  ASSERT_NE(about, nullptr);
  WaitIdle(about);
  std::vector<int> aboutOrder = {FocusedId(about)};
  for (int i = 0; i < 3; ++i) {
    RunUnix("/usr/bin/xdotool key Tab");
    SleepMs(200);
    aboutOrder.push_back(FocusedId(about));
  }
  EXPECT_EQ(aboutOrder, (std::vector<int>{IDC_ABOUT_HELP, IDC_ABOUT_VISIT, IDC_ABOUT_CLOSE, IDC_ABOUT_HELP}));
  RunUnix("/usr/bin/xdotool key Escape");
  EXPECT_TRUE(WaitForNoWindow(kAboutTitle, 10000));
  WaitIdle(main_);

  // Escape hides the main window as its x does.
  ClickBackground(main_, 200, 40);
  Keys("Escape");
  EXPECT_FALSE(IsWindowVisible(main_));

  // The tray icon, version 4: the event in the low word of lParam, the
  // icon's id in the high word, its place in wParam. The mouse messages that
  // come before NIN_SELECT and WM_CONTEXTMENU do nothing themselves (the
  // menu would open twice); Enter or Space shows the window, Shift+F10 or
  // the menu key opens the menu at the icon.
  const WPARAM icon = MAKEWPARAM(150, 120);
  PostMessageA(main_, WM_TRAY_CALLBACK, icon, MAKELPARAM(WM_LBUTTONUP, TRAY_ICON_ID));
  PostMessageA(main_, WM_TRAY_CALLBACK, icon, MAKELPARAM(WM_RBUTTONDOWN, TRAY_ICON_ID));
  EXPECT_EQ(WaitMenu(1500), nullptr);
  EXPECT_FALSE(IsWindowVisible(main_));
  PostMessageA(main_, WM_TRAY_CALLBACK, icon, MAKELPARAM(NIN_KEYSELECT, TRAY_ICON_ID));
  SleepMs(300);
  WaitIdle(main_);
  EXPECT_TRUE(IsWindowVisible(main_));
  PostMessageA(main_, WM_TRAY_CALLBACK, icon, MAKELPARAM(WM_CONTEXTMENU, TRAY_ICON_ID));
  HWND menu = WaitMenu(10000);
  ASSERT_NE(menu, nullptr);
  RECT at = {};
  GetWindowRect(menu, &at);
  EXPECT_EQ(at.left, 150);
  EXPECT_EQ(at.top, 120);
  PostMessageA(menu, WM_KEYDOWN, VK_ESCAPE, 0);
  SleepMs(300);
  WaitIdle(main_);

  // My Practice: Tab reaches its x and Enter closes it. While it is open,
  // the main window's keys still work (its loop is My Practice's).
  SetWindowPos(main_, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);  // beside My Practice
  ChooseMenuItem(kMenuPractice);
  HWND practice = WaitForWindow(kPracticeTitle, 10000);
  ASSERT_NE(practice, nullptr);
  WaitIdle(practice);
  ClickBackground(main_, 200, 40);
  const int before = FocusedId(main_);
  Keys("Tab");
  EXPECT_NE(FocusedId(main_), before);
  ClickBackground(practice, 40, 40);
  RunUnix("/usr/bin/xdotool key Tab");
  SleepMs(200);
  EXPECT_EQ(FocusedId(practice), IDC_PRACTICE_CLOSE);
  RunUnix("/usr/bin/xdotool key Return");
  EXPECT_TRUE(WaitForNoWindow(kPracticeTitle, 10000));
}

}  // namespace
