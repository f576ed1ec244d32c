// The real hollow.exe under Wine: command line, windows, motion, the fade
// cycle driven by posted timer ticks, the end on WM_CLOSE and a second start.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "hollow/bounce_mover.h"
#include "hollow/reminder_window.h"
#include "tests/support/win32_harness.h"

using namespace harness;

namespace {

constexpr const char kTitle1[] = "SM Vododi Reminders 1";
constexpr const char kTitle2[] = "SM Vododi Reminders 2";
constexpr UINT_PTR kFadeTimer1 = 575;

class Hollow : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = FreshFolder(::testing::UnitTest::GetInstance()->current_test_info()->name());
    ASSERT_TRUE(CopyProgram("hollow.exe", folder_));
    exe_ = folder_ + "hollow.exe";
  }
  void TearDown() override {
    for (Process& p : started_) {
      Kill(p);
      Close(p);
    }
    WaitForNoWindow(kTitle1, 5000);
    WaitForNoWindow(kTitle2, 5000);
  }
  Process Launch(const std::string& args) {
    started_.push_back(Start(exe_, args));
    return started_.back();
  }
  // The window with the title belonging to the process, once it exists.
  static HWND WindowOf(const Process& p, const char* title, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
      for (HWND w : TopWindows(title)) {
        DWORD pid = 0;
        GetWindowThreadProcessId(w, &pid);
        if (pid == p.id) return w;
      }
      if (GetTickCount() - start > timeoutMs) return nullptr;
      SleepMs(50);
    }
  }
  std::string folder_, exe_;
  std::vector<Process> started_;
};

bool WaitUntilLayered(HWND w, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  while (!(GetWindowLongA(w, GWL_EXSTYLE) & WS_EX_LAYERED) || !IsWindowVisible(w)) {
    if (GetTickCount() - start > timeoutMs) return false;
    SleepMs(20);
  }
  return true;
}

// Waits until the window has moved at least 10 pixels from where it was
// first seen below 300, 300 (Wine may hold back the first moves a moment).
bool WaitUntilDrifting(HWND w, DWORD timeoutMs) {
  if (!WaitUntilLayered(w, timeoutMs)) return false;
  const DWORD start = GetTickCount();
  RECT first = {};
  do {
    GetWindowRect(w, &first);
    SleepMs(20);
  } while (first.left > 300 && GetTickCount() - start < timeoutMs);
  RECT now = first;
  while (now.left < first.left + 10) {
    if (GetTickCount() - start > timeoutMs) return false;
    SleepMs(20);
    GetWindowRect(w, &now);
  }
  return true;
}

std::string ClassOf(HWND w) {
  char name[128] = {};
  GetClassNameA(w, name, sizeof name);
  return name;
}

// Pixels of the window's screen area that differ from the desktop, whose
// colour is read at the screen's top-right corner (away from the pictures
// during the test).
int LitPixels(HWND w) {
  RECT r = {};
  GetWindowRect(w, &r);
  const int width = r.right - r.left, height = r.bottom - r.top;
  if (width <= 0 || height <= 0) return 0;
  HDC screen = GetDC(nullptr);
  const COLORREF desktop = GetPixel(screen, GetSystemMetrics(SM_CXSCREEN) - 1, 0);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO bi = {};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = width;
  bi.bmiHeader.biHeight = -height;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP dib = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, dib);
  BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
  GdiFlush();
  int lit = 0;
  const unsigned char* p = static_cast<const unsigned char*>(bits);
  for (int i = 0; i < width * height; ++i, p += 4)
    if (std::abs(p[0] - GetBValue(desktop)) + std::abs(p[1] - GetGValue(desktop)) +
            std::abs(p[2] - GetRValue(desktop)) > 30)
      ++lit;
  SelectObject(memory, old);
  DeleteObject(dib);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return lit;
}

// Polls until LitPixels satisfies the predicate.
template <typename Pred>
bool WaitForLit(HWND w, Pred pred, DWORD timeoutMs, int* last) {
  const DWORD start = GetTickCount();
  for (;;) {
    *last = LitPixels(w);
    if (pred(*last)) return true;
    if (GetTickCount() - start > timeoutMs) return false;
    SleepMs(100);
  }
}

TEST_F(Hollow, WithoutTheRunArgumentEndsAtOnceShowingNothing) {
  for (const char* args : {"", "-x", "-r", "run", "-m"}) {
    Process p = Launch(args);
    ASSERT_NE(p.handle, nullptr) << args;
    EXPECT_EQ(WaitExit(p, 15000), 0u) << '"' << args << '"';
    EXPECT_TRUE(TopWindows(kTitle1).empty()) << args;
    EXPECT_TRUE(TopWindows(kTitle2).empty()) << args;
  }
}

TEST_F(Hollow, RunInAnyCaseShowsBothPicturesAndClosingEitherEndsIt) {
  struct Case {
    const char* args;
    const char* closeTitle;
  };
  for (const Case& c : {Case{"-RUN", kTitle1}, Case{"-ru", kTitle2}}) {
    Process p = Launch(c.args);
    HWND w1 = WindowOf(p, kTitle1, 20000);
    HWND w2 = WindowOf(p, kTitle2, 20000);
    ASSERT_NE(w1, nullptr) << c.args;
    ASSERT_NE(w2, nullptr) << c.args;
    // The windows are listed while their creation still runs: wait for both
    // to be painted as layered windows.
    ASSERT_TRUE(WaitUntilLayered(w1, 10000));
    ASSERT_TRUE(WaitUntilLayered(w2, 10000));
    EXPECT_EQ(ClassOf(w1), kTitle1);
    EXPECT_EQ(ClassOf(w2), kTitle2);
    struct Expect {
      HWND w;
      int width, height;
    };
    for (const Expect& e : {Expect{w1, 249, 27}, Expect{w2, 264, 26}}) {
      RECT r = {};
      GetWindowRect(e.w, &r);
      EXPECT_EQ(r.right - r.left, e.width) << c.args;
      EXPECT_EQ(r.bottom - r.top, e.height) << c.args;
      const LONG ex = GetWindowLongA(e.w, GWL_EXSTYLE);
      EXPECT_TRUE(ex & WS_EX_TOOLWINDOW);
      EXPECT_TRUE(ex & WS_EX_TOPMOST);
      EXPECT_TRUE(ex & WS_EX_LAYERED);
      EXPECT_TRUE(GetWindowLongA(e.w, GWL_STYLE) & WS_POPUP);
      EXPECT_TRUE(IsWindowVisible(e.w));
    }
    PostMessageA(FindWindowA(c.closeTitle, c.closeTitle), WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitExit(p, 15000), 0u) << c.args;
    EXPECT_TRUE(WaitForNoWindow(kTitle1, 5000));
    EXPECT_TRUE(WaitForNoWindow(kTitle2, 5000));
  }
}

TEST_F(Hollow, Window1DriftsFromTheTopLeftDownAndRight) {
  Process p = Launch("-run");
  HWND w1 = WindowOf(p, kTitle1, 20000);
  ASSERT_NE(w1, nullptr);
  ASSERT_TRUE(WaitUntilLayered(w1, 10000));
  // The first motion tick moves it from the centre to (1, 1); from there it
  // moves one pixel down and right per tick. (Under Wine the first moves
  // can take a couple of seconds to show.)
  RECT first = {};
  DWORD start = GetTickCount();
  do {
    SleepMs(20);
    GetWindowRect(w1, &first);
  } while (first.left > 300 && GetTickCount() - start < 10000);
  ASSERT_LE(first.left, 300);
  RECT later = first;
  start = GetTickCount();
  while (later.left < first.left + 20 && GetTickCount() - start < 10000) {
    SleepMs(50);
    GetWindowRect(w1, &later);
  }
  EXPECT_GT(later.left, first.left);
  EXPECT_GT(later.top, first.top);
  EXPECT_EQ(first.left, first.top);
  EXPECT_EQ(later.left, later.top);
  EXPECT_EQ(later.right - later.left, 249);
}

TEST_F(Hollow, MovingNeverActivatesThePictures) {
  Process p = Launch("-run");
  HWND w1 = WindowOf(p, kTitle1, 20000);
  HWND w2 = WindowOf(p, kTitle2, 20000);
  ASSERT_NE(w1, nullptr);
  ASSERT_NE(w2, nullptr);
  // The pictures show without taking the foreground. A motion tick that
  // activated its window would flip activation and foreground between the
  // two pictures up to 100 times a second, taking the keyboard focus from
  // whatever had it; over about 50 ticks of each nothing may change.
  const DWORD thread = GetWindowThreadProcessId(w1, nullptr);
  ASSERT_TRUE(WaitUntilDrifting(w1, 10000));
  GUITHREADINFO before = {};
  before.cbSize = sizeof before;
  ASSERT_TRUE(GetGUIThreadInfo(thread, &before));
  const HWND foreground = GetForegroundWindow();
  int changes = 0;
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < 500) {
    GUITHREADINFO now = {};
    now.cbSize = sizeof now;
    if (GetGUIThreadInfo(thread, &now) && now.hwndActive != before.hwndActive) ++changes;
    if (GetForegroundWindow() != foreground) ++changes;
    SleepMs(5);
  }
  EXPECT_EQ(changes, 0);
}

TEST_F(Hollow, FadeTicksHideThePictureAndShowItAgainAfter91) {
  Process p = Launch("-run");
  HWND w1 = WindowOf(p, kTitle1, 20000);
  ASSERT_NE(w1, nullptr);
  int lit = 0;
  EXPECT_TRUE(WaitForLit(w1, [](int n) { return n > 100; }, 5000, &lit)) << lit;
  // Tick 1 fades out the picture shown since creation.
  PostMessageA(w1, WM_TIMER, kFadeTimer1, 0);
  EXPECT_TRUE(WaitForLit(w1, [](int n) { return n < 20; }, 5000, &lit)) << lit;
  // Ticks 2 to 90 change nothing.
  for (int tick = 2; tick <= 90; ++tick) PostMessageA(w1, WM_TIMER, kFadeTimer1, 0);
  SleepMs(500);
  EXPECT_LT(LitPixels(w1), 20);
  // Tick 91 fades it in again.
  PostMessageA(w1, WM_TIMER, kFadeTimer1, 0);
  EXPECT_TRUE(WaitForLit(w1, [](int n) { return n > 100; }, 5000, &lit)) << lit;
}

LRESULT Ask(HWND w, WPARAM what) {
  DWORD_PTR result = 0;
  SendMessageTimeoutA(w, kHollowQuery, what, 0, SMTO_NORMAL, 10000, &result);
  return static_cast<LRESULT>(result);
}

// One fade tick, handled before this returns. (A posted tick could still
// wait in the queue while a sent query overtakes it.)
void FadeTickNow(HWND w) {
  DWORD_PTR result = 0;
  SendMessageTimeoutA(w, WM_TIMER, kFadeTimer1, 0, SMTO_NORMAL, 10000, &result);
}

// Window 1's mover now (first = 0; ask only while it stands still) or as
// the last fade-in placed it (first = 6).
BounceMover MoverOf(HWND w, WPARAM first) {
  BounceMover m = MakeBounceMover(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
  m.width = 249;
  m.height = 27;
  m.x = static_cast<int>(Ask(w, first));
  m.y = static_cast<int>(Ask(w, first + 1));
  m.stepX = static_cast<int>(Ask(w, first + 2));
  m.stepY = static_cast<int>(Ask(w, first + 3));
  return m;
}

// While faded out a picture stands still (no motion timer, no window
// moves); an appearance due while another program is full-screen is
// skipped; at the next one it comes in where single steps over the whole
// hidden time would have taken it.
TEST_F(Hollow, HiddenPicturesRestAndComeBackWhereTheDriftWouldBe) {
  Process p = Launch("-run");
  HWND w1 = WindowOf(p, kTitle1, 20000);
  ASSERT_NE(w1, nullptr);
  ASSERT_TRUE(WaitUntilDrifting(w1, 10000));
  EXPECT_EQ(Ask(w1, 5), 1);
  FadeTickNow(w1);
  ASSERT_EQ(Ask(w1, 5), 0);
  const DWORD stopped = GetTickCount();
  const BounceMover atStop = MoverOf(w1, 0);
  RECT r0 = {}, r1 = {};
  GetWindowRect(w1, &r0);
  SleepMs(2000);
  GetWindowRect(w1, &r1);
  EXPECT_EQ(r1.left, r0.left);
  EXPECT_EQ(r1.top, r0.top);
  EXPECT_TRUE(MoverOf(w1, 0).x == atStop.x && MoverOf(w1, 0).y == atStop.y);

  // Ticks 2 to 90 change nothing; tick 91 falls due over a full-screen window.
  for (int tick = 2; tick <= 90; ++tick) FadeTickNow(w1);
  Process screen = Start(BinDir() + "..\\tests\\full_screen_window.exe");
  HWND full = WaitForWindow("Full Screen Test", 10000);
  ASSERT_NE(full, nullptr);
  const DWORD start = GetTickCount();
  while (GetForegroundWindow() != full && GetTickCount() - start < 5000) SleepMs(50);
  ASSERT_EQ(GetForegroundWindow(), full);
  FadeTickNow(w1);
  EXPECT_EQ(Ask(w1, 5), 0);
  PostMessageA(full, WM_CLOSE, 0, 0);
  EXPECT_EQ(WaitExit(screen, 10000), 0u);
  Close(screen);

  // The next appearance, 91 ticks on (the program's own tick, 30 s after
  // its start, may come in between).
  int ticks = 0;
  while (Ask(w1, 5) == 0 && ticks < 100) {
    FadeTickNow(w1);
    ++ticks;
  }
  const DWORD resumed = GetTickCount();
  ASSERT_EQ(Ask(w1, 5), 1);
  EXPECT_GE(ticks, 90);
  const LRESULT caughtUp = Ask(w1, 4);
  const long long elapsedTicks = (resumed - stopped) / 10;
  EXPECT_GT(caughtUp, elapsedTicks - 200);
  EXPECT_LE(caughtUp, elapsedTicks + 10);
  // Exactly where single steps over the hidden time take the picture.
  BounceMover expected = atStop;
  for (LRESULT i = 0; i < caughtUp; ++i) MoverStep(expected);
  const BounceMover placed = MoverOf(w1, 6);
  EXPECT_TRUE(expected.x == placed.x && expected.y == placed.y && expected.stepX == placed.stepX &&
              expected.stepY == placed.stepY)
      << "at " << placed.x << "," << placed.y << " instead of " << expected.x << "," << expected.y << " after "
      << caughtUp << " ticks";
}

TEST_F(Hollow, SecondStartShowsTheNoticeThenASecondPair) {
  Process first = Launch("-run");
  ASSERT_NE(WindowOf(first, kTitle1, 20000), nullptr);
  Process second = Launch("-run");
  HWND box = WaitForMessageBox("Message", 20000, second.id);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(MessageBoxText(box), "Vododi Reminders Are Already Running.");
  // Until the box is closed the second start shows no pictures.
  EXPECT_EQ(WindowOf(second, kTitle1, 300), nullptr);
  PressButton(box, IDOK);
  EXPECT_NE(WindowOf(second, kTitle1, 20000), nullptr);
  EXPECT_NE(WindowOf(second, kTitle2, 20000), nullptr);
  EXPECT_EQ(TopWindows(kTitle1).size(), 2u);
  EXPECT_EQ(TopWindows(kTitle2).size(), 2u);
  // Closing the second pair leaves the first running.
  PostMessageA(WindowOf(second, kTitle2, 1000), WM_CLOSE, 0, 0);
  EXPECT_EQ(WaitExit(second, 15000), 0u);
  EXPECT_EQ(WaitExit(first, 200), static_cast<DWORD>(STILL_ACTIVE));
}

}  // namespace
