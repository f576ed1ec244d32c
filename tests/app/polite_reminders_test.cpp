// Reminders that keep their manners, with the real program: pauses and
// quiet hours from the tray menu and from config.txt, waiting while another
// program is full-screen or the user is away.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "journal/morning_question.h"
#include "tests/app/program_fixture.h"

using namespace harness;
using namespace program;

namespace {

constexpr char kCore[] = "time=30\r\nhollow=off\r\nstartup=0\r\n";

// Local time `minutes` from now as config.txt writes it: "YYYY-MM-DD HH:MM"
// (dateAndTime) or "HH:MM".
std::string LocalText(int minutes, bool dateAndTime) {
  const SYSTEMTIME st = LocalTimeIn(minutes);
  char text[32];
  if (dateAndTime) {
    std::snprintf(text, sizeof text, "%04u-%02u-%02u %02u:%02u", st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute);
  } else {
    std::snprintf(text, sizeof text, "%02u:%02u", st.wHour, st.wMinute);
  }
  return text;
}

// "YYYY-MM-DD 07:00" of tomorrow.
std::string TomorrowMorning() { return LocalText(24 * 60, true).substr(0, 11) + "07:00"; }

// The TZ that makes a program's local time hour:minute now (within the
// running minute), and that local date as "YYYY-MM-DD". Wine takes each
// process's local time from the TZ of its Unix environment; POSIX writes
// the offset with the opposite sign.
std::string ProgramClock(int hour, int minute, std::string* tz) {
  SYSTEMTIME utc = {};
  GetSystemTime(&utc);
  int ahead = (hour * 60 + minute - (utc.wHour * 60 + utc.wMinute) + 2 * 24 * 60) % (24 * 60);
  if (ahead > 12 * 60) ahead -= 24 * 60;
  char text[32];
  std::snprintf(text, sizeof text, "SMX%c%d:%02d", ahead > 0 ? '-' : '+', std::abs(ahead) / 60, std::abs(ahead) % 60);
  *tz = text;
  const SYSTEMTIME local = MinutesAfter(utc, ahead);
  char date[16];
  std::snprintf(date, sizeof date, "%04u-%02u-%02u", local.wYear, local.wMonth, local.wDay);
  return date;
}

class Polite : public ProgramTest {
 protected:
  // Starts the program from the Unix side with its own TZ (a variable set
  // here would reach only its Windows environment) and waits for it.
  HWND LaunchWithTz(const std::string& tz) {
    // The suite's 64-bit runs name their loader in WINELOADER.
    RunUnix("(cd '" + UnixPath(folder_) + "' && TZ=" + tz + " \"${WINELOADER:-wine}\" somnivex.exe >/dev/null 2>&1 &)");
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < 30000) {
      const std::vector<HWND> windows = TopWindows(kMainTitle);
      if (!windows.empty()) {
        main_ = windows.front();
        WaitIdle(main_);
        return main_;
      }
      SleepMs(50);
    }
    return nullptr;
  }
  // Real input: the mouse moves over the program's window (Wine hears of
  // no input elsewhere on the screen).
  void MoveMouseOverTheWindow(int offset) {
    RECT r = {};
    GetWindowRect(main_, &r);
    char command[160];
    std::snprintf(command, sizeof command, "/usr/bin/xdotool mousemove %ld %ld sleep 0.1 mousemove %ld %ld",
                  r.left + 20 + offset, r.top + 20, r.left + 30 + offset, r.top + 25);
    RunUnix(command);
  }
  // The marks of the items these tests choose (without "Morning Question").
  LRESULT Marks() { return Query(kQueryOptionMenus) & 31; }
  bool HollowRunsWithin(DWORD timeoutMs, int want) {
    const DWORD start = GetTickCount();
    while (CountProcesses("hollow.exe") != want && GetTickCount() - start < timeoutMs) SleepMs(100);
    return CountProcesses("hollow.exe") == want;
  }
};

TEST_F(Polite, MenuItemsWriteTheirSettingsAndMarksFollow) {
  Install();
  WriteConfig(kCore);
  ASSERT_NE(Launch(), nullptr);
  EXPECT_EQ(Config(), kCore);  // nothing added until the user changes something
  EXPECT_EQ(Marks(), 1);  // waits while full-screen; no quiet hours; Resume greyed

  ChooseSubmenuItem(kMenuOptions, kOptionWaitFullScreen);
  EXPECT_EQ(WaitConfig(std::string(kCore) + "fullscreen=show\r\n"), std::string(kCore) + "fullscreen=show\r\n");
  EXPECT_EQ(Marks(), 0);
  ChooseSubmenuItem(kMenuOptions, kOptionWaitFullScreen);
  EXPECT_EQ(WaitConfig(std::string(kCore) + "fullscreen=wait\r\n"), std::string(kCore) + "fullscreen=wait\r\n");
  EXPECT_EQ(Marks(), 1);

  const std::string quiet = std::string(kCore) + "fullscreen=wait\r\nquiet=23:00-07:00\r\n";
  ChooseSubmenuItem(kMenuOptions, kOptionQuietHours);
  EXPECT_EQ(WaitConfig(quiet), quiet);
  EXPECT_EQ(Marks(), 1 | 2);
  ChooseSubmenuItem(kMenuOptions, kOptionQuietHours);
  EXPECT_EQ(WaitConfig(std::string(kCore) + "fullscreen=wait\r\n"), std::string(kCore) + "fullscreen=wait\r\n");
  EXPECT_EQ(Marks(), 1);

  // Pauses: each choice writes its end; the minute may turn meanwhile.
  const struct {
    int index, minutes;
  } pauses[] = {{kPause30, 30}, {kPause60, 60}, {kPause180, 180}};
  for (const auto& p : pauses) {
    const std::string before = std::string(kCore) + "fullscreen=wait\r\npause=" + LocalText(p.minutes, true) + "\r\n";
    ChooseSubmenuItem(kMenuPause, p.index);
    const std::string after = std::string(kCore) + "fullscreen=wait\r\npause=" + LocalText(p.minutes, true) + "\r\n";
    const std::string bytes = WaitConfig(before, 3000);
    EXPECT_TRUE(bytes == before || bytes == after) << p.minutes << " minutes: " << bytes;
    EXPECT_EQ(Marks(), 1 | 4);
    EXPECT_EQ(Query(kQueryPacing), 2u);
  }
  const std::string tomorrow = std::string(kCore) + "fullscreen=wait\r\npause=" + TomorrowMorning() + "\r\n";
  ChooseSubmenuItem(kMenuPause, kPauseTomorrow);
  EXPECT_EQ(WaitConfig(tomorrow), tomorrow);

  ChooseSubmenuItem(kMenuPause, kResume);
  EXPECT_EQ(WaitConfig(std::string(kCore) + "fullscreen=wait\r\n"), std::string(kCore) + "fullscreen=wait\r\n");
  EXPECT_EQ(Marks(), 1);
  EXPECT_EQ(Query(kQueryPacing), 0u);
  // The four items of before are where they were: the last one still quits.
  Process& p = started_.back();
  ChooseMenuItem(kMenuQuit);
  EXPECT_EQ(WaitExit(p, 20000), 0u);
  EXPECT_EQ(Config(), std::string(kCore) + "fullscreen=wait\r\n");
}

TEST_F(Polite, APauseDropsRemindersAndRestsHollowUntilResumed) {
  Install();
  WriteConfig("time=1\r\nhollow=on\r\nstartup=0\r\npause=" + LocalText(120, true) + "\r\n");
  ASSERT_NE(Launch(), nullptr);
  SleepMs(1500);
  EXPECT_EQ(CountProcesses("hollow.exe"), 0);
  EXPECT_EQ(Query(kQuerySwitchOn), 1);  // the switch stays on
  Tick();
  Tick();
  SleepMs(1000);
  EXPECT_EQ(Query(kQueryPopupVisible), 0);
  EXPECT_TRUE(TopWindows(kPopupTitle).empty());
  EXPECT_EQ(Query(kQueryPacing), 2u);  // nothing held either

  ChooseSubmenuItem(kMenuPause, kResume);
  EXPECT_TRUE(HollowRunsWithin(15000, 1));
  Tick();
  EXPECT_TRUE(PopupShows(10000));
  EXPECT_NE(Config().find("hollow=on\r\n"), std::string::npos);
  EXPECT_EQ(Config().find("pause="), std::string::npos);
}

TEST_F(Polite, QuietHoursSilenceRemindersAndHollowUntilTheyExcludeNow) {
  Install();
  // Hours from an hour ago to an hour ahead include now, whatever the time.
  const std::string around = LocalText(-60, false) + "-" + LocalText(60, false);
  WriteConfig("time=30\r\nhollow=on\r\nstartup=0\r\nquiet=" + around + "\r\n");
  ASSERT_NE(Launch(), nullptr);
  SleepMs(1500);
  EXPECT_EQ(CountProcesses("hollow.exe"), 0);
  EXPECT_EQ(Marks(), 1 | 2);
  Tick();
  SleepMs(1000);
  EXPECT_EQ(Query(kQueryPopupVisible), 0);
  EXPECT_TRUE(TopWindows(kPopupTitle).empty());

  // Hours that exclude now, after a restart: both come back.
  TearDown();
  const std::string later = LocalText(120, false) + "-" + LocalText(180, false);
  WriteConfig("time=30\r\nhollow=on\r\nstartup=0\r\nquiet=" + later + "\r\n");
  started_.clear();
  ASSERT_NE(Launch(), nullptr);
  EXPECT_TRUE(HollowRunsWithin(15000, 1));
  Tick();
  EXPECT_TRUE(PopupShows(10000));
}

TEST_F(Polite, BeforeSevenTheMorningKeepsItsQuiet) {
  Install();
  // 00:30: "Until Tomorrow" pauses until 07:00 of the same date.
  WriteConfig(kCore);
  std::string tz;
  const std::string today = ProgramClock(0, 30, &tz);
  ASSERT_NE(LaunchWithTz(tz), nullptr);
  ChooseSubmenuItem(kMenuPause, kPauseTomorrow);
  const std::string paused = std::string(kCore) + "pause=" + today + " 07:00\r\n";
  EXPECT_EQ(WaitConfig(paused), paused);
  TearDown();
  started_.clear();

  // 05:00 inside quiet hours 23:00-07:00: neither the start nor a return
  // after an absence brings the morning question...
  const std::string core(kCore);
  WriteConfig(core + "quiet=23:00-07:00\r\n");
  ProgramClock(5, 0, &tz);
  ASSERT_NE(LaunchWithTz(tz), nullptr);
  MoveMouseOverTheWindow(0);
  PostMessageA(main_, kSetMorningClock, 1500, MAKELPARAM(4 * 60, 13 * 60));
  SleepMs(3000);
  MoveMouseOverTheWindow(10);
  EXPECT_EQ(WaitForWindow(kMorningTitle, 8000), nullptr);
  // ...until they end; then the first input does.
  ChooseSubmenuItem(kMenuOptions, kOptionQuietHours);
  EXPECT_EQ(WaitConfig(core), core);
  SleepMs(6000);
  EXPECT_EQ(FindWindowA(nullptr, kMorningTitle), nullptr);
  MoveMouseOverTheWindow(20);
  EXPECT_NE(WaitForWindow(kMorningTitle, 8000), nullptr);
}

TEST_F(Polite, ARemindersWaitsForAFullScreenProgramToClose) {
  Install();
  WriteConfig(kCore);
  ASSERT_NE(Launch(), nullptr);
  const std::string helper = BinDir() + "..\\tests\\full_screen_window.exe";

  // A maximized browser or editor is no full-screen program, though its
  // rectangle reaches past the monitor: the reminder comes on time.
  Process editor = Start(helper, "maximized");
  HWND maximized = WaitForWindow("Maximized Test", 10000);
  ASSERT_NE(maximized, nullptr);
  const DWORD up = GetTickCount();
  while (GetForegroundWindow() != maximized && GetTickCount() - up < 5000) SleepMs(50);
  ASSERT_EQ(GetForegroundWindow(), maximized);
  ASSERT_TRUE(IsZoomed(maximized));
  RECT big = {};
  GetWindowRect(maximized, &big);
  Tick();
  EXPECT_TRUE(PopupShows(5000)) << "maximized at " << big.left << "," << big.top << "," << big.right << "," << big.bottom;
  DismissPopup();
  PostMessageA(maximized, WM_CLOSE, 0, 0);
  EXPECT_EQ(WaitExit(editor, 10000), 0u);
  Close(editor);

  Process screen = Start(helper);
  HWND full = WaitForWindow("Full Screen Test", 10000);
  ASSERT_NE(full, nullptr);
  const DWORD front = GetTickCount();
  while (GetForegroundWindow() != full && GetTickCount() - front < 5000) SleepMs(50);
  ASSERT_EQ(GetForegroundWindow(), full);
  Tick();
  SleepMs(3000);
  EXPECT_EQ(Query(kQueryPopupVisible), 0);
  EXPECT_EQ(Query(kQueryPacing), 1u);  // held
  PostMessageA(full, WM_CLOSE, 0, 0);
  EXPECT_EQ(WaitExit(screen, 10000), 0u);
  Close(screen);
  EXPECT_TRUE(PopupShows(15000));
  EXPECT_EQ(Query(kQueryPacing), 0u);
  DismissPopup();

  // fullscreen=show: the same reminder comes at once.
  ChooseSubmenuItem(kMenuOptions, kOptionWaitFullScreen);
  EXPECT_EQ(WaitConfig(std::string(kCore) + "fullscreen=show\r\n"), std::string(kCore) + "fullscreen=show\r\n");
  screen = Start(helper);
  full = WaitForWindow("Full Screen Test", 10000);
  ASSERT_NE(full, nullptr);
  while (GetForegroundWindow() != full && GetTickCount() - front < 20000) SleepMs(50);
  Tick();
  EXPECT_TRUE(PopupShows(3000));
  PostMessageA(full, WM_CLOSE, 0, 0);
  WaitExit(screen, 10000);
  Close(screen);
}

TEST_F(Polite, AReminderForAnEmptyRoomComesAtTheFirstInput) {
  Install();
  WriteConfig(kCore);
  ASSERT_NE(Launch(), nullptr);
  // The test hook shortens "away" from five minutes to six seconds, longer
  // than the 5 s between the looks of a held reminder.
  DWORD_PTR ok = 0;
  SendMessageTimeoutA(main_, kSetAwayThreshold, 6000, 0, SMTO_NORMAL, 5000, &ok);
  ASSERT_EQ(ok, 1u);
  SleepMs(7000);
  Tick();
  SleepMs(1500);
  EXPECT_EQ(Query(kQueryPopupVisible), 0);
  EXPECT_EQ(Query(kQueryPacing), 1u);
  // The user comes back.
  MoveMouseOverTheWindow(0);
  EXPECT_TRUE(PopupShows(10000));  // a held reminder looks every 5 s
}

}  // namespace
