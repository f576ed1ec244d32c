// The programs as a user who needs high contrast and no animations has
// Windows set: a high-contrast theme of white on black in the prefix, and
// "Show animations" off. Every window draws in the theme's colours instead
// of its artwork (screenshots in the slot's work folder; the main window's
// is the README's), no fade takes more than one step, and hollow's words
// stand still. High contrast is followed when it changes while the
// programs run.
//
// Wine keeps no high-contrast state of its own (SPI_GETHIGHCONTRAST always
// answers "off"); the programs read the flag Windows stores for the user,
// so the test sets that and the theme's colours, which Wine reads when a
// program starts.
#include <cstdio>
#include <utility>
#include <vector>

#include "hollow/reminder_window.h"
#include "tests/app/program_fixture.h"

using namespace harness;
using namespace program;

namespace {

constexpr char kColoursKey[] = "Control Panel\\Colors";
// Colours set for the session only (by a visual style, or SetSysColors
// without saving), which Wine reads before the stored ones.
constexpr char kSessionColoursKey[] = "Software\\Wine\\Temporary System Parameters\\Control Panel\\Colors";
constexpr char kContrastKey[] = "Control Panel\\Accessibility\\HighContrast";
constexpr char kBlack[] = "#000000";
constexpr char kWhite[] = "#FFFFFF";
// The theme: white text and borders on black, a cyan highlight.
const std::pair<const char*, const char*> kTheme[] = {
    {"Window", "0 0 0"},       {"WindowText", "255 255 255"}, {"Hilight", "26 235 255"},
    {"HilightText", "0 0 0"},  {"ButtonFace", "0 0 0"},       {"ButtonText", "255 255 255"},
    {"GrayText", "63 242 63"}, {"WindowFrame", "255 255 255"}};

void SetUserText(const char* key, const char* name, const std::string& value) {
  HKEY k = nullptr;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, key, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &k, nullptr) != ERROR_SUCCESS) return;
  if (value.empty() || value[0] == '<') {
    RegDeleteValueA(k, name);  // it was not there before
  } else {
    RegSetValueExA(k, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()), static_cast<DWORD>(value.size() + 1));
  }
  RegCloseKey(k);
}

void SetAnimations(bool on) {
  SystemParametersInfoA(SPI_SETCLIENTAREAANIMATION, 0, reinterpret_cast<void*>(static_cast<INT_PTR>(on ? 1 : 0)),
                        SPIF_UPDATEINIFILE | SPIF_SENDCHANGE);
}

// High contrast switched as the system announces it, to every window.
void SetHighContrast(bool on) {
  SetUserText(kContrastKey, "Flags", on ? "127" : "126");
  DWORD_PTR ignored = 0;
  SendMessageTimeoutA(HWND_BROADCAST, WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0, SMTO_NORMAL, 10000, &ignored);
}

// The screen under a window as the user sees it.
std::string Shot(HWND window, const std::string& name) {
  return CaptureScreenUnder(window, UnixPath(WorkFolder()) + "/" + name);
}

// One pixel of a screenshot as "#RRGGBB"; the white of a per-pixel-alpha
// window comes out one lower (premultiplied by 255 / 256).
std::string Pixel(const std::string& shot, int x, int y) {
  const std::string out = shot + ".pixel";
  RunUnix("/usr/bin/convert " + shot + " -crop 1x1+" + std::to_string(x) + "+" + std::to_string(y) +
              " +repage -depth 8 txt:- | grep -o '#[0-9A-F]\\{6\\}' > " + out,
          20000);
  std::string text = ReadFile(WindowsPath(out));
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
  return text == "#FEFEFE" ? kWhite : text;
}

// A plain window: a border of the text colour round the background colour.
void ExpectPlain(HWND window, const std::string& name) {
  const std::string shot = Shot(window, name);
  EXPECT_EQ(Pixel(shot, 0, 0), kWhite) << name;
  EXPECT_EQ(Pixel(shot, 4, 4), kBlack) << name;
}

class HighContrast : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    for (const auto& [name, value] : kTheme) {
      for (const char* key : {kColoursKey, kSessionColoursKey}) {
        const std::string before = RegistryText(HKEY_CURRENT_USER, key, name);
        if (key == kSessionColoursKey && before[0] == '<') continue;  // nothing set for the session
        saved_.push_back({key, name, before});
        SetUserText(key, name, value);
      }
    }
    savedFlags_ = RegistryText(HKEY_CURRENT_USER, kContrastKey, "Flags");
    SetUserText(kContrastKey, "Flags", "127");  // on, among the flags Windows keeps with it
    SetAnimations(false);
  }
  void TearDown() override {
    ProgramTest::TearDown();
    for (const Saved& s : saved_) SetUserText(s.key, s.name, s.value);
    SetUserText(kContrastKey, "Flags", savedFlags_);
    SetAnimations(true);
  }

  unsigned long FadeSteps() { return static_cast<unsigned long>(Query(kQueryFadeSteps)); }

  struct Saved {
    const char* key;
    const char* name;
    std::string value;
  };
  std::vector<Saved> saved_;
  std::string savedFlags_;
};

TEST_F(HighContrast, EveryWindowTakesTheThemeAndNothingFadesOrDrifts) {
  Install();
  WriteConfig("time=30\r\nhollow=off\r\nstartup=0\r\n");
  // Three weeks of checks and dismissals, a lucid night and a dream, for
  // the weeks of My Practice; a dream for the journal.
  std::string record;
  for (int day = -20; day <= 0; ++day) {
    const std::string date = LocalDate(day);
    if (day == -9) record += date + " 07:00:00,dream\r\n";
    if (day == -2) record += date + " 07:00:00,lucid\r\n";
    for (int check = 0; check < 1 - day % 3; ++check) record += date + " 10:00:00,shown\r\n" + date + " 10:00:05,checked\r\n";
    if (day % 2) record += date + " 12:00:00,shown\r\n" + date + " 12:00:09,dismissed\r\n";
  }
  ASSERT_TRUE(WriteFile(folder_ + "practice.csv", record));
  CreateDirectoryA((folder_ + "Dreams").c_str(), nullptr);
  ASSERT_TRUE(WriteFile(folder_ + "Dreams\\" + LocalDate(-2) + ".md",
                        "## Lucid dream\r\nDream signs: flying\r\nThe clock had no hands.\r\n"));

  ASSERT_NE(Launch("-run"), nullptr);
  EXPECT_EQ(FadeSteps(), 1u);  // the main window came without a fade
  BYTE alpha = 0;
  EXPECT_TRUE(GetLayeredWindowAttributes(main_, nullptr, &alpha, nullptr));
  EXPECT_EQ(alpha, 255);  // nothing shows through
  SleepMs(300);
  ExpectPlain(main_, "high-contrast-main.png");
  CaptureForReadme(main_, "high-contrast-main-window.png");

  unsigned long steps = FadeSteps();
  Command(IDC_ABOUT);
  HWND about = WaitForWindow("SMX About", 20000);
  ASSERT_NE(about, nullptr);
  WaitIdle(about);
  EXPECT_EQ(FadeSteps() - steps, 1u);
  ExpectPlain(about, "high-contrast-about.png");
  PostMessageA(about, WM_COMMAND, MAKEWPARAM(IDC_ABOUT_CLOSE, BN_CLICKED), 0);
  EXPECT_TRUE(WaitForNoWindow("SMX About", 10000));
  EXPECT_EQ(FadeSteps() - steps, 2u);

  steps = FadeSteps();
  ChooseMenuItem(kMenuPractice);
  HWND practice = WaitForWindow("SMX - My Practice", 20000);
  ASSERT_NE(practice, nullptr);
  WaitIdle(practice);
  ExpectPlain(practice, "high-contrast-practice.png");
  PostMessageA(practice, WM_COMMAND, MAKEWPARAM(IDC_PRACTICE_CLOSE, BN_CLICKED), 0);
  EXPECT_TRUE(WaitForNoWindow("SMX - My Practice", 10000));
  EXPECT_EQ(FadeSteps() - steps, 2u);

  ChooseMenuItem(kMenuJournal);
  HWND journal = WaitForWindow("SMX - Dream Journal", 20000);
  ASSERT_NE(journal, nullptr);
  WaitIdle(journal);
  SleepMs(300);
  ExpectPlain(journal, "high-contrast-journal.png");
  PostMessageA(journal, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
  EXPECT_TRUE(WaitForNoWindow("SMX - Dream Journal", 10000));

  // The layered popups: opaque plain pictures, each fade a single step.
  steps = FadeSteps();
  Command(IDC_TEST_REALITY);
  ASSERT_TRUE(PopupShows(10000));
  HWND popup = WaitForWindow(kPopupTitle, 5000);
  EXPECT_EQ(FadeSteps() - steps, 1u);
  ExpectPlain(popup, "high-contrast-reality-check.png");
  DismissPopup();
  EXPECT_EQ(FadeSteps() - steps, 2u);

  // The morning question, after an absence: the return is a real move of
  // the mouse onto a window of the program, where Wine sees it.
  steps = FadeSteps();
  RunUnix("/usr/bin/xdotool mousemove 5 5");
  PostMessageA(main_, kSetMorningClock, 1500, MAKELPARAM(0, 24 * 60));
  SleepMs(3000);
  RECT mainRect = {};
  GetWindowRect(main_, &mainRect);
  RunUnix("/usr/bin/xdotool mousemove " + std::to_string(mainRect.left + 3) + " " + std::to_string(mainRect.top + 3));
  HWND morning = WaitForWindow("SMX - Good Morning", 8000);
  ASSERT_NE(morning, nullptr);
  WaitIdle(morning);
  EXPECT_EQ(FadeSteps() - steps, 2u);  // from nothing, then in
  ExpectPlain(morning, "high-contrast-morning.png");
  PostMessageA(morning, WM_CLOSE, 0, 0);
  EXPECT_TRUE(WaitForNoWindow("SMX - Good Morning", 10000));

  // hollow's words: plain and opaque, standing still inside the work area.
  started_.push_back(Start(folder_ + "hollow.exe", "-run"));
  HWND words = WaitForWindow("SM Vododi Reminders 1", 20000);
  ASSERT_NE(words, nullptr);
  WaitIdle(words);
  EXPECT_EQ(SendMessageA(words, kHollowQuery, 10, 0), 1);  // standing
  EXPECT_EQ(SendMessageA(words, kHollowQuery, 5, 0), 0);   // no motion timer
  RECT first = {}, later = {}, work = {};
  GetWindowRect(words, &first);
  work = PrimaryWorkArea();
  EXPECT_TRUE(first.left >= work.left && first.top >= work.top && first.right <= work.right &&
              first.bottom <= work.bottom);
  ExpectPlain(words, "high-contrast-hollow.png");
  SleepMs(2000);
  GetWindowRect(words, &later);
  EXPECT_TRUE(EqualRect(&first, &later));

  // High contrast switched while they run: the artwork again, then the
  // plain look. (Wine tells a running program of a change of the
  // animations, but its answers stay those of the program's start; the
  // fades follow such a change in layered_window_tests.)
  SetHighContrast(false);
  SleepMs(500);
  WaitIdle(main_);
  WaitIdle(words);
  EXPECT_NE(Pixel(Shot(main_, "artwork-again-main.png"), 4, 4), kBlack);
  RECT artwork = {};
  GetWindowRect(words, &artwork);
  EXPECT_NE(artwork.right - artwork.left, first.right - first.left);  // the artwork's size, not the plain panel's
  EXPECT_EQ(SendMessageA(words, kHollowQuery, 10, 0), 1);              // still standing
  SetHighContrast(true);
  SleepMs(500);
  WaitIdle(main_);
  EXPECT_EQ(Pixel(Shot(main_, "plain-again-main.png"), 4, 4), kBlack);
}

}  // namespace
