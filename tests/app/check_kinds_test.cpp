// Reality checks that stay fresh, with the real program: the kind of check
// each reminder shows (read back through kQueryCheckKind), the dream-sign
// check drawn from the journal's Dreams folder, and the random gaps the
// reminder timer runs (kQueryReminderGap), both switched on from the
// tray's "Options" submenu.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "reminders/check_words.h"
#include "reminders/sign_check.h"
#include "tests/app/program_fixture.h"

using namespace harness;
using namespace program;

namespace {

constexpr char kCore[] = "time=30\r\nhollow=off\r\nstartup=0\r\n";

// A dream sign far too long for the popup's line.
std::string LongSign() {
  std::string sign;
  while (sign.size() < 200) sign += "the corridor of the old house where every door opens onto the sea ";
  sign.resize(200);
  return sign;
}

class CheckKinds : public ProgramTest {
 protected:
  // A journal with two mornings of the last days: one dream lists
  // "flying", another the long sign.
  void WriteDreams() {
    const std::string dreams = folder_ + "Dreams\\";
    ASSERT_TRUE(CreateDirectoryA(dreams.c_str(), nullptr));
    auto name = [](const SYSTEMTIME& t) {
      char text[32];
      std::snprintf(text, sizeof text, "%04d-%02d-%02d.md", t.wYear, t.wMonth, t.wDay);
      return std::string(text);
    };
    ASSERT_TRUE(WriteFile(dreams + name(LocalTimeIn(0)),
                          "## Dream\r\nDream signs: flying\r\nOver the town with red roofs.\r\n"));
    ASSERT_TRUE(WriteFile(dreams + name(LocalTimeIn(-2 * 24 * 60)),
                          "## Fragment\r\nDream signs: " + LongSign() + "\r\nThe doors again.\r\n"));
  }
  int Lines(const std::string& event) const {
    const std::string record = ReadFile(folder_ + "practice.csv");
    const std::string line = "," + event + "\r\n";
    int count = 0;
    for (std::size_t at = record.find(line); at != std::string::npos; at = record.find(line, at + 1)) ++count;
    return count;
  }

  // Twenty reality checks from the TEST button, each dismissed before the
  // next; the kinds they showed.
  std::vector<int> TwentyChecks() {
    std::vector<int> kinds;
    for (int i = 0; i < 20; ++i) {
      Command(IDC_TEST_REALITY);
      EXPECT_TRUE(PopupShows(10000)) << i;
      kinds.push_back(static_cast<int>(Query(kQueryCheckKind)));
      if (shot_.insert(kinds.back()).second) Capture(kinds.back());
      DismissPopup();
    }
    return kinds;
  }
  // The first popup of each kind as the screen shows it, kept beside the
  // test programs for a look at the drawn word and time, and with
  // SMX_UPDATE_SCREENSHOTS as the README's pictures.
  void Capture(int kind) {
    CaptureForReadme(WaitForWindow(kPopupTitle, 5000), "reality-check-kind-" + std::to_string(kind) + ".png");
  }
  std::set<int> shot_;

  // Reality checks from TEST until the text check shows (the kinds vary).
  HWND ShowTextCheck() {
    for (int i = 0; i < 40; ++i) {
      Command(IDC_TEST_REALITY);
      if (!PopupShows(10000)) return nullptr;
      if (Query(kQueryCheckKind) == 5) return WaitForWindow(kPopupTitle, 5000);
      DismissPopup();
    }
    return nullptr;
  }
};

// A plain window of one colour under the popup's place, for the desktop
// its soft edges and text are seen against.
struct Backdrop {
  explicit Backdrop(COLORREF colour, const RECT& r) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = CreateSolidBrush(colour);
    const std::string name = "SmxBackdrop" + std::to_string(colour);
    wc.lpszClassName = name.c_str();
    RegisterClassA(&wc);
    window = CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, name.c_str(), "backdrop", WS_POPUP | WS_VISIBLE,
                             r.left - 40, r.top - 40, r.right - r.left + 80, r.bottom - r.top + 80, nullptr, nullptr,
                             wc.hInstance, nullptr);
    Pump();
  }
  void Recolour(COLORREF colour) {
    HBRUSH old = reinterpret_cast<HBRUSH>(
        SetClassLongPtrA(window, GCLP_HBRBACKGROUND, reinterpret_cast<LONG_PTR>(CreateSolidBrush(colour))));
    DeleteObject(old);
    InvalidateRect(window, nullptr, TRUE);
    Pump();
  }
  ~Backdrop() {
    DestroyWindow(window);
    Pump();
  }
  static void Pump() {
    const DWORD start = GetTickCount();
    MSG m;
    while (GetTickCount() - start < 500) {
      while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&m);
      SleepMs(20);
    }
  }
  HWND window = nullptr;
};

// The screen's pixels over the window, 3 bytes (R, G, B) each, row by row.
std::string ScreenPixels(HWND window, const std::string& name) {
  RECT r = {};
  GetWindowRect(window, &r);
  const std::string png = UnixPath(BinDir()) + "/" + name + ".png";
  const std::string rgb = UnixPath(BinDir()) + "/" + name + ".rgb";
  char command[600];
  std::snprintf(command, sizeof command,
                "/usr/bin/import -window root -crop %ldx%ld+%ld+%ld +repage %s && /usr/bin/convert %s -depth 8 rgb:%s",
                r.right - r.left, r.bottom - r.top, r.left, r.top, png.c_str(), png.c_str(), rgb.c_str());
  RunUnix(command, 20000);
  return ReadFile(WindowsPath(rgb));
}

const unsigned char* At(const std::string& px, int x, int y) {
  return reinterpret_cast<const unsigned char*>(px.data()) + (static_cast<std::size_t>(y) * 337 + x) * 3;
}

// A 100 % picture of the build's artwork as it shows over a black
// desktop, 3 bytes (R, G, B) a pixel, row by row.
std::string ArtOverBlack(const std::string& file) {
  const std::string rgb = UnixPath(BinDir()) + "/" + file + ".over-black.rgb";
  RunUnix("/usr/bin/convert " + std::string(SMX_ART_DIR) + "/" + file + " -background black -flatten -depth 8 rgb:" +
              rgb,
          20000);
  return ReadFile(WindowsPath(rgb));
}

bool Inside(const CheckRect& r, int x, int y) { return x >= r.left && x < r.right && y >= r.top && y < r.bottom; }

int Difference(const unsigned char* a, const unsigned char* b) {
  int most = 0;
  for (int c = 0; c < 3; ++c) most = std::max(most, std::abs(a[c] - b[c]));
  return most;
}

TEST_F(CheckKinds, HandOnlyUntilVariedThenNeverTheSameTwiceInARow) {
  Install();
  WriteConfig(kCore);
  WriteDreams();
  ASSERT_NE(Launch(), nullptr);
  EXPECT_EQ(Query(kQueryCheckKind), 0);
  for (int kind : TwentyChecks()) EXPECT_EQ(kind, 1);

  ChooseSubmenuItem(kMenuOptions, kOptionVaryChecks);
  const std::string vary = std::string(kCore) + "checks=vary\r\n";
  EXPECT_EQ(WaitConfig(vary), vary);
  EXPECT_EQ(Query(kQueryOptionMenus) & 16, 16);

  // The journal has signs: the dream-sign check (6) comes among the others.
  const std::vector<int> kinds = TwentyChecks();
  std::string seen;
  for (int kind : kinds) seen += std::to_string(kind);
  for (std::size_t i = 0; i < kinds.size(); ++i) {
    EXPECT_GE(kinds[i], 1) << seen;
    EXPECT_LE(kinds[i], 6) << seen;
    if (i > 0) {
      EXPECT_NE(kinds[i], kinds[i - 1]) << seen;
    }
  }
  EXPECT_GE(std::set<int>(kinds.begin(), kinds.end()).size(), 4u) << seen;
  EXPECT_NE(seen.find('6'), std::string::npos) << seen;
  // Every check, the sign check too, is one line shown and one dismissed.
  EXPECT_EQ(Lines("shown"), 40);
  EXPECT_EQ(Lines("dismissed"), 40);

  // Back to the hand picture alone.
  ChooseSubmenuItem(kMenuOptions, kOptionVaryChecks);
  const std::string hand = std::string(kCore) + "checks=hand\r\n";
  EXPECT_EQ(WaitConfig(hand), hand);
  Command(IDC_TEST_REALITY);
  ASSERT_TRUE(PopupShows(10000));
  EXPECT_EQ(Query(kQueryCheckKind), 1);
}

TEST_F(CheckKinds, DrawnWordsKeepTheirAlphaAndStayInTheirFreeArea) {
  Install();
  WriteConfig(std::string(kCore) + "checks=vary\r\n");
  WriteDreams();
  ASSERT_NE(Launch(), nullptr);
  // The popup's place: centred in the work area. The backdrop is there
  // before the popup's first show, so that the popup is above it.
  RECT work = {};
  work = PrimaryWorkArea();
  const LONG left = work.left + (work.right - work.left - 337) / 2;
  const LONG top = work.top + (work.bottom - work.top - 222) / 2;
  const RECT place = {left, top, left + 337, top + 222};
  Backdrop backdrop(RGB(255, 255, 255), place);

  std::string seen[2];
  for (int i = 0; i < 2; ++i) {
    if (i == 1) backdrop.Recolour(RGB(0, 0, 0));
    HWND popup = ShowTextCheck();
    ASSERT_NE(popup, nullptr);
    SleepMs(300);
    RECT r = {};
    GetWindowRect(popup, &r);
    ASSERT_EQ(r.left, place.left);
    ASSERT_EQ(r.top, place.top);
    seen[i] = ScreenPixels(popup, i == 0 ? "text-check-light" : "text-check-dark");
    ASSERT_EQ(seen[i].size(), 337u * 222u * 3u);
    DismissPopup();
  }
  const std::string& light = seen[0];
  const std::string& dark = seen[1];
  // The clear corner shows the desktop; the soft glow lies between.
  EXPECT_GE(At(light, 1, 1)[0], 240);
  EXPECT_LE(At(dark, 1, 1)[0], 15);
  EXPECT_GT(At(light, 4, 111)[1], At(dark, 4, 111)[1] + 20);
  // The word and the time are opaque: in their boxes no pixel shows the
  // desktop through (pure white over the light one, pure black over the
  // dark one, where the text colour is neither), and the text is there.
  int bright = 0;
  for (int y = 78; y < 146; ++y) {
    for (int x = 72; x < 265; ++x) {
      const unsigned char* l = At(light, x, y);
      const unsigned char* d = At(dark, x, y);
      ASSERT_FALSE(l[0] == 255 && l[1] == 255 && l[2] == 255) << x << "," << y;
      ASSERT_FALSE(d[0] == 0 && d[1] == 0 && d[2] == 0) << x << "," << y;
      if (d[0] > 200 && d[1] > 200) ++bright;
    }
  }
  EXPECT_GT(bright, 300);

  // The dream-sign check over the dark desktop: outside its free area and
  // the rooms of the heading and the hint each pixel is the artwork's own;
  // inside, the caption stands above the question, and the long sign is
  // cut to the area's width. The signs are drawn by lot, so the checks go
  // on until both have shown.
  const std::string art = ArtOverBlack("check_sign.png");
  ASSERT_EQ(art.size(), 337u * 222u * 3u);
  const CheckRect area = LayOutSignCheck(100, 1).area;
  const int areaWidth = area.right - area.left;
  bool shortSeen = false, longSeen = false;
  for (int i = 0; i < 60 && !(shortSeen && longSeen); ++i) {
    Command(IDC_TEST_REALITY);
    ASSERT_TRUE(PopupShows(10000));
    if (Query(kQueryCheckKind) != 6) {
      DismissPopup();
      continue;
    }
    HWND popup = WaitForWindow(kPopupTitle, 5000);
    SleepMs(300);
    const std::string px = ScreenPixels(popup, "sign-check");
    ASSERT_EQ(px.size(), art.size());
    int outside = 0, inside = 0;
    int captionLeft = 337, captionRight = -1;
    bool inCaption = false, captionDone = false;
    for (int y = 0; y < 222; ++y) {
      bool rowDrawn = false;
      for (int x = 0; x < 337; ++x) {
        const int d = Difference(At(px, x, y), At(art, x, y));
        const bool inArea = x >= area.left && x < area.right && y >= area.top && y < area.bottom;
        if (!inArea) {
          if (!Inside(kCheckHeadingRoom, x, y) && !Inside(kCheckHintRoom, x, y)) outside += d > 12;
          continue;
        }
        if (d <= 40) continue;
        ++inside;
        rowDrawn = true;
        if (!captionDone) {
          captionLeft = std::min(captionLeft, x);
          captionRight = std::max(captionRight, x);
        }
      }
      // The caption is the first band of drawn rows.
      if (rowDrawn) inCaption = true;
      if (inCaption && !rowDrawn) captionDone = true;
    }
    EXPECT_EQ(outside, 0) << "pixels changed outside the free area";
    EXPECT_GT(inside, 400);
    ASSERT_TRUE(captionDone);
    const int captionWidth = captionRight - captionLeft + 1;
    if (captionWidth > areaWidth * 85 / 100) {
      longSeen = true;
    } else {
      EXPECT_LT(captionWidth, areaWidth * 3 / 4);
      shortSeen = true;
    }
    DismissPopup();
  }
  EXPECT_TRUE(shortSeen);
  EXPECT_TRUE(longSeen);
}

TEST_F(CheckKinds, RandomTimesDrawEveryGapBetweenHalfAndOneAndAHalfIntervals) {
  Install();
  WriteConfig("time=1\r\nhollow=off\r\nstartup=0\r\n");
  ASSERT_NE(Launch(), nullptr);
  EXPECT_EQ(Query(kQueryReminderGap), 60000);

  ChooseSubmenuItem(kMenuOptions, kOptionRandomTimes);
  const std::string random = "time=1\r\nhollow=off\r\nstartup=0\r\ntiming=random\r\n";
  EXPECT_EQ(WaitConfig(random), random);
  EXPECT_EQ(Query(kQueryOptionMenus) & 8, 8);

  // Each tick (the first shows the popup; later ones find it up) draws the
  // next gap.
  std::set<LRESULT> gaps;
  for (int i = 0; i < 10; ++i) {
    Tick();
    const LRESULT gap = Query(kQueryReminderGap);
    EXPECT_GE(gap, 30000) << i;
    EXPECT_LE(gap, 90000) << i;
    gaps.insert(gap);
  }
  EXPECT_TRUE(PopupShows(5000));
  EXPECT_GT(gaps.size(), 1u);

  ChooseSubmenuItem(kMenuOptions, kOptionRandomTimes);
  EXPECT_EQ(Query(kQueryReminderGap), 60000);
}

}  // namespace
