// The dream journal with the real program: a dream typed with real keys is
// on the disk within two seconds, survives a killed program, gives the
// morning's answer, and is found again by a word and by its sign; and in a
// language of longer words every control still holds its words.
#include <cstdio>
#include <string>
#include <vector>

#include "settings/wide_text.h"
#include "journal/dream_window.h"
#include "journal/journal_layout.h"
#include "journal/practice_record.h"
#include "settings/language.h"
#include "tests/app/program_fixture.h"
#include "tests/support/screen_reader.h"

using namespace harness;
using namespace program;

namespace {

constexpr char kCore[] = "time=30\r\nhollow=off\r\nstartup=0\r\n";

void Keys(const std::string& xdotoolArguments) { RunUnix("/usr/bin/xdotool " + xdotoolArguments); }

class Journal : public ProgramTest {
 protected:
  HWND OpenJournal() {
    ChooseMenuItem(kMenuJournal);
    HWND journal = WaitForWindow(kJournalTitle, 15000);
    if (!journal) return nullptr;
    WaitIdle(journal);
    // A real click on the window's status line gives it the X keyboard
    // focus, whatever had it before.
    RECT r = {};
    GetWindowRect(GetDlgItem(journal, IDC_JOURNAL_STATUS), &r);
    char command[160];
    std::snprintf(command, sizeof command, "/usr/bin/xdotool mousemove %ld %ld click 1", r.right - 10, (r.top + r.bottom) / 2);
    RunUnix(command);
    SleepMs(300);
    return journal;
  }
  static int Rows(HWND journal) {
    return static_cast<int>(SendMessageW(GetDlgItem(journal, IDC_JOURNAL_LIST), LB_GETCOUNT, 0, 0));
  }
  static std::wstring Row(HWND journal, int row) {
    wchar_t text[512] = {};
    SendMessageW(GetDlgItem(journal, IDC_JOURNAL_LIST), LB_GETTEXT, static_cast<WPARAM>(row),
                 reinterpret_cast<LPARAM>(text));
    return text;
  }
  // Types a search with real keys and gives the rows it leaves.
  static int Search(HWND journal, const char* words) {
    Keys("key ctrl+f");
    SleepMs(200);
    Keys(std::string("type --delay 40 '") + words + "'");
    SleepMs(500);
    return Rows(journal);
  }
};

TEST_F(Journal, ADreamTypedIsSavedWithinTwoSecondsSurvivesAKillAndIsFoundAgain) {
  Install();
  WriteConfig(kCore);
  // An older morning with the user's own notes, which nothing may change.
  const std::string older = "# My notes\r\nslept badly\r\n\r\n## Dream\r\nDream signs: my old school\r\nA corridor without end.\r\n";
  const std::string olderPath = folder_ + "Dreams\\" + LocalDate(-3) + ".md";
  CreateDirectoryA((folder_ + "Dreams").c_str(), nullptr);
  ASSERT_TRUE(WriteFile(olderPath, older));
  ASSERT_NE(Launch(), nullptr);

  HWND journal = OpenJournal();
  ASSERT_NE(journal, nullptr);
  EXPECT_EQ(Rows(journal), 1);
  // A screen reader finds the fields without a label before them by name.
  const struct {
    int id;
    const char* name;
  } fields[] = {{IDC_JOURNAL_SEARCH, "Search your dreams and signs"}, {IDC_JOURNAL_LIST, "Mornings"},
                {IDC_JOURNAL_KIND, "Kind of dream"}, {IDC_JOURNAL_TEXT, "The dream"}, {IDC_JOURNAL_CLOSE, "Close"}};
  for (const auto& f : fields) EXPECT_EQ(reader::Read(GetDlgItem(journal, f.id)).name, f.name);
  // Ctrl+N, then the text, the signs and the kind, all with real keys. The
  // Cyrillic word is typed as the key presses of its keysyms, which xdotool
  // maps onto spare keys of the X keyboard; the command stays ASCII, since
  // the way to the Unix side passes through the test's code page.
  Keys("key ctrl+n");
  SleepMs(300);
  Keys("type --delay 40 'I was flying over Paris. '");
  Keys("key --delay 80 Cyrillic_es Cyrillic_o Cyrillic_en");
  Keys("key shift+Tab");
  Keys("type --delay 40 'flying, Paris'");
  Keys("key shift+Tab Up");
  const DWORD typed = GetTickCount();
  const std::string path = folder_ + "Dreams\\" + LocalDate(0) + ".md";
  const std::string want = "## Lucid dream\r\nDream signs: flying, Paris\r\nI was flying over Paris. \xD1\x81\xD0\xBE\xD0\xBD\r\n";
  std::string bytes = ReadFile(path);
  while (bytes.find(want) == std::string::npos && GetTickCount() - typed < 5000) {
    SleepMs(50);
    bytes = ReadFile(path);
  }
  EXPECT_NE(bytes.find(want), std::string::npos) << bytes;
  EXPECT_LT(GetTickCount() - typed, 2500u);
  CaptureForReadme(journal, "dream-journal.png");

  // Killed at once: nothing is lost, and the morning has its answer.
  Kill(started_.back());
  ASSERT_TRUE(WaitForNoWindow(kMainTitle, 10000));
  EXPECT_EQ(ReadFile(path), bytes);
  EXPECT_EQ(ReadFile(olderPath), older);
  std::string record = ReadFile(folder_ + "practice.csv");
  EXPECT_NE(record.find(LocalDate(0) + " "), std::string::npos) << record;
  EXPECT_NE(record.find(",lucid\r\n"), std::string::npos) << record;

  // A new start lists it first; the search finds it by a word and by its
  // sign, and the other morning by its own sign.
  ASSERT_NE(Launch(), nullptr);
  journal = OpenJournal();
  ASSERT_NE(journal, nullptr);
  ASSERT_EQ(Rows(journal), 2);
  const std::wstring first = Row(journal, 0);
  EXPECT_NE(first.find(L"I was flying over Paris. \u0441\u043e\u043d"), std::wstring::npos);
  EXPECT_NE(first.find(L"\u2605"), std::wstring::npos);  // the lucid mark
  EXPECT_EQ(Search(journal, "paris"), 1);
  EXPECT_EQ(Row(journal, 0), first);
  EXPECT_EQ(Search(journal, "FLYING"), 1);
  EXPECT_EQ(Search(journal, "school"), 1);
  EXPECT_NE(Row(journal, 0).find(L"A corridor"), std::wstring::npos);
  EXPECT_EQ(Search(journal, "nowhere"), 0);
  // Opening and searching wrote nothing.
  EXPECT_EQ(ReadFile(path), bytes);
  EXPECT_EQ(ReadFile(olderPath), older);
  EXPECT_EQ(ReadFile(folder_ + "practice.csv"), record);

  // Changed by another program while open: that version stays as it is,
  // and what is typed now goes beside it as "(2)", which the window says.
  const std::string theirs = bytes + "\r\nAdded on the phone.\r\n";
  ASSERT_TRUE(WriteFile(path, theirs));
  Keys("key Tab Tab Tab Tab");  // from the search to the text
  Keys("type --delay 40 ' Then I woke.'");
  const std::string copy = folder_ + "Dreams\\" + LocalDate(0) + " (2).md";
  const DWORD start = GetTickCount();
  while (ReadFile(copy).find("Then I woke.") == std::string::npos && GetTickCount() - start < 5000) SleepMs(50);
  EXPECT_NE(ReadFile(copy).find("Paris. \xD1\x81\xD0\xBE\xD0\xBD Then I woke.\r\n"), std::string::npos) << ReadFile(copy);
  EXPECT_EQ(ReadFile(path), theirs);
  wchar_t status[512] = {};
  GetWindowTextW(GetDlgItem(journal, IDC_JOURNAL_STATUS), status, 512);
  EXPECT_NE(std::wstring(status).find(L" (2).md"), std::wstring::npos);

  // Delete asks first; No keeps the dream, Yes sends the file it leaves
  // without dreams to the Recycle Bin.
  PostMessageA(journal, WM_COMMAND, MAKEWPARAM(IDC_JOURNAL_DELETE, BN_CLICKED), 0);
  HWND ask = WaitForMessageBox("Delete Dream", 5000);
  ASSERT_NE(ask, nullptr);
  PressButton(ask, IDNO);
  SleepMs(500);
  EXPECT_NE(ReadFile(copy).find("Then I woke."), std::string::npos);
  PostMessageA(journal, WM_COMMAND, MAKEWPARAM(IDC_JOURNAL_DELETE, BN_CLICKED), 0);
  ask = WaitForMessageBox("Delete Dream", 5000);
  ASSERT_NE(ask, nullptr);
  PressButton(ask, IDYES);
  const DWORD asked = GetTickCount();
  while (GetFileAttributesA(copy.c_str()) != INVALID_FILE_ATTRIBUTES && GetTickCount() - asked < 5000) SleepMs(50);
  EXPECT_EQ(GetFileAttributesA(copy.c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(ReadFile(path), theirs);
  WaitIdle(journal);
  GetWindowTextW(GetDlgItem(journal, IDC_JOURNAL_STATUS), status, 512);
  EXPECT_NE(std::wstring(status).find(L"Recycle Bin"), std::wstring::npos);

  // Escape closes it, where it was is kept.
  Keys("key Escape");
  EXPECT_TRUE(WaitForNoWindow(kJournalTitle, 5000));
  EXPECT_NE(Config().find("journal="), std::string::npos);
}

// The width and height of a control's words in the journal's font: the
// dialog font at 9 points at the screen's scale (a font handle of another
// process cannot be read).
SIZE Extent(HWND control, const std::wstring& text) {
  HDC dc = GetDC(control);
  const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
  HFONT font = CreateFontW(-MulDiv(9, 96, 72) * dpi / 96, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                           OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"MS Shell Dlg");
  HGDIOBJ old = SelectObject(dc, font);
  SIZE size = {};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(dc, old);
  ReleaseDC(control, dc);
  DeleteObject(font);
  return size;
}

std::wstring Text(HWND control) {
  wchar_t text[512] = {};
  GetWindowTextW(control, text, 512);
  return text;
}

// Every label, button and drop-down box of the journal holds its words
// (a box every one of its entries) within its client area, edges and drop
// arrow aside, and no two controls overlap.
void ExpectEveryControlHoldsItsWords(HWND journal, const char* when) {
  const int arrow = GetSystemMetrics(SM_CXVSCROLL);
  const struct {
    int id;
    int besides;  // what the control itself takes of its width
  } kWords[] = {{IDC_JOURNAL_NEW, 6},     {IDC_JOURNAL_DELETE, 6}, {IDC_JOURNAL_SIGNS_LABEL, 0},
                {IDC_JOURNAL_SIGNS_TITLE, 0}, {IDC_JOURNAL_STATUS, 0}, {IDC_JOURNAL_KIND, arrow + 6},
                {IDC_JOURNAL_DREAMS, arrow + 6}};
  for (const auto& w : kWords) {
    HWND control = GetDlgItem(journal, w.id);
    RECT client = {};
    GetClientRect(control, &client);
    std::vector<std::wstring> texts;
    if (w.id == IDC_JOURNAL_KIND || w.id == IDC_JOURNAL_DREAMS) {
      const LRESULT count = SendMessageW(control, CB_GETCOUNT, 0, 0);
      for (LRESULT i = 0; i < count; ++i) {
        wchar_t entry[256] = {};
        SendMessageW(control, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(entry));
        texts.push_back(entry);
      }
      EXPECT_GT(count, 0) << when << " " << w.id;
    } else {
      texts.push_back(Text(control));
    }
    for (const std::wstring& text : texts) {
      const SIZE size = Extent(control, text);
      EXPECT_LE(size.cx + w.besides, client.right) << when << " " << w.id << " " << Utf8(text);
      EXPECT_LE(size.cy, client.bottom) << when << " " << w.id << " " << Utf8(text);
    }
  }
  std::vector<RECT> places;
  for (HWND child = GetWindow(journal, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsWindowVisible(child)) continue;
    RECT r = {};
    GetWindowRect(child, &r);
    for (const RECT& other : places) {
      RECT both = {};
      EXPECT_FALSE(IntersectRect(&both, &r, &other)) << when << " " << GetDlgCtrlID(child);
    }
    places.push_back(r);
  }
}

TEST_F(Journal, InALanguageOfLongerWordsEveryControlHoldsItsWordsAndAChangeIsAnswered) {
  Install(false);
  // The tests' pseudo-language: every text some 40 % longer, with accents.
  WriteConfig(std::string(kCore) + "language=qps\r\n");
  CreateDirectoryA((folder_ + "Dreams").c_str(), nullptr);
  ASSERT_TRUE(WriteFile(folder_ + "Dreams\\" + LocalDate(0) + ".md",
                        "## Lucid dream\r\nDream signs: the sea\r\nOver the sea.\r\n\r\n## Fragment\r\nA door.\r\n"));
  ASSERT_NE(Launch(), nullptr);
  HWND journal = OpenJournal();
  ASSERT_NE(journal, nullptr);
  const std::wstring button = Text(GetDlgItem(journal, IDC_JOURNAL_NEW));
  EXPECT_EQ(button.substr(0, 2), L"[\u00D1") << Utf8(button);  // "[Ñéŵ...]": the pseudo-language's New
  // A screen reader reads the names in the language in use, whole: the
  // main window's SET and the journal's list of mornings.
  EXPECT_EQ(reader::Read(Control(IDC_SET)).name, "[Šét·ŵ]");
  EXPECT_EQ(reader::Read(GetDlgItem(journal, IDC_JOURNAL_LIST)).name, "[Möŕñîñgs·ŵ]");
  EXPECT_EQ(SendMessageW(GetDlgItem(journal, IDC_JOURNAL_DREAMS), CB_GETCOUNT, 0, 0), 2);
  ExpectEveryControlHoldsItsWords(journal, "opened");
  CaptureForReadme(journal, "qps-open.png");

  // At the smallest size the window lets itself be made, too.
  MINMAXINFO least = {};
  SendMessageW(journal, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&least));
  EXPECT_GE(least.ptMinTrackSize.x, kJournalMinWidth);
  SetWindowPos(journal, nullptr, 0, 0, least.ptMinTrackSize.x, least.ptMinTrackSize.y,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  WaitIdle(journal);
  ExpectEveryControlHoldsItsWords(journal, "smallest");
  CaptureForReadme(journal, "qps-small.png");

  // The language's change is answered: the words set again, still fitting.
  EXPECT_EQ(SendMessageW(journal, kLanguageChangedMessage, 0, 0), TRUE);
  EXPECT_EQ(Text(GetDlgItem(journal, IDC_JOURNAL_NEW)), button);
  ExpectEveryControlHoldsItsWords(journal, "changed");
  PostMessageW(journal, WM_CLOSE, 0, 0);
  EXPECT_TRUE(WaitForNoWindow(kJournalTitle, 5000));
}

}  // namespace
