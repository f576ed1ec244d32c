// The language of the words, with the real program: taken from config.txt
// at the start, chosen from Options > Language without a restart, and
// "Windows Default" leaving no line in the file. The tests' pseudo-language
// (every text longer, in brackets, with accents) shows that a text comes
// from the catalogue in use.
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

  // German from the menu: written by its code, in use at once (its
  // catalogue has no words yet beyond its name, so the box is English),
  // and hollow started again to show it.
  ChooseSubmenuItem(kMenuOptions, kOptionLanguage, kLanguageGerman);
  const std::string german = std::string(kCore) + "language=de\r\n";
  EXPECT_EQ(WaitConfig(german), german);
  EXPECT_EQ(LanguageMark(), 3);
  box = AskRestart();
  ASSERT_NE(box.window, nullptr);
  EXPECT_EQ(box.title, L"Confirm");
  EXPECT_EQ(box.text.rfind(L"You will need to restart", 0), 0u);
  EXPECT_NE(WaitHollowOtherThan(firstHollow, 15000), 0u) << "hollow runs again, in the new language";

  // Windows Default removes the line: the file is as a first run wrote it.
  ChooseSubmenuItem(kMenuOptions, kOptionLanguage, kLanguageWindowsDefault);
  EXPECT_EQ(WaitConfig(kCore), kCore);
  EXPECT_EQ(LanguageMark(), 1);
  EXPECT_EQ(CountProcesses("hollow.exe"), 1);
}

}  // namespace
