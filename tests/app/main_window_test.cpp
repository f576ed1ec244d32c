// The real somnivex.exe under Wine: the main window, its interval box, SET,
// hiding, dragging and the reality-check popup.
#include "tests/app/program_fixture.h"

#include <oleacc.h>

#include "reminders/tips.h"
#include "tests/support/screen_reader.h"

using namespace harness;
using namespace program;

namespace {

BYTE LayeredAlpha(HWND w) {
  BYTE alpha = 0;
  COLORREF key = 0;
  DWORD flags = 0;
  if (!GetLayeredWindowAttributes(w, &key, &alpha, &flags)) return 0;
  return alpha;
}

HWND WaitPopup() { return WaitForWindow(kPopupTitle, 20000); }

class MainWindow : public ProgramTest {};

TEST_F(MainWindow, FirstStartFadesInAndWritesDefaults) {
  Install();
  ASSERT_NE(Launch(), nullptr);
  EXPECT_TRUE(IsWindowVisible(main_));
  EXPECT_EQ(LayeredAlpha(main_), 225);
  RECT r = {};
  GetWindowRect(main_, &r);
  EXPECT_EQ(r.right - r.left, 428);
  EXPECT_EQ(r.bottom - r.top, 372);
  EXPECT_EQ(Config(), "time=30\r\nhollow=off\r\nstartup=0\r\n");
  EXPECT_EQ(RunValue(), "<none>");
  EXPECT_EQ(Query(kQueryReminderPeriod), 30 * 60000);
  EXPECT_EQ(SendMessageA(Control(IDC_INTERVAL), CB_GETCURSEL, 0, 0), 1);
  EXPECT_EQ(SendMessageA(Control(IDC_INTERVAL), CB_GETCOUNT, 0, 0), 4);

  // A screen reader in another process finds every control by its name
  // and its kind: the switch is a check box (off), the box says its
  // minutes, the tips panel reads the tip it shows.
  const struct {
    int id;
    const char* name;
    long role;
  } controls[] = {
      {IDC_TEST_REALITY, "Test the reality check", ROLE_SYSTEM_PUSHBUTTON},
      {IDC_TEST_HOLLOW, "Test Vododi Reminders", ROLE_SYSTEM_PUSHBUTTON},
      {IDC_SET, "Set", ROLE_SYSTEM_PUSHBUTTON},
      {IDC_SWITCH, "Vododi Reminders", ROLE_SYSTEM_CHECKBUTTON},
      {IDC_INTERVAL, "Minutes between reality checks", ROLE_SYSTEM_COMBOBOX},
      {IDC_HIDE, "Hide to the notification area", ROLE_SYSTEM_PUSHBUTTON},
      {IDC_ABOUT, "Help", ROLE_SYSTEM_PUSHBUTTON},
      {IDC_TWITTER, "Share on Twitter", ROLE_SYSTEM_PUSHBUTTON},
      {IDC_GOOGLEPLUS, "Open the Google+ page", ROLE_SYSTEM_PUSHBUTTON},
      {IDC_FACEBOOK, "Open the Facebook page", ROLE_SYSTEM_PUSHBUTTON},
      {IDC_WEB, "Open the maker's web page", ROLE_SYSTEM_PUSHBUTTON},
  };
  constexpr long kHidden = STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_UNAVAILABLE | STATE_SYSTEM_CHECKED;
  for (const auto& c : controls) {
    const reader::Accessible a = reader::Read(Control(c.id));
    EXPECT_TRUE(a.found) << c.name;
    EXPECT_EQ(a.name, c.name);
    EXPECT_EQ(a.role, c.role) << c.name;
    EXPECT_EQ(a.state & (kHidden | STATE_SYSTEM_FOCUSABLE), STATE_SYSTEM_FOCUSABLE) << c.name;
  }
  const reader::Accessible box = reader::Read(Control(IDC_INTERVAL));
  EXPECT_TRUE(box.hasValue);
  EXPECT_EQ(box.value, "30");
  std::vector<std::string> tips;
  LoadTips(tips);
  const reader::Accessible panel = reader::Read(Control(IDC_TIPS));
  EXPECT_EQ(panel.role, ROLE_SYSTEM_STATICTEXT);
  EXPECT_EQ(panel.state & STATE_SYSTEM_READONLY, STATE_SYSTEM_READONLY);
  EXPECT_EQ(panel.name, tips.at(static_cast<std::size_t>(Query(kQueryCurrentTip))));
}

TEST_F(MainWindow, HiddenStartNeverShowsTheWindow) {
  Install();
  LaunchProcess("-m");
  HWND w = WaitForWindow(kMainTitle, 30000);
  ASSERT_NE(w, nullptr);
  main_ = w;
  // Through the initialisation, the start-up tick and the first tips tick.
  // The dialog manager shows a modal dialog once its loop first goes idle;
  // the window is parked off the screen then and hidden again at once.
  const RECT screen = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  const DWORD start = GetTickCount();
  bool everOnScreen = false;
  while (GetTickCount() - start < 7000) {
    RECT r = {}, overlap = {};
    GetWindowRect(w, &r);
    everOnScreen = everOnScreen || (IsWindowVisible(w) && IntersectRect(&overlap, &r, &screen));
    SleepMs(5);
  }
  EXPECT_FALSE(everOnScreen);
  EXPECT_FALSE(IsWindowVisible(w));
  EXPECT_EQ(LayeredAlpha(w), 230);
}

TEST_F(MainWindow, StoredIntervalSelectsItsChoiceAndSetsThePeriod) {
  struct Case {
    const char* time;
    LRESULT selection;
    LRESULT period;
  };
  const Case cases[] = {
      {"60", 2, 60 * 60000}, {"45", CB_ERR, 45 * 60000}, {"10", 0, 10 * 60000}, {"abc", CB_ERR, 30 * 60000},
      {"0", CB_ERR, 30 * 60000}, {"-5", CB_ERR, 30 * 60000}, {"99999999", CB_ERR, 30 * 60000}, {"9", 3, 9 * 60000},
  };
  Install();
  for (const Case& c : cases) {
    WriteConfig(std::string("time=") + c.time + "\r\nhollow=off\r\nstartup=0\r\n");
    ASSERT_NE(Launch("-run"), nullptr) << c.time;
    EXPECT_EQ(SendMessageA(Control(IDC_INTERVAL), CB_GETCURSEL, 0, 0), c.selection) << c.time;
    EXPECT_EQ(Query(kQueryReminderPeriod), c.period) << c.time;
    TearDown();
    started_.clear();
  }
}

TEST_F(MainWindow, SetStoresTheChoiceAtOnceAndNoKeepsRunning) {
  Install();
  ASSERT_NE(Launch(), nullptr);
  HWND box = Control(IDC_INTERVAL);
  SendMessageA(box, CB_SETCURSEL, 0, 0);
  Click(Control(IDC_SET));
  HWND confirm = WaitForMessageBox("Confirm", 20000, started_.back().id);
  ASSERT_NE(confirm, nullptr);
  EXPECT_EQ(MessageBoxText(confirm),
            "You will need to restart the software for change to take effect.\r\nDo you want to restart the software ?");
  EXPECT_NE(GetDlgItem(confirm, IDYES), nullptr);
  EXPECT_NE(GetDlgItem(confirm, IDNO), nullptr);
  EXPECT_EQ(Config(), "time=10\r\nhollow=off\r\nstartup=0\r\n");
  PressButton(confirm, IDNO);
  SleepMs(500);
  EXPECT_EQ(WaitExit(started_.back(), 0), static_cast<DWORD>(STILL_ACTIVE));
  EXPECT_EQ(Query(kQueryReminderPeriod), 30 * 60000);
  EXPECT_EQ(TopWindows(kMainTitle).size(), 1u);
}

TEST_F(MainWindow, SetWithoutSelectionStoresNothingAndAsksNothing) {
  Install();
  WriteConfig("time=45\r\nhollow=off\r\nstartup=0\r\n");
  ASSERT_NE(Launch(), nullptr);
  Command(IDC_SET);
  EXPECT_EQ(WaitForMessageBox("Confirm", 1500, started_.back().id), nullptr);
  EXPECT_EQ(Config(), "time=45\r\nhollow=off\r\nstartup=0\r\n");
}

TEST_F(MainWindow, RealityCheckShowsDismissesAndReturnsWhereItWasLeft) {
  Install();  // no ting.wav beside the program: only the sound is missing
  ASSERT_NE(Launch(), nullptr);
  reader::AlertCounter alerts(started_.back().id);
  Command(IDC_TEST_REALITY);
  HWND popup = WaitPopup();
  ASSERT_NE(popup, nullptr);
  WaitIdle(popup);
  // A screen reader hears it once, and reads the words it shows.
  EXPECT_EQ(alerts.Count(popup), 1);
  const reader::Accessible shown = reader::Read(popup);
  EXPECT_EQ(shown.name, "Reality check. Is this a dream? Look at your hand. Count your fingers, then look again.");
  EXPECT_EQ(shown.role, ROLE_SYSTEM_ALERT);
  EXPECT_EQ(shown.state & STATE_SYSTEM_INVISIBLE, 0);
  RECT r = {};
  GetWindowRect(popup, &r);
  EXPECT_EQ(r.right - r.left, 337);
  EXPECT_EQ(r.bottom - r.top, 222);
  const RECT work = PrimaryWorkArea();
  EXPECT_EQ(r.left, work.left + ((work.right - work.left) - 337) / 2);
  EXPECT_EQ(r.top, work.top + ((work.bottom - work.top) - 222) / 2);
  EXPECT_TRUE(GetWindowLongA(popup, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_TRUE(GetWindowLongA(popup, GWL_EXSTYLE) & WS_EX_LAYERED);
  EXPECT_EQ(Query(kQueryPopupVisible), 1);

  // A second reminder while it shows changes nothing.
  SetWindowPos(popup, nullptr, 40, 50, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  Command(IDC_TEST_REALITY);
  RECT same = {};
  GetWindowRect(popup, &same);
  EXPECT_EQ(same.left, 40);
  EXPECT_EQ(same.top, 50);
  EXPECT_EQ(TopWindows(kPopupTitle).size(), 1u);

  // Right-button release dismisses it; the window stays, hidden from a
  // screen reader, and nothing more is announced through its fade-out.
  PostMessageA(popup, WM_RBUTTONUP, 0, MAKELPARAM(10, 10));
  SleepMs(100);
  WaitIdle(popup);
  EXPECT_EQ(Query(kQueryPopupVisible), 0);
  EXPECT_TRUE(IsWindow(popup));
  EXPECT_EQ(reader::Read(popup).state & STATE_SYSTEM_INVISIBLE, STATE_SYSTEM_INVISIBLE);

  // The next reminder (the timer's own path) shows it again where it was,
  // announced once more.
  PostMessageA(main_, WM_TIMER, kReminderTimerId, 0);
  SleepMs(100);
  WaitIdle(popup);
  EXPECT_EQ(Query(kQueryPopupVisible), 1);
  GetWindowRect(popup, &same);
  EXPECT_EQ(same.left, 40);
  EXPECT_EQ(same.top, 50);
  EXPECT_EQ(alerts.Count(popup), 2);

  // A double-click dismisses it too.
  PostMessageA(popup, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(10, 10));
  SleepMs(100);
  WaitIdle(popup);
  EXPECT_EQ(Query(kQueryPopupVisible), 0);
  EXPECT_EQ(alerts.Count(popup), 2);
}

TEST_F(MainWindow, PlainClickOnThePopupDoesNotDismissIt) {
  Install(true, true);
  ASSERT_NE(Launch(), nullptr);
  Command(IDC_TEST_REALITY);
  HWND popup = WaitPopup();
  ASSERT_NE(popup, nullptr);
  WaitIdle(popup);
  Click(popup);
  SleepMs(300);
  WaitIdle(popup);
  EXPECT_EQ(Query(kQueryPopupVisible), 1);
}

TEST_F(MainWindow, HideKeepsTheReminderComing) {
  Install();
  ASSERT_NE(Launch(), nullptr);
  Click(Control(IDC_HIDE));
  SleepMs(300);
  WaitIdle(main_);
  EXPECT_FALSE(IsWindowVisible(main_));
  PostMessageA(main_, WM_TIMER, kReminderTimerId, 0);
  HWND popup = WaitPopup();
  ASSERT_NE(popup, nullptr);
  WaitIdle(popup);
  EXPECT_EQ(Query(kQueryPopupVisible), 1);
  EXPECT_FALSE(IsWindowVisible(main_));
}

TEST_F(MainWindow, DraggingTheBackgroundMovesTheWindow) {
  Install();
  ASSERT_NE(Launch(), nullptr);
  RECT before = {};
  GetWindowRect(main_, &before);
  // A point of the background away from every control.
  const int x = before.left + 200, y = before.top + 40;
  char command[256];
  std::snprintf(command, sizeof command,
                "/usr/bin/xdotool mousemove %d %d sleep 0.2 mousedown 1 sleep 0.2 mousemove %d %d sleep 0.2 mousemove %d %d "
                "sleep 0.2 mousemove %d %d sleep 0.3 mouseup 1",
                x, y, x + 2, y + 2, x + 32, y + 22, x + 62, y + 42);
  RunUnix(command);
  SleepMs(500);
  // The drag begins with the first move while the button is held, and from
  // then on the window follows the mouse.
  RECT after = {};
  GetWindowRect(main_, &after);
  EXPECT_EQ(after.left - before.left, 60);
  EXPECT_EQ(after.top - before.top, 40);
}

}  // namespace
