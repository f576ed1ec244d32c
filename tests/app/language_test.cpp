// The language of the words, with the real program: taken from config.txt
// at the start, chosen from Options > Language without a restart, and
// "Windows Default" leaving no line in the file. The tests' pseudo-language
// (every text longer, in brackets, with accents) shows that a text comes
// from the catalogue in use.
#include <cstring>
#include <string>
#include <vector>

#include "tests/app/program_fixture.h"

using namespace harness;
using namespace program;

namespace {

constexpr char kCore[] = "time=30\r\nhollow=on\r\nstartup=0\r\n";

struct Box {
  HWND window = nullptr;
  std::wstring title;
  std::wstring text;
};

std::wstring TextOf(HWND window) {
  wchar_t text[1024] = {};
  if (window) GetWindowTextW(window, text, 1024);
  return text;
}

// The message box of the process, whatever its title: a dialog with the
// box's text control.
Box WaitForBoxOf(DWORD processId, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  do {
    for (HWND w : WindowsOfProcess(processId)) {
      char cls[16] = {};
      GetClassNameA(w, cls, sizeof cls);
      if (std::string(cls) == "#32770" && IsWindowVisible(w) && GetDlgItem(w, 0xFFFF)) {
        return {w, TextOf(w), TextOf(GetDlgItem(w, 0xFFFF))};
      }
    }
    SleepMs(50);
  } while (GetTickCount() - start < timeoutMs);
  return {};
}

std::vector<DWORD> HollowIds() {
  std::vector<DWORD> ids;
  for (HWND w : TopWindows("SM Vododi Reminders 1")) {
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    ids.push_back(pid);
  }
  return ids;
}

// hollow's one process, once it runs with its window and is not `old`.
DWORD WaitHollowOtherThan(DWORD old, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  do {
    const std::vector<DWORD> ids = HollowIds();
    if (ids.size() == 1 && ids[0] != old && CountProcesses("hollow.exe") == 1) return ids[0];
    SleepMs(100);
  } while (GetTickCount() - start < timeoutMs);
  return 0;
}

// The pixels of a window's rectangle on the screen, as the user sees them
// (a layered window's own picture cannot be read from outside).
std::vector<std::uint32_t> ScreenPixels(HWND window) {
  RECT r = {};
  GetWindowRect(window, &r);
  const int w = r.right - r.left, h = r.bottom - r.top;
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(w > 0 && h > 0 ? w * h : 0));
  if (pixels.empty()) return pixels;
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  BITMAPINFO info = {};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(dc, bitmap);
  BitBlt(dc, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
  GdiFlush();
  std::memcpy(pixels.data(), bits, pixels.size() * 4);
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  return pixels;
}

int Differing(const std::vector<std::uint32_t>& a, const std::vector<std::uint32_t>& b) {
  if (a.size() != b.size()) return static_cast<int>(a.size() + b.size());
  int n = 0;
  for (std::size_t i = 0; i < a.size(); ++i) n += a[i] != b[i];
  return n;
}

int WidthOf(HWND window) {
  RECT r = {};
  GetWindowRect(window, &r);
  return r.right - r.left;
}

class Language : public ProgramTest {
 protected:
  // Set with the interval it has (30 minutes: nothing changes) and the
  // restart question it asks, answered No.
  Box AskRestart() {
    SendMessageA(Control(IDC_INTERVAL), CB_SETCURSEL, 1, 0);
    Command(IDC_SET);
    Box box = WaitForBoxOf(started_.back().id, 20000);
    if (!box.window) return box;
    PressButton(box.window, IDNO);
    const DWORD start = GetTickCount();
    while (IsWindow(box.window) && IsWindowVisible(box.window) && GetTickCount() - start < 5000) SleepMs(50);
    WaitIdle(main_);
    return box;
  }
  // The checked item of the Language submenu: 1 "Windows Default", 2
  // English, 3 the first catalogue; 0 none.
  LRESULT LanguageMark() { return (Query(kQueryOptionMenus) >> 8) & 0xFF; }
  // A language from the menu: its code in config.txt, the restart box in
  // its words, and every word drawn so far in its room.
  // From the tray menu, or (while a reality check is up) as the menu's
  // command itself.
  void Choose(int item, const char* code, const wchar_t* title, const wchar_t* textStart, bool fromMenu) {
    SCOPED_TRACE(code);
    if (fromMenu) {
      ChooseSubmenuItem(kMenuOptions, kOptionLanguage, item);
    } else {
      SendMessageA(main_, WM_COMMAND, IDM_LANGUAGE_FIRST + (item - kLanguageEnglish), 0);
    }
    const std::string expected = std::string(kCore) + "language=" + code + "\r\n";
    EXPECT_EQ(WaitConfig(expected), expected);
    EXPECT_EQ(LanguageMark(), item + 1);
    const Box box = AskRestart();
    ASSERT_NE(box.window, nullptr);
    EXPECT_EQ(box.title, title);
    EXPECT_EQ(box.text.rfind(textStart, 0), 0u);
    EXPECT_EQ(Query(kQueryDrawnTexts, 0), 0) << "a word outside its room or over another";
  }
};

TEST_F(Language, ChosenFromTheMenuAtOnceEverywhereAndWindowsDefaultLeavesNoLine) {
  Install();
  WriteConfig(std::string(kCore) + "language=qps\r\n");
  ASSERT_NE(Launch(), nullptr);
  const DWORD firstHollow = WaitHollowOtherThan(0, 15000);
  ASSERT_NE(firstHollow, 0u);

  // The pseudo-language from the start: the box's title and text come from
  // its catalogue; the menu offers no item for it.
  Box box = AskRestart();
  ASSERT_NE(box.window, nullptr);
  EXPECT_EQ(box.title, L"[Çöñfîŕm·ŵ]");
  EXPECT_EQ(box.text.rfind(L"[Ýöü wîll ñééd tö ŕéstáŕt", 0), 0u);
  EXPECT_NE(box.text.find(L"]\r\n[Dö ýöü wáñt"), std::wstring::npos);
  EXPECT_EQ(LanguageMark(), 0);

  // The pseudo-language's questions are longer than English ones: hollow's
  // picture is wider than the English 249 pixels.
  const std::vector<HWND> pseudoWords = TopWindows("SM Vododi Reminders 1");
  ASSERT_EQ(pseudoWords.size(), 1u);
  EXPECT_GT(WidthOf(pseudoWords[0]), 249);

  // German from the menu: written by its code, in use at once in the box
  // and the pictures, and hollow started again in it (its questions as
  // long as the English ones: the design's width).
  Choose(kLanguageGerman, "de", L"Bestätigen", L"Die Änderung wird erst nach einem Neustart", true);
  const DWORD germanHollow = WaitHollowOtherThan(firstHollow, 15000);
  EXPECT_NE(germanHollow, 0u) << "hollow runs again, in the new language";
  const std::vector<HWND> germanWords = TopWindows("SM Vododi Reminders 1");
  ASSERT_EQ(germanWords.size(), 1u);
  EXPECT_EQ(WidthOf(germanWords[0]), 249);

  // A reality check on the screen while the language changes: Russian and
  // Japanese (in a face that has its letters) redraw it at once.
  Command(IDC_TEST_REALITY);
  ASSERT_TRUE(PopupShows(15000));
  HWND popup = FindWindowA(nullptr, kPopupTitle);
  const std::vector<std::uint32_t> germanPopup = ScreenPixels(popup);
  Choose(kLanguageRussian, "ru", L"Подтверждение", L"Чтобы изменение вступило в силу", true);
  const std::vector<std::uint32_t> russianPopup = ScreenPixels(popup);
  EXPECT_GT(Differing(germanPopup, russianPopup), 500) << "the popup shows its words in Russian at once";
  Choose(kLanguageJapanese, "ja", L"確認", L"変更を反映するには", true);
  EXPECT_GT(Differing(russianPopup, ScreenPixels(popup)), 500);
  EXPECT_NE(WaitHollowOtherThan(germanHollow, 15000), 0u);
  DismissPopup();

  // Windows Default removes the line: the file is as a first run wrote it.
  ChooseSubmenuItem(kMenuOptions, kOptionLanguage, kLanguageWindowsDefault);
  EXPECT_EQ(WaitConfig(kCore), kCore);
  EXPECT_EQ(LanguageMark(), 1);
  EXPECT_EQ(CountProcesses("hollow.exe"), 1);
}

}  // namespace
