// The real somnivex.exe at the display scales of today's laptops: under
// each DPI (the prefix's LogPixels, read by a program when it starts) and
// with no substitute for the dialog font, every control of the main window
// and the about box sits where the artwork of that scale paints it, the
// windows are the artwork's size and centred in the work area, the 150 %
// main window shows the 150 % background pixel for pixel around its words,
// and the words drawn into the pictures stay in their rooms, in English and
// in the longer pseudo-language.
#include <oleacc.h>

#include <cstdio>
#include <algorithm>
#include <cstdlib>
#include <map>
#include <set>
#include <sstream>

#include "app/main_window_words.h"
#include "journal/dream_window.h"
#include "journal/morning_question.h"
#include "journal/practice_window.h"
#include "settings/language.h"
#include "tests/app/program_fixture.h"
#include "tests/support/screen_reader.h"

using namespace harness;
using namespace program;

namespace {

constexpr char kAboutTitle[] = "SMX About";
constexpr char kDesktopKey[] = "Control Panel\\Desktop";
constexpr char kSubstitutesKey[] = "Software\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes";
constexpr char kSuiteShellFont[] = "DejaVu Sans Condensed";

void SetLogPixels(DWORD dpi) {
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kDesktopKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  RegSetValueExA(key, "LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi), sizeof dpi);
  RegCloseKey(key);
}

// The suite's "MS Shell Dlg" substitute, or none at all.
void SetShellFontSubstitute(bool present) {
  HKEY key = nullptr;
  ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, kSubstitutesKey, 0, KEY_SET_VALUE, &key), ERROR_SUCCESS);
  if (present) {
    RegSetValueExA(key, "MS Shell Dlg", 0, REG_SZ, reinterpret_cast<const BYTE*>(kSuiteShellFont),
                   sizeof kSuiteShellFont);
  } else {
    RegDeleteValueA(key, "MS Shell Dlg");
  }
  RegCloseKey(key);
}

// Coordinates of the programs' windows as they are, not as a 96-DPI
// program would be shown them.
void BecomeDpiAware() {
  using SetContext = HANDLE(WINAPI*)(HANDLE);
  FARPROC found = GetProcAddress(GetModuleHandleA("user32.dll"), "SetThreadDpiAwarenessContext");
  auto set = reinterpret_cast<SetContext>(reinterpret_cast<void (*)()>(found));
  if (set) set(reinterpret_cast<HANDLE>(-4));  // per-monitor aware, version 2
}

struct Place {
  int x = 0, y = 0, width = 0, height = 0;
};

SIZE PngFileSize(const std::string& path) {
  const std::string b = ReadFile(path);
  if (b.size() < 24 || b.compare(1, 3, "PNG") != 0) return SIZE{0, 0};
  auto be32 = [&b](size_t at) {
    return LONG(static_cast<unsigned char>(b[at])) << 24 | LONG(static_cast<unsigned char>(b[at + 1])) << 16 |
           LONG(static_cast<unsigned char>(b[at + 2])) << 8 | LONG(static_cast<unsigned char>(b[at + 3]));
  };
  return SIZE{be32(16), be32(20)};
}

// The artwork of one scale: where make-art put each picture (by resource
// number, the interval box as "combo") and the files of the backgrounds.
struct ArtworkSet {
  std::multimap<std::string, Place> places;
  std::string folder;
  int scale = 100;

  static ArtworkSet Read(int scale) {
    ArtworkSet set;
    set.scale = scale;
    set.folder = WindowsPath(SMX_ART_DIR) + "\\";
    std::istringstream lines(ReadFile(set.folder + "layout-sets.txt"));
    int s = 0, x = 0, y = 0;
    std::string id, file, program;
    while (lines >> s >> id >> file >> program >> x >> y) {
      if (s != scale) continue;
      Place p{x, y, 0, 0};
      if (file != "-") {
        const SIZE size = PngFileSize(set.folder + file);
        p.width = size.cx;
        p.height = size.cy;
      }
      set.places.emplace(id, p);
    }
    return set;
  }
  SIZE Background(const char* name, SIZE at100) const {
    if (scale == 100) return at100;
    return PngFileSize(folder + name + "@" + std::to_string(scale) + ".png");
  }
  std::string BackgroundFile(const char* name) const { return folder + name + "@" + std::to_string(scale) + ".png"; }
};

RECT ClientRectIn(HWND control, HWND dialog) {
  RECT r = {};
  GetWindowRect(control, &r);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

// Every control of the table is exactly one of the places its picture has
// in the set (the TEST picture has two).
void ExpectControlsOnTheirPlaces(HWND dialog, const ArtworkSet& art, const std::map<int, int>& pictureOf,
                                 const char* what) {
  for (const auto& [control, picture] : pictureOf) {
    const RECT r = ClientRectIn(GetDlgItem(dialog, control), dialog);
    const auto range = art.places.equal_range(std::to_string(picture));
    ASSERT_NE(range.first, range.second) << what << ": no place for picture " << picture;
    bool found = false;
    for (auto it = range.first; it != range.second; ++it) {
      const Place& p = it->second;
      found = found || (r.left == p.x && r.top == p.y && r.right - r.left == p.width && r.bottom - r.top == p.height);
    }
    EXPECT_TRUE(found) << what << " control " << control << " at " << r.left << "," << r.top << " "
                       << r.right - r.left << "x" << r.bottom - r.top << ", picture " << picture << " at "
                       << range.first->second.x << "," << range.first->second.y << " "
                       << range.first->second.width << "x" << range.first->second.height;
  }
}

void ExpectCentredInWorkArea(HWND window, SIZE size, const char* what) {
  RECT work = {}, r = {};
  work = PrimaryWorkArea();
  GetWindowRect(window, &r);
  EXPECT_EQ(r.right - r.left, size.cx) << what;
  EXPECT_EQ(r.bottom - r.top, size.cy) << what;
  EXPECT_EQ(r.left, work.left + (work.right - work.left - size.cx) / 2) << what;
  EXPECT_EQ(r.top, work.top + (work.bottom - work.top - size.cy) / 2) << what;
}

class DisplayScale : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    BecomeDpiAware();
    shots_ = UnixPath(folder_) + "/";
  }
  void TearDown() override {
    ProgramTest::TearDown();
    SetLogPixels(96);
    SetShellFontSubstitute(true);
  }

  // The window's own pixels (the X window Wine made for it, before any
  // compositing) into shots_/name.png; returns that path.
  std::string CaptureWindow(const char* title, const std::string& name) {
    const std::string shot = shots_ + name + ".png";
    RunUnix("/usr/bin/import -window \"$(/usr/bin/xdotool search --name '^" + std::string(title) + "$' | head -n 1)\" " +
                shot,
            20000);
    return shot;
  }
  // The screen under the window, as the user sees it (per-pixel alpha).
  std::string CaptureScreen(HWND window, const std::string& name) {
    return CaptureScreenUnder(window, shots_ + name + ".png");
  }
  // make screenshots: the 150 % pictures of the README.
  void KeepForReadme(const std::string& shot, const char* name) {
    const char* refs = std::getenv("SMX_REFERENCE_DIR");
    if (!std::getenv("SMX_UPDATE_SCREENSHOTS") || !refs) return;
    CopyFileA(WindowsPath(shot).c_str(), WindowsPath(std::string(refs) + "/" + name).c_str(), FALSE);
  }

  // Every word of the main window and the about box was drawn, and none
  // reaches out of its room or into another (at most `cut` of them cut
  // short with an ellipsis). The about box is open.
  void ExpectWordsInTheirRooms(long cut, const std::string& what) {
    // 15 in the main window, 7 in the about box's background and 3 on each
    // of its buttons' two pictures.
    EXPECT_GE(Query(kQueryDrawnTexts, 1), 28) << what;
    EXPECT_EQ(Query(kQueryDrawnTexts, 0), 0) << what << ": words out of their rooms or overlapping";
    EXPECT_LE(Query(kQueryDrawnTexts, 2), cut) << what << ": words cut short";
  }

  std::string shots_;
};

// The words drawn into the reality check's pictures (every kind), the
// morning question's and My Practice's, in English at 100 % and in the
// tests' pseudo-language (every text 40 % longer, accented) at 100 and
// 200 %:
// none reaches out of its room or into another, and each window answers
// a change of language by drawing them again. The screens are kept in
// the test's folder for a look.
TEST_F(DisplayScale, PictureWordsStayInTheirRoomsInEnglishAndThePseudoLanguage) {
  Install();
  // A dream sign, so that the dream-sign check comes among the kinds.
  CreateDirectoryA((folder_ + "Dreams").c_str(), nullptr);
  ASSERT_TRUE(
      WriteFile(folder_ + "Dreams\\" + LocalDate(0) + ".md", "## Dream\r\nDream signs: flying\r\nOver the roofs.\r\n"));
  auto languageChanged = [](HWND window) {
    DWORD_PTR answer = 0;
    return SendMessageTimeoutA(window, kLanguageChangedMessage, 0, 0, SMTO_NORMAL, 10000, &answer) != 0 &&
           answer == TRUE;
  };
  const struct {
    DWORD dpi;
    std::string language;
  } cases[] = {{96, ""}, {96, "qps"}, {192, "qps"}};
  for (const auto& c : cases) {
    const std::string label = (c.language.empty() ? "en-" : c.language + "-") + std::to_string(c.dpi * 100 / 96);
    SCOPED_TRACE(label);
    SetLogPixels(c.dpi);
    WriteConfig("time=30\r\nhollow=off\r\nstartup=0\r\nchecks=vary\r\n" +
                (c.language.empty() ? std::string() : "language=" + c.language + "\r\n"));
    RunUnix("/usr/bin/xdotool mousemove 5 5");  // out of the way of the windows and the menu
    ASSERT_NE(Launch("-run"), nullptr);

    std::set<LRESULT> kinds;
    for (int i = 0; i < 60 && kinds.size() < 6; ++i) {
      Command(IDC_TEST_REALITY);
      ASSERT_TRUE(PopupShows(10000));
      const LRESULT kind = Query(kQueryCheckKind);
      HWND popup = WaitForWindow(kPopupTitle, 5000);
      if (kinds.insert(kind).second) {
        CaptureScreen(popup, label + "-check-" + std::to_string(kind));
        if (kind == 1) {
          EXPECT_TRUE(languageChanged(popup));
          EXPECT_EQ(Query(kQueryPopupVisible), 1);
        }
      }
      DismissPopup();
    }
    EXPECT_EQ(kinds.size(), 6u);

    // My Practice, from the tray menu (before the mouse moves: the menu
    // opens under it).
    ChooseMenuItem(kMenuPractice);
    HWND practice = WaitForWindow(kPracticeTitle, 20000);
    ASSERT_NE(practice, nullptr);
    WaitIdle(practice);
    SleepMs(300);
    CaptureScreen(practice, label + "-practice");
    EXPECT_TRUE(languageChanged(practice));
    PostMessageA(practice, WM_COMMAND, MAKEWPARAM(IDC_PRACTICE_CLOSE, BN_CLICKED), 0);
    EXPECT_TRUE(WaitForNoWindow(kPracticeTitle, 10000));

    // The morning question, after a short absence ended by the mouse
    // coming back over the main window, with the mouse then over an answer
    // (lit from the second picture).
    RunUnix("/usr/bin/xdotool mousemove 5 5");
    PostMessageA(main_, kSetMorningClock, 1500, MAKELPARAM(0, 24 * 60));
    SleepMs(3000);
    RECT back = {};
    GetWindowRect(main_, &back);
    RunUnix("/usr/bin/xdotool mousemove " + std::to_string(back.left + 20) + " " + std::to_string(back.top + 20) +
            " sleep 0.2 mousemove " + std::to_string(back.left + 30) + " " + std::to_string(back.top + 30));
    HWND question = WaitForWindow(kMorningTitle, 8000);
    ASSERT_NE(question, nullptr);
    WaitIdle(question);  // faded in
    RECT answer = {};
    GetWindowRect(GetDlgItem(question, IDC_MORNING_NONE), &answer);
    RunUnix("/usr/bin/xdotool mousemove " + std::to_string((answer.left + answer.right) / 2) + " " +
            std::to_string((answer.top + answer.bottom) / 2));
    SleepMs(700);
    CaptureScreen(question, label + "-morning");
    EXPECT_TRUE(languageChanged(question));
    PostMessageA(question, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitForNoWindow(kMorningTitle, 5000));

    EXPECT_EQ(Query(kCountTextFaults), 0);
    Kill(started_.back());
    EXPECT_TRUE(WaitForNoWindow(kMainTitle, 10000));
  }
}

TEST_F(DisplayScale, EveryControlSitsOnItsPaintedPlaceAtEachScale) {
  const std::map<int, int> mainPictures = {
      {IDC_TEST_REALITY, IDP_TEST}, {IDC_TEST_HOLLOW, IDP_TEST},     {IDC_SET, IDP_SET},
      {IDC_SWITCH, IDP_SWITCH_OFF}, {IDC_TIPS, IDP_TIPS_PANEL},      {IDC_HIDE, IDP_HIDE},
      {IDC_ABOUT, IDP_ABOUT},       {IDC_TWITTER, IDP_TWITTER},      {IDC_GOOGLEPLUS, IDP_GOOGLEPLUS},
      {IDC_FACEBOOK, IDP_FACEBOOK}, {IDC_WEB, IDP_WEB},
  };
  const std::map<int, int> aboutPictures = {
      {IDC_ABOUT_VISIT, IDP_VISIT}, {IDC_ABOUT_HELP, IDP_HELP}, {IDC_ABOUT_CLOSE, IDP_CLOSE}};
  const struct {
    DWORD dpi;
    int scale;
    bool shellFont;
  } cases[] = {{96, 100, true}, {120, 125, true}, {144, 150, true}, {192, 200, true}, {96, 100, false}};
  Install();
  // A night in the journal, so that its window shows a dream.
  CreateDirectoryA((folder_ + "Dreams").c_str(), nullptr);
  ASSERT_TRUE(WriteFile(folder_ + "Dreams\\2026-11-30.md",
                        "## Lucid dream\r\nDream signs: flying, the old school\r\nI stood in the corridor of my old "
                        "school and noticed the clock had no hands. I looked at my hand and knew I was dreaming, then "
                        "flew over the roofs towards the sea.\r\n"));
  for (const auto& c : cases) {
    const std::string label = std::to_string(c.dpi) + (c.shellFont ? " DPI" : " DPI, no dialog font substitute");
    SCOPED_TRACE(label);
    SetLogPixels(c.dpi);
    SetShellFontSubstitute(c.shellFont);
    const ArtworkSet art = ArtworkSet::Read(c.scale);
    ASSERT_FALSE(art.places.empty());
    WriteConfig("time=30\r\nhollow=off\r\nstartup=0\r\n");  // the journal opens at its first size

    ASSERT_NE(Launch("-run"), nullptr);
    const SIZE mainSize = art.Background("main_background", SIZE{428, 372});
    ExpectCentredInWorkArea(main_, mainSize, "main window");
    RECT client = {};
    GetClientRect(main_, &client);
    EXPECT_EQ(client.right, mainSize.cx);
    EXPECT_EQ(client.bottom, mainSize.cy);
    ExpectControlsOnTheirPlaces(main_, art, mainPictures, "main window");
    const RECT box = ClientRectIn(Control(IDC_INTERVAL), main_);
    const Place combo = art.places.find("combo")->second;
    EXPECT_EQ(box.left, combo.x);
    EXPECT_EQ(box.top, combo.y);

    if (c.scale == 150 && c.shellFont) {
      // Nothing blurred: where no control and no word covers it, the
      // window shows the 150 % background's own pixels.
      SleepMs(300);
      const std::string shot = CaptureWindow(kMainTitle, "main-150");
      std::string masks;
      auto mask = [&masks](const RECT& r) {
        masks += " -draw 'rectangle " + std::to_string(r.left) + "," + std::to_string(r.top) + " " +
                 std::to_string(r.right - 1) + "," + std::to_string(r.bottom - 1) + "'";
      };
      for (int id : {IDC_TEST_REALITY, IDC_TEST_HOLLOW, IDC_SET, IDC_SWITCH, IDC_TIPS, IDC_HIDE, IDC_ABOUT, IDC_TWITTER,
                     IDC_GOOGLEPLUS, IDC_FACEBOOK, IDC_WEB, IDC_INTERVAL}) {
        mask(ClientRectIn(Control(id), main_));
      }
      for (const PictureText& t : MainWindowWords()) {
        mask(RECT{(t.left * c.scale) / 100 - 2, (t.top * c.scale) / 100 - 2, (t.right * c.scale + 99) / 100 + 2,
                  (t.bottom * c.scale + 99) / 100 + 2});
      }
      const std::string result = shots_ + "main-150.diff.txt";
      const std::string bg = UnixPath(art.BackgroundFile("main_background"));
      RunUnix("/usr/bin/convert " + shot + " -alpha off -fill black" + masks + " " + shots_ + "a.png; " +
                  "/usr/bin/convert " + bg + " -alpha off -fill black" + masks + " " + shots_ + "b.png; " +
                  "/usr/bin/compare -metric AE " + shots_ + "a.png " + shots_ + "b.png null: 2> " + result,
              30000);
      const std::string text = ReadFile(WindowsPath(result));
      ASSERT_FALSE(text.empty());
      EXPECT_EQ(std::atof(text.c_str()), 0.0) << "pixels differing from the 150 % background: " << text;
      KeepForReadme(CaptureScreen(main_, "main-150-screen"), "main-window-150.png");
    }

    if (c.scale == 200) {
      // The focus mark at the scale: the fourth Tab from the background
      // (real keys) reaches SET, whose edge wears the warm ring.
      RECT w = {};
      GetWindowRect(main_, &w);
      RunUnix("/usr/bin/xdotool mousemove " + std::to_string(w.left + 400) + " " + std::to_string(w.top + 80) +
              " sleep 0.2 click 1 sleep 0.3 key --delay 150 Tab Tab Tab Tab");
      SleepMs(300);
      WaitIdle(main_);
      const RECT set = ClientRectIn(Control(IDC_SET), main_);
      const std::string at = "p{" + std::to_string(set.left + 1) + "," + std::to_string((set.top + set.bottom) / 2) + "}";
      RunUnix("/usr/bin/convert " + CaptureWindow(kMainTitle, "focus-mark-200") + " -format '%[fx:int(255*" + at +
                  ".r)] %[fx:int(255*" + at + ".g)] %[fx:int(255*" + at + ".b)]' info: > " + shots_ + "mark.txt",
              20000);
      EXPECT_EQ(ReadFile(WindowsPath(shots_ + "mark.txt")), "255 233 168") << "SET's edge at 200 %";
    }

    Command(IDC_ABOUT);
    HWND about = WaitForWindow(kAboutTitle, 20000);
    ASSERT_NE(about, nullptr);
    WaitIdle(about);
    ExpectCentredInWorkArea(about, art.Background("about_background", SIZE{290, 322}), "about box");
    ExpectControlsOnTheirPlaces(about, art, aboutPictures, "about box");
    const bool wordsChecked = (c.scale == 100 || c.scale == 200) && c.shellFont;
    if (wordsChecked) {
      ExpectWordsInTheirRooms(0, "English");
      // A change of language reaches both windows, which draw their words
      // afresh (here in the same language) and say so.
      EXPECT_EQ(Query(kQueryDrawnTexts, 3), 1);
      DWORD_PTR answer = 0;
      SendMessageTimeoutA(main_, kLanguageChangedMessage, 0, 0, SMTO_NORMAL, 20000, &answer);
      EXPECT_EQ(answer, static_cast<DWORD_PTR>(TRUE)) << "main window";
      answer = 0;
      SendMessageTimeoutA(about, kLanguageChangedMessage, 0, 0, SMTO_NORMAL, 20000, &answer);
      EXPECT_EQ(answer, static_cast<DWORD_PTR>(TRUE)) << "about box";
      WaitIdle(about);
      ExpectWordsInTheirRooms(0, "English, drawn again");
      ExpectControlsOnTheirPlaces(about, art, aboutPictures, "about box drawn again");
    }
    if (c.scale == 150 && c.shellFont) KeepForReadme(CaptureScreen(about, "about-150"), "about-box-150.png");
    if (c.scale == 100 && c.shellFont) {
      // Its picture buttons are named for a screen reader.
      EXPECT_EQ(reader::Read(GetDlgItem(about, IDC_ABOUT_VISIT)).name, "Visit www.somnivex.example");
      EXPECT_EQ(reader::Read(GetDlgItem(about, IDC_ABOUT_HELP)).name, "Help");
      const reader::Accessible close = reader::Read(GetDlgItem(about, IDC_ABOUT_CLOSE));
      EXPECT_EQ(close.name, "Close");
      EXPECT_EQ(close.role, ROLE_SYSTEM_PUSHBUTTON);
    }
    PostMessageA(about, WM_COMMAND, MAKEWPARAM(IDC_ABOUT_CLOSE, BN_CLICKED), 0);
    EXPECT_TRUE(WaitForNoWindow(kAboutTitle, 10000));

    // "My Practice": the background of the scale, the x on its place.
    ChooseMenuItem(kMenuPractice);
    HWND practice = WaitForWindow("SMX - My Practice", 20000);
    ASSERT_NE(practice, nullptr);
    WaitIdle(practice);
    ExpectCentredInWorkArea(practice, art.Background("practice_background", SIZE{460, 324}), "My Practice");
    ExpectControlsOnTheirPlaces(practice, art, {{IDC_PRACTICE_CLOSE, IDP_PRACTICE_CLOSE}}, "My Practice");
    PostMessageA(practice, WM_COMMAND, MAKEWPARAM(IDC_PRACTICE_CLOSE, BN_CLICKED), 0);
    EXPECT_TRUE(WaitForNoWindow("SMX - My Practice", 10000));

    // The dream journal: its first size at the scale, inside the work area,
    // the editor inside the window.
    ChooseMenuItem(kMenuJournal);
    HWND journal = WaitForWindow("SMX - Dream Journal", 20000);
    ASSERT_NE(journal, nullptr);
    WaitIdle(journal);
    RECT frame = {}, editor = {}, work = {};
    GetWindowRect(journal, &frame);
    GetWindowRect(GetDlgItem(journal, IDC_JOURNAL_TEXT), &editor);
    work = PrimaryWorkArea();
    const long wantWidth = std::min<long>(MulDiv(780, static_cast<int>(c.dpi), 96), work.right - work.left);
    EXPECT_EQ(frame.right - frame.left, wantWidth) << "dream journal";
    EXPECT_TRUE(frame.left >= work.left && frame.top >= work.top && frame.right <= work.right && frame.bottom <= work.bottom);
    EXPECT_TRUE(editor.left > frame.left && editor.right < frame.right && editor.bottom < frame.bottom);
    if (c.scale == 150 && c.shellFont) {
      SleepMs(300);
      KeepForReadme(CaptureScreen(journal, "journal-150"), "dream-journal-150.png");
    }
    PostMessageA(journal, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    EXPECT_TRUE(WaitForNoWindow("SMX - Dream Journal", 10000));

    Command(IDC_TEST_REALITY);
    HWND popup = WaitForWindow(kPopupTitle, 20000);
    ASSERT_NE(popup, nullptr);
    WaitIdle(popup);
    const auto popupPlace = art.places.find(std::to_string(IDP_REALITY_CHECK));
    ASSERT_NE(popupPlace, art.places.end());
    ExpectCentredInWorkArea(popup, SIZE{popupPlace->second.width, popupPlace->second.height}, "reality check");
    if (c.scale == 150 && c.shellFont) {
      SleepMs(300);
      KeepForReadme(CaptureScreen(popup, "popup-150"), "reality-check-150.png");
    }

    if (c.dpi == 96 && c.shellFont) {
      // Moved to a 150 % monitor: the window lays itself out again with the
      // 150 % pictures, where it is (the message is the system's, without
      // the suggested rectangle, which cannot cross processes).
      RECT before = {};
      GetWindowRect(main_, &before);
      PostMessageA(main_, 0x02E0 /* WM_DPICHANGED */, MAKEWPARAM(144, 144), 0);
      SleepMs(200);
      WaitIdle(main_);
      const ArtworkSet art150 = ArtworkSet::Read(150);
      RECT after = {};
      GetWindowRect(main_, &after);
      EXPECT_EQ(after.left, before.left);
      EXPECT_EQ(after.top, before.top);
      EXPECT_EQ(after.right - after.left, 642);
      EXPECT_EQ(after.bottom - after.top, 558);
      ExpectControlsOnTheirPlaces(main_, art150, mainPictures, "main window moved to 150 %");
    }

    EXPECT_EQ(Query(kCountTextFaults), 0);  // the words of My Practice and the reality check
    Kill(started_.back());
    EXPECT_TRUE(WaitForNoWindow(kMainTitle, 10000));

    if (wordsChecked) {
      // The pseudo-language: every text 40 % longer and more, with accents;
      // the words are set smaller, wrapped or cut, never out of their rooms.
      WriteConfig("time=30\r\nhollow=off\r\nstartup=0\r\nlanguage=qps\r\n");
      ASSERT_NE(Launch("-run"), nullptr);
      SleepMs(300);
      CaptureScreen(main_, "main-qps-" + std::to_string(c.scale));
      Command(IDC_ABOUT);
      HWND longer = WaitForWindow(kAboutTitle, 20000);
      ASSERT_NE(longer, nullptr);
      WaitIdle(longer);
      SleepMs(300);
      CaptureScreen(longer, "about-qps-" + std::to_string(c.scale));
      ExpectWordsInTheirRooms(8, "pseudo-language");
      PostMessageA(longer, WM_COMMAND, MAKEWPARAM(IDC_ABOUT_CLOSE, BN_CLICKED), 0);
      EXPECT_TRUE(WaitForNoWindow(kAboutTitle, 10000));
      Kill(started_.back());
      EXPECT_TRUE(WaitForNoWindow(kMainTitle, 10000));
    }

    if (c.scale == 150) {
      // hollow's word pictures follow the primary monitor's scale: the
      // English question's 249 x 27 pixels at 100 %, times the scale.
      started_.push_back(Start(folder_ + "hollow.exe", "-run language=en"));
      HWND words = WaitForWindow("SM Vododi Reminders 1", 20000);
      ASSERT_NE(words, nullptr);
      // The window is listed while its creation still runs, at its creation
      // size: measure it once hollow answers, after it has sized itself.
      WaitIdle(words);
      RECT r = {};
      GetWindowRect(words, &r);
      EXPECT_EQ(r.right - r.left, (249 * c.scale + 50) / 100);
      EXPECT_EQ(r.bottom - r.top, (27 * c.scale + 50) / 100);
      Kill(started_.back());
    }
  }
}

}  // namespace

// make screenshots only: every window in German and in Japanese at 150 %,
// the row of the README that shows the program in other languages.
TEST_F(DisplayScale, ReadmeRowInGermanAndJapanese) {
  if (!std::getenv("SMX_UPDATE_SCREENSHOTS")) GTEST_SKIP() << "only for make screenshots";
  Install();
  SetLogPixels(144);
  for (const char* language : {"de", "ja"}) {
    SCOPED_TRACE(language);
    const std::string name = std::string("lang-") + language + "-";
    WriteConfig(std::string("time=30\r\nhollow=off\r\nstartup=0\r\nlanguage=") + language + "\r\n");
    RunUnix("/usr/bin/xdotool mousemove 5 5");
    ASSERT_NE(Launch("-run"), nullptr);
    SleepMs(500);
    KeepForReadme(CaptureScreen(main_, name + "main"), (name + "main.png").c_str());
    Command(IDC_ABOUT);
    HWND about = WaitForWindow(kAboutTitle, 20000);
    ASSERT_NE(about, nullptr);
    WaitIdle(about);
    SleepMs(1000);  // faded in
    KeepForReadme(CaptureScreen(about, name + "about"), (name + "about.png").c_str());
    PostMessageA(about, WM_CLOSE, 0, 0);
    WaitForNoWindow(kAboutTitle, 5000);
    Command(IDC_TEST_REALITY);
    ASSERT_TRUE(PopupShows(10000));
    KeepForReadme(CaptureScreen(WaitForWindow(kPopupTitle, 5000), name + "check"), (name + "check.png").c_str());
    DismissPopup();
    ChooseMenuItem(kMenuPractice);
    HWND practice = WaitForWindow(kPracticeTitle, 20000);
    ASSERT_NE(practice, nullptr);
    WaitIdle(practice);
    SleepMs(300);
    KeepForReadme(CaptureScreen(practice, name + "practice"), (name + "practice.png").c_str());
    PostMessageA(practice, WM_COMMAND, MAKEWPARAM(IDC_PRACTICE_CLOSE, BN_CLICKED), 0);
    WaitForNoWindow(kPracticeTitle, 10000);
    ChooseMenuItem(kMenuJournal);
    HWND journal = WaitForWindow(kJournalTitle, 20000);
    ASSERT_NE(journal, nullptr);
    WaitIdle(journal);
    SleepMs(300);
    KeepForReadme(CaptureScreen(journal, name + "journal"), (name + "journal.png").c_str());
    PostMessageA(journal, WM_CLOSE, 0, 0);
    WaitForNoWindow(kJournalTitle, 10000);
    Kill(started_.back());
    EXPECT_TRUE(WaitForNoWindow(kMainTitle, 10000));
  }
}
