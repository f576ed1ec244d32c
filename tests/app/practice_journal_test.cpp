// The practice record with the real program: what the reality check and the
// morning question append to practice.csv, the "My Practice" window drawn
// from a prepared record, and a record that survives a killed program.
#include <oleacc.h>

#include <cstdio>
#include <string>
#include <vector>

#include "journal/dream_window.h"
#include "journal/morning_question.h"
#include "journal/practice_record.h"
#include "journal/practice_window.h"
#include "settings/language.h"
#include "tests/app/program_fixture.h"
#include "tests/support/screen_reader.h"

using namespace harness;
using namespace program;

namespace {

constexpr char kCore[] = "time=30\r\nhollow=off\r\nstartup=0\r\n";

// The events of practice.csv in order; every line must end in CR LF.
std::vector<std::string> Events(const std::string& text) {
  std::vector<std::string> events;
  for (const PracticeEntry& e : ReadPracticeText(text.data(), text.size())) events.push_back(PracticeEventName(e.event));
  return events;
}

int LinesEndingInCrLf(const std::string& text) {
  int n = 0;
  for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2)) ++n;
  return n;
}

void RealClick(int x, int y, int clicks) {
  char command[200];
  std::snprintf(command, sizeof command, "/usr/bin/xdotool mousemove %d %d sleep 0.2 click --repeat %d --delay 90 1", x,
                y, clicks);
  RunUnix(command);
}

POINT CentreOf(HWND window) {
  RECT r = {};
  GetWindowRect(window, &r);
  return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

class Practice : public ProgramTest {
 protected:
  std::string Record() const { return ReadFile(folder_ + "practice.csv"); }
  // The record once it holds `count` events, or as it is after timeoutMs.
  std::string WaitRecord(std::size_t count, DWORD timeoutMs = 5000) const {
    const DWORD start = GetTickCount();
    while (Events(Record()).size() < count && GetTickCount() - start < timeoutMs) SleepMs(100);
    return Record();
  }
  // Sets the morning clock to a short absence at any time of day, stays
  // away from the mouse and keyboard for longer, then comes back with a
  // real mouse move: the question shows (or not) within a few seconds.
  HWND ComeBackAfterAnAbsence() {
    RunUnix("/usr/bin/xdotool mousemove 5 5");
    PostMessageA(main_, kSetMorningClock, 1500, MAKELPARAM(0, 24 * 60));
    SleepMs(3000);
    RunUnix("/usr/bin/xdotool mousemove 20 20");
    return WaitForWindow(kMorningTitle, 8000);
  }
};

TEST_F(Practice, ChecksAndMorningAnswersAreRecordedOneLineEach) {
  Install();
  WriteConfig(kCore);
  ASSERT_NE(Launch(), nullptr);
  reader::AlertCounter alerts(started_.back().id);
  EXPECT_EQ(FindWindowA(nullptr, kMorningTitle), nullptr);  // the suite's evening: no question at start
  EXPECT_EQ(Query(kQueryOptionMenus) & 32, 32);               // "Morning Question" is on

  // A real double-click says the check was done, a right click that it was not.
  Command(IDC_TEST_REALITY);
  ASSERT_TRUE(PopupShows(10000));
  HWND popup = WaitForWindow(kPopupTitle, 5000);
  const POINT p = CentreOf(popup);
  RealClick(p.x, p.y, 2);
  const DWORD start = GetTickCount();
  while (Query(kQueryPopupVisible) == 1 && GetTickCount() - start < 5000) SleepMs(100);
  EXPECT_EQ(Events(WaitRecord(2)), (std::vector<std::string>{"shown", "checked"}));
  Command(IDC_TEST_REALITY);
  ASSERT_TRUE(PopupShows(10000));
  DismissPopup();
  EXPECT_EQ(Events(WaitRecord(4)), (std::vector<std::string>{"shown", "checked", "shown", "dismissed"}));
  EXPECT_EQ(LinesEndingInCrLf(Record()), 4);

  // The morning question: each answer is one line; the x adds none. It
  // never takes the foreground from the window the user works in.
  const struct {
    int place;
    const char* event;
  } answers[] = {{IDC_MORNING_DREAM, "dream"}, {IDC_MORNING_LUCID, "lucid"}, {IDC_MORNING_NONE, "none"},
                 {IDC_MORNING_CLOSE, nullptr}};
  std::vector<std::string> want = Events(Record());
  for (const auto& a : answers) {
    HWND foreground = GetForegroundWindow();
    HWND question = ComeBackAfterAnAbsence();
    ASSERT_NE(question, nullptr) << a.place;
    EXPECT_EQ(GetForegroundWindow(), foreground);
    if (a.place == IDC_MORNING_DREAM) {
      SleepMs(700);  // faded in
      CaptureForReadme(question, "morning-question.png");
      // A screen reader hears it once and reads the question and answers.
      EXPECT_EQ(alerts.Count(question), 1);
      const reader::Accessible asked = reader::Read(question);
      EXPECT_EQ(asked.name, "Good morning. Last night you had: A lucid dream, A dream, Nothing I remember");
      EXPECT_EQ(asked.role, ROLE_SYSTEM_ALERT);
    }
    const POINT at = CentreOf(GetDlgItem(question, a.place));
    RealClick(at.x, at.y, 1);
    // After a dream it offers "Write it down" a few seconds longer.
    const bool offers = a.place == IDC_MORNING_DREAM || a.place == IDC_MORNING_LUCID;
    if (offers) {
      SleepMs(1500);
      EXPECT_NE(FindWindowA(nullptr, kMorningTitle), nullptr) << a.place;
    }
    if (a.place == IDC_MORNING_DREAM) {
      // "Write it down" opens the journal at a new dream of that kind, with
      // the keyboard in its text. The offer is read, not announced again.
      CaptureForReadme(question, "morning-write-it-down.png");
      EXPECT_EQ(reader::Read(question).name, "Write it down in your dream journal");
      EXPECT_EQ(alerts.Count(question), 1);
      EXPECT_EQ(SendMessageW(question, kLanguageChangedMessage, 0, 0), TRUE);
      const POINT write = CentreOf(GetDlgItem(question, IDC_MORNING_WRITE));
      RealClick(write.x, write.y, 1);
      HWND journal = WaitForWindow(kJournalTitle, 10000);
      ASSERT_NE(journal, nullptr);
      WaitIdle(journal);
      SleepMs(300);
      GUITHREADINFO focus = {};
      focus.cbSize = sizeof focus;
      GetGUIThreadInfo(GetWindowThreadProcessId(journal, nullptr), &focus);
      EXPECT_EQ(focus.hwndFocus, GetDlgItem(journal, IDC_JOURNAL_TEXT));
      EXPECT_EQ(SendMessageW(GetDlgItem(journal, IDC_JOURNAL_KIND), CB_GETCURSEL, 0, 0), 1);  // "Dream"
      PostMessageA(journal, WM_COMMAND, IDCANCEL, 0);
      EXPECT_TRUE(WaitForNoWindow(kJournalTitle, 5000));
      EXPECT_EQ(GetFileAttributesA((folder_ + "Dreams").c_str()), INVALID_FILE_ATTRIBUTES);  // nothing written yet
    }
    EXPECT_TRUE(WaitForNoWindow(kMorningTitle, offers ? 12000 : 5000)) << a.place;
    if (a.place != IDC_MORNING_DREAM) {  // the journal took the foreground
      EXPECT_EQ(GetForegroundWindow(), foreground);
    }
    if (a.event) want.push_back(a.event);
    EXPECT_EQ(Events(WaitRecord(want.size())), want);
  }

  // Without the mouse: the tray menu answers the question while it is open,
  // with the line of its button, and then offers "Write it down", which
  // opens the journal at a new dream of that kind.
  ASSERT_NE(ComeBackAfterAnAbsence(), nullptr);
  ChoosePopupItem(0, kAnswerLucid);
  want.push_back("lucid");
  EXPECT_EQ(Events(WaitRecord(want.size())), want);
  ChoosePopupItem(0);
  HWND journal = WaitForWindow(kJournalTitle, 10000);
  ASSERT_NE(journal, nullptr);
  WaitIdle(journal);
  EXPECT_EQ(SendMessageW(GetDlgItem(journal, IDC_JOURNAL_KIND), CB_GETCURSEL, 0, 0), 0);  // "Lucid dream"
  PostMessageA(journal, WM_COMMAND, IDCANCEL, 0);
  EXPECT_TRUE(WaitForNoWindow(kJournalTitle, 5000));
  EXPECT_TRUE(WaitForNoWindow(kMorningTitle, 5000));
  EXPECT_EQ(LinesEndingInCrLf(Record()), 8);

  // Turned off in "Options", it asks no more.
  ChooseSubmenuItem(kMenuOptions, kOptionMorningQuestion);
  const DWORD asked = GetTickCount();
  while (Config().find("morning=off\r\n") == std::string::npos && GetTickCount() - asked < 10000) SleepMs(50);
  EXPECT_NE(Config().find("morning=off\r\n"), std::string::npos) << Config();  // after the journal's place
  EXPECT_EQ(Query(kQueryOptionMenus) & 32, 0);
  EXPECT_EQ(ComeBackAfterAnAbsence(), nullptr);
}

// Four weeks, oldest first: checks done and dismissed per day, and the
// answer the morning after ('l' lucid, 'd' dream, 'n' nothing, '-' none).
struct Day {
  int checked, dismissed;
  char night;
};
constexpr Day kWeeks[28] = {
    {2, 1, '-'}, {0, 0, '-'}, {3, 0, 'n'}, {1, 2, '-'}, {0, 1, '-'}, {4, 0, 'l'}, {2, 0, 'd'},
    {0, 0, '-'}, {5, 1, 'l'}, {1, 0, 'n'}, {3, 2, 'd'}, {0, 0, 'n'}, {6, 0, 'l'}, {2, 1, '-'},
    {1, 0, 'd'}, {0, 3, 'n'}, {4, 1, 'l'}, {2, 0, '-'}, {0, 0, '-'}, {3, 0, 'd'}, {5, 2, 'l'},
    {1, 1, 'n'}, {2, 0, '-'}, {4, 0, 'l'}, {3, 1, 'd'}, {2, 0, 'n'}, {6, 2, 'l'}, {2, 1, '-'},
};

TEST_F(Practice, MyPracticeDrawsTheFourWeeksOfThePreparedRecord) {
  Install();
  WriteConfig(kCore);
  std::string csv = "garbage line\r\n";
  for (int i = 0; i < 28; ++i) {
    const std::string date = LocalDate(i - 27);
    for (int n = 0; n < kWeeks[i].checked; ++n) csv += date + " 10:0" + std::to_string(n) + ":00,checked\r\n";
    for (int n = 0; n < kWeeks[i].dismissed; ++n) csv += date + " 15:0" + std::to_string(n) + ":00,dismissed\r\n";
    const char* answer = kWeeks[i].night == 'l' ? "lucid" : kWeeks[i].night == 'd' ? "dream" : "none";
    if (kWeeks[i].night != '-' && i < 27) csv += LocalDate(i - 26) + " 07:30:00," + answer + "\r\n";
  }
  ASSERT_TRUE(WriteFile(folder_ + "practice.csv", csv + "2026-01-01 10:0"));  // and a torn last line
  ASSERT_NE(Launch("-m"), nullptr);  // the main window stays in the tray, out of the picture

  ChooseMenuItem(kMenuPractice);
  HWND window = WaitForWindow(kPracticeTitle, 10000);
  ASSERT_NE(window, nullptr);
  WaitIdle(window);
  SleepMs(500);
  const std::string shot = CaptureForReadme(window, "my-practice.png");
  RECT frame = {}, chart = {};
  GetWindowRect(window, &frame);
  GetWindowRect(GetDlgItem(window, IDC_PRACTICE_CHART), &chart);
  EXPECT_EQ(frame.right - frame.left, 460);
  EXPECT_EQ(frame.bottom - frame.top, 324);

  // A screen reader reads the picture as text: the streak, the line about
  // lucid nights and each week with its sums, as the days are written
  // under the chart.
  const char* months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  auto label = [&](int i) {
    const SYSTEMTIME st = LocalTimeIn((i - 27) * 24LL * 60);
    return std::to_string(st.wDay) + " " + months[st.wMonth - 1];
  };
  const reader::Accessible read = reader::Read(window);
  EXPECT_EQ(read.name, "My Practice");
  ASSERT_EQ(read.lines.size(), 6u);
  EXPECT_EQ(read.lines[0], "9 days in a row with a check done");
  EXPECT_EQ(read.lines[1].rfind("Lucid nights after days with ", 0), 0u) << read.lines[1];
  EXPECT_EQ(read.lines[2], label(0) + " to " + label(6) + ": 12 checks done, 4 dismissed, 1 lucid night, 1 dream.");
  EXPECT_EQ(read.lines[3], label(7) + " to " + label(13) + ": 17 checks done, 4 dismissed, 2 lucid nights, 1 dream.");
  EXPECT_EQ(read.lines[4], label(14) + " to " + label(20) + ": 15 checks done, 6 dismissed, 2 lucid nights, 2 dreams.");
  EXPECT_EQ(read.lines[5], label(21) + " to today: 20 checks done, 5 dismissed, 2 lucid nights, 1 dream.");
  EXPECT_EQ(reader::Read(GetDlgItem(window, IDC_PRACTICE_CLOSE)).name, "Close");

  // Read back from the screen: a bar where the day has checks, the paler
  // stack where it has only dismissals, a bright moon over lucid nights.
  HDC screen = GetDC(nullptr);
  const int width = chart.right - chart.left, baseline = chart.bottom - 14;
  for (int i = 0; i < 28; ++i) {
    const int x = chart.left + width * (2 * i + 1) / 56;
    const COLORREF bar = GetPixel(screen, x, baseline - 2);
    if (kWeeks[i].checked > 0) {
      EXPECT_GT(GetBValue(bar), 0xe0) << "day " << i;
      EXPECT_GT(GetRValue(bar), 0x78) << "day " << i;
    } else if (kWeeks[i].dismissed > 0) {
      EXPECT_LT(GetRValue(bar), 0x60) << "day " << i;
      EXPECT_GT(GetBValue(bar), 0x80) << "day " << i;
    } else {
      EXPECT_LT(GetBValue(bar), 0x80) << "day " << i;
    }
    int gold = 0;
    for (int y = chart.top; y < chart.top + 14; ++y) {
      for (int dx = -5; dx <= 5; ++dx) {
        const COLORREF c = GetPixel(screen, x + dx, y);
        gold += GetRValue(c) > 0xd0 && GetGValue(c) > 0xb8 && GetBValue(c) < 0xc0;
      }
    }
    EXPECT_EQ(gold > 4, kWeeks[i].night == 'l') << "moon of day " << i << " (" << gold << " gold pixels)";
  }
  // A change of language is answered, the record drawn again in its place.
  EXPECT_EQ(SendMessageW(window, kLanguageChangedMessage, 0, 0), TRUE);
  RECT after = {};
  GetWindowRect(window, &after);
  EXPECT_TRUE(EqualRect(&after, &frame));
  ReleaseDC(nullptr, screen);

  EXPECT_EQ(Record(), csv + "2026-01-01 10:0");  // opening it wrote nothing

  // The first reality check comes while it is open: Escape still closes it,
  // it opens again, and its x closes it.
  Tick();
  ASSERT_TRUE(PopupShows(10000));
  PostMessageA(window, WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_TRUE(WaitForNoWindow(kPracticeTitle, 5000));
  DismissPopup();
  ChooseMenuItem(kMenuPractice);
  window = WaitForWindow(kPracticeTitle, 10000);
  ASSERT_NE(window, nullptr);
  WaitIdle(window);
  const POINT x = CentreOf(GetDlgItem(window, IDC_PRACTICE_CLOSE));
  RealClick(x.x, x.y, 1);
  EXPECT_TRUE(WaitForNoWindow(kPracticeTitle, 5000));
}

TEST_F(Practice, AProgramKilledWhileAppendingLeavesEveryCompleteLineReadable) {
  Install();
  WriteConfig(kCore);
  // Started as a user starts it, the program ignores the test messages that
  // any process could post: nothing appended, no answer, and a threshold of
  // 0 ms for "away" does not hold the reminders back.
  SetEnvironmentVariableA("SOMNIVEX_TEST_HOOKS", nullptr);
  LaunchProcess();
  SetEnvironmentVariableA("SOMNIVEX_TEST_HOOKS", "1");
  main_ = WaitForWindow(kMainTitle, 30000);
  ASSERT_NE(main_, nullptr);
  SleepMs(1500);
  const UINT hooks[] = {kQueryReady, kSetAwayThreshold, kAppendPracticeLines, kSetMorningClock};
  for (UINT hook : hooks) {
    DWORD_PTR answer = 99;
    EXPECT_NE(SendMessageTimeoutA(main_, hook, hook == kAppendPracticeLines ? 1000 : 0, 0, SMTO_NORMAL, 5000, &answer), 0);
    EXPECT_EQ(answer, 0u) << hook;
  }
  Tick();
  EXPECT_NE(WaitForWindow(kPopupTitle, 10000), nullptr);
  EXPECT_EQ(Events(WaitRecord(1)), std::vector<std::string>{"shown"});
  Kill(started_.back());
  WaitForNoWindow(kMainTitle, 5000);
  ASSERT_TRUE(DeleteFileA((folder_ + "practice.csv").c_str()));

  ASSERT_NE(Launch(), nullptr);
  PostMessageA(main_, kAppendPracticeLines, 1000, 0);
  const DWORD start = GetTickCount();
  while (Record().size() < 30 * 50 && GetTickCount() - start < 20000) SleepMs(5);
  Kill(started_.back());
  const std::string torn = Record();
  const std::vector<std::string> events = Events(torn);
  EXPECT_GE(events.size(), 50u);
  EXPECT_EQ(static_cast<int>(events.size()), LinesEndingInCrLf(torn));  // every complete line reads back

  // The next start appends after whatever the kill left.
  ASSERT_NE(Launch(), nullptr);
  Command(IDC_TEST_REALITY);
  ASSERT_TRUE(PopupShows(10000));
  const std::vector<std::string> after = Events(WaitRecord(events.size() + 1));
  ASSERT_EQ(after.size(), events.size() + 1);
  EXPECT_EQ(after.back(), "shown");
}

}  // namespace
