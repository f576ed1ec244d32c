// The real somnivex.exe without a mouse: real key presses (xdotool) walk
// and work the main window, Escape hides it, the tray icon's keyboard
// messages bring it back and open the menu, and the tray menu ends the
// reality check, which never takes the keyboard.
#include <string>
#include <vector>

#include "tests/app/program_fixture.h"

#include <shellapi.h>

using namespace harness;
using namespace program;

namespace {

class Keyboard : public ProgramTest {
 protected:
  // Real key presses (xdotool's names) into the window with the X focus.
  void Keys(const std::string& keys) {
    RunUnix("/usr/bin/xdotool key --delay 150 " + keys);
    SleepMs(250);
    WaitIdle(main_);
  }
  // A real click on the background gives the window the X keyboard focus.
  // (Without a window manager it does not come back from a closed menu.)
  void ClickBackground() {
    RECT r = {};
    GetWindowRect(main_, &r);
    RunUnix("/usr/bin/xdotool mousemove " + std::to_string(r.left + 200) + " " + std::to_string(r.top + 40) +
            " sleep 0.2 click 1 sleep 0.2");
  }
  // The main window's control with the keyboard focus (the interval box for
  // its edit field); 0 for the window itself.
  int FocusedId() {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(main_, nullptr), &info) || !info.hwndFocus) return -1;
    HWND w = info.hwndFocus;
    while (w && w != main_ && GetParent(w) != main_) w = GetParent(w);
    return w == main_ ? 0 : (w ? GetDlgCtrlID(w) : -1);
  }
  // The events of practice.csv ("YYYY-MM-DD HH:MM:SS,event" lines).
  std::vector<std::string> Events() {
    const std::string text = ReadFile(folder_ + "practice.csv");
    std::vector<std::string> events;
    for (size_t at = 0, end; (end = text.find("\r\n", at)) != std::string::npos; at = end + 2) {
      events.push_back(text.substr(text.find(',', at) + 1, end - text.find(',', at) - 1));
    }
    return events;
  }
  void ExpectPopupGone() {
    const DWORD start = GetTickCount();
    while (Query(kQueryPopupVisible) == 1 && GetTickCount() - start < 5000) SleepMs(100);
    EXPECT_EQ(Query(kQueryPopupVisible), 0);
  }
};

TEST_F(Keyboard, KeysReachAndWorkTheMainWindowAndTheTrayEndsTheReminder) {
  Install();
  WriteConfig("time=30\r\nhollow=off\r\nstartup=0\r\n");
  ASSERT_NE(Launch(), nullptr);
  ClickBackground();
  EXPECT_EQ(FocusedId(), 0) << "no control has the focus before the first key";

  // Shift+Tab enters at the last control (the scale story enters with Tab
  // at the first); Tab goes the two cards from the top, the share row, the
  // title row's ? and x, and round again.
  Keys("shift+Tab");
  EXPECT_EQ(FocusedId(), IDC_HIDE);
  const std::vector<int> order = {IDC_SWITCH,  IDC_TEST_HOLLOW, IDC_INTERVAL, IDC_SET,   IDC_TEST_REALITY, IDC_FACEBOOK,
                                  IDC_TWITTER, IDC_GOOGLEPLUS,  IDC_WEB,      IDC_ABOUT, IDC_HIDE,         IDC_SWITCH};
  std::vector<int> walked;
  for (size_t i = 0; i < order.size(); ++i) {
    Keys("Tab");
    walked.push_back(FocusedId());
  }
  EXPECT_EQ(walked, order);

  // Space flips the switch the way a click does; Enter leaves it alone.
  Keys("space");
  EXPECT_EQ(Query(kQuerySwitchOn), 1);
  EXPECT_EQ(WaitConfig("time=30\r\nhollow=on\r\nstartup=0\r\n"), "time=30\r\nhollow=on\r\nstartup=0\r\n");
  Keys("Return space");
  EXPECT_EQ(Query(kQuerySwitchOn), 0);

  // Enter in the interval box presses no button; on SET it presses SET as
  // a click does: the restart is asked for.
  Keys("Tab Tab Return");
  ASSERT_EQ(FocusedId(), IDC_INTERVAL);
  EXPECT_EQ(WaitForMessageBox("Confirm", 1000, started_.back().id), nullptr);
  EXPECT_EQ(CountProcesses("hollow.exe"), 0);
  EXPECT_TRUE(IsWindowVisible(main_));
  Keys("Tab");
  ASSERT_EQ(FocusedId(), IDC_SET);
  CaptureForReadme(main_, "focus-mark-100.png");
  Keys("Return");
  HWND confirm = WaitForMessageBox("Confirm", 10000, started_.back().id);
  ASSERT_NE(confirm, nullptr);
  PressButton(confirm, IDNO);
  SleepMs(300);

  // TEST with Space shows the reality check, which leaves the keyboard
  // where it was; while it shows, the tray menu's first items end it as a
  // double-click and a right click do, with the same lines in the record.
  Keys("Tab space");
  ASSERT_TRUE(PopupShows(10000));
  EXPECT_EQ(GetForegroundWindow(), main_);
  EXPECT_EQ(FocusedId(), IDC_TEST_REALITY);
  ChoosePopupItem(kMenuCheckDone);
  ExpectPopupGone();
  ClickBackground();
  Keys("Return");  // the focused button, though activation (not Tab) gave the focus back
  ASSERT_TRUE(PopupShows(10000));
  ChoosePopupItem(kMenuCheckNotNow);
  ExpectPopupGone();
  EXPECT_EQ(Events(), (std::vector<std::string>{"shown", "checked", "shown", "dismissed"}));

  // Escape hides the window as its x does.
  ClickBackground();
  Keys("Escape");
  EXPECT_FALSE(IsWindowVisible(main_));

  // The tray icon, version 4: the event in the low word of lParam, the
  // icon's id in the high word, its place in wParam. The mouse messages
  // before NIN_SELECT and WM_CONTEXTMENU do nothing themselves (the menu
  // would open twice); Enter or Space shows the window, Shift+F10 or the
  // menu key opens the menu at the icon.
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
}

}  // namespace
