#include "journal/dream_window.h"

#include <commctrl.h>
#include <richedit.h>
#include <windowsx.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/app_globals.h"
#include "settings/wide_text.h"
#include "journal/dream_folder.h"
#include "journal/dream_window_names.h"
#include "journal/journal_layout.h"
#include "journal/journal_practice.h"
#include "journal/journal_words.h"
#include "journal/practice_colours.h"
#include "journal/practice_journal.h"
#include "png/png_loader.h"
#include "reminders/reminder_facts.h"
#include "resources/resource_ids.h"
#include "settings/config_file_ops.h"
#include "settings/language.h"
#include "settings/settings_file.h"
#include "settings/translation.h"
#include "skin/display_dpi.h"
#include "skin/layered_window.h"
#include "skin/picture_text.h"
#include "skin/plain_look.h"
#include "skin/system_look.h"

namespace {

// The journal's settings key: "x,y,width,height" of the window as it was
// closed; absent until it was first closed.
constexpr const char kPlaceKey[] = "journal";
constexpr UINT_PTR kSaveTimerId = 1;
// Typing is saved this long after the last key (the promise is 2 s).
constexpr UINT kSaveDelayMs = 1500;
constexpr int kResizeBorder = 6;  // at 96 DPI
// The files are read a part at a time after the window shows, newest
// first, so that it opens at once over years of dreams.
constexpr UINT kLoadMessage = WM_APP + 1;
constexpr std::size_t kLoadChunk = 250;

// The kind box's entries, in this order.
constexpr DreamKind kKinds[] = {DreamKind::Lucid, DreamKind::Dream, DreamKind::Fragment};
// Letters a face must have to be the controls' face for a language that
// names faces of its own (Japanese).
constexpr wchar_t kFaceSample[] = L"\u65E5\u672C\u8A9E\u3042\u30A2";

struct Journal {
  HWND window = nullptr;
  int dpi = kBaseDpi;
  HFONT font = nullptr;
  HFONT titleFont = nullptr;
  HFONT textFont = nullptr;
  JournalWords words;  // the room the controls' words take in `font`
  HBRUSH backgroundBrush = nullptr;
  HBRUSH fieldBrush = nullptr;
  HBITMAP moon = nullptr;
  int moonSize[2] = {0, 0};
  HHOOK keys = nullptr;

  std::string folder;
  std::vector<JournalMorning> mornings;  // every file of the folder, newest first
  std::vector<std::size_t> shown;        // the rows of the list: places in `mornings`
  std::vector<SignCount> topSigns;
  std::vector<std::string> toRead;  // the files not yet read, newest first
  std::size_t read = 0;              // how many of them are read

  // The open morning.
  bool open = false;
  std::string fileName;
  CivilTime date;
  DreamFile file;
  bool onDisk = false;      // the file exists; knownBytes is what it held when read or last written
  std::string knownBytes;
  bool unreadable = false;  // listed, shown as such, never rewritten
  int dream = 0;            // the dream in the editor
  bool filling = false;     // the fields are being filled: their changes are no typing
  bool typed = false;       // something changed since the last save
  bool dreamRemoved = false;  // a dream was deleted: the file is written without it
  bool answerKnown = false;   // the record holds (or got) this morning's answer
};

Journal g_journal;
bool g_running = false;
bool g_pendingNew = false;
DreamKind g_pendingKind = DreamKind::Dream;

HWND Item(int id) { return GetDlgItem(g_journal.window, id); }

std::wstring WindowText(HWND control) {
  const int length = GetWindowTextLengthW(control);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  GetWindowTextW(control, &text[0], length + 1);
  text.resize(wcslen(text.c_str()));
  return text;
}

// The editor's text with "\n" line ends (RichEdit ends its lines with CR).
std::string EditorText() {
  std::wstring wide = WindowText(Item(IDC_JOURNAL_TEXT));
  std::string text = Utf8(wide);
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r') {
      out += '\n';
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

void SetEditorText(const std::string& text) {
  std::string crlf;
  for (char c : text) {
    if (c == '\n') crlf += '\r';
    crlf += c;
  }
  SetWindowTextW(Item(IDC_JOURNAL_TEXT), Widen(crlf).c_str());
}

void SetStatus(const std::string& text) { SetWindowTextW(Item(IDC_JOURNAL_STATUS), Widen(text).c_str()); }

void SetItemText(int id, const char* text) { SetWindowTextW(Item(id), Widen(text).c_str()); }

std::string JoinSigns(const std::vector<std::string>& signs) {
  std::string text;
  for (const std::string& sign : signs) text += (text.empty() ? "" : ", ") + sign;
  return text;
}

CivilTime Today() {
  const LocalMinute now = LocalNow();
  CivilTime t = ToCivil(now);
  t.hour = t.minute = 0;
  return t;
}

std::wstring RowText(const JournalMorning& m) {
  char date[32];
  wsprintfA(date, "%04d-%02d-%02d", m.date.year, m.date.month, m.date.day);
  std::wstring row = Widen(date);
  if (m.copy > 0) row += L" (" + std::to_wstring(m.copy) + L")";
  if (m.unreadable) return row + L"   " + Widen(JournalUnreadableNote());
  row += m.lucid ? L"  \u2605  " : L"       ";
  return row + Widen(m.firstWords);
}

// ---------------------------------------------------------------- the list

int FindMorning(const std::string& fileName) {
  for (std::size_t i = 0; i < g_journal.mornings.size(); ++i) {
    if (g_journal.mornings[i].fileName == fileName) return static_cast<int>(i);
  }
  return -1;
}

void FillTopSigns() {
  g_journal.topSigns = CountJournalSigns(g_journal.mornings, DayOf(LocalNow()));
  HWND list = Item(IDC_JOURNAL_TOP_SIGNS);
  SendMessageW(list, LB_RESETCONTENT, 0, 0);
  for (const SignCount& s : g_journal.topSigns) {
    const std::wstring row = Widen(s.sign) + L"   (" + std::to_wstring(s.count) + L")";
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row.c_str()));
  }
}

// The rows that match the search, the open morning's row selected.
void FillList() {
  HWND list = Item(IDC_JOURNAL_LIST);
  g_journal.shown = FilterMornings(g_journal.mornings, Utf8(WindowText(Item(IDC_JOURNAL_SEARCH))));
  const LRESULT top = SendMessageW(list, LB_GETTOPINDEX, 0, 0);
  SendMessageW(list, WM_SETREDRAW, FALSE, 0);
  SendMessageW(list, LB_RESETCONTENT, 0, 0);
  int selected = -1;
  for (std::size_t row = 0; row < g_journal.shown.size(); ++row) {
    const JournalMorning& m = g_journal.mornings[g_journal.shown[row]];
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(RowText(m).c_str()));
    if (g_journal.open && m.fileName == g_journal.fileName) selected = static_cast<int>(row);
  }
  SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(selected), 0);
  if (top > 0) SendMessageW(list, LB_SETTOPINDEX, static_cast<WPARAM>(top), 0);
  SendMessageW(list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list, nullptr, TRUE);
}

// The list's record of one file after it was written (or removed).
void UpdateMorning(const std::string& fileName, const std::string* bytes) {
  const int at = FindMorning(fileName);
  if (at >= 0) g_journal.mornings.erase(g_journal.mornings.begin() + at);
  if (bytes) {
    JournalMorning m;
    if (ScanMorning(fileName, bytes->data(), bytes->size(), &m)) {
      // Newest first, a morning's own file before its copies.
      std::size_t i = 0;
      while (i < g_journal.mornings.size() &&
             (g_journal.mornings[i].day > m.day ||
              (g_journal.mornings[i].day == m.day && g_journal.mornings[i].copy < m.copy))) {
        ++i;
      }
      g_journal.mornings.insert(g_journal.mornings.begin() + static_cast<std::ptrdiff_t>(i), std::move(m));
    }
  }
  FillList();
  FillTopSigns();
}

// The next part of the files, read into the list; the rest is asked for
// with a message of its own, so that the window answers in between.
void ReadSome() {
  const std::size_t end = std::min(g_journal.read + kLoadChunk, g_journal.toRead.size());
  for (; g_journal.read < end; ++g_journal.read) {
    const std::string& name = g_journal.toRead[g_journal.read];
    const int at = FindMorning(name);
    if (at < 0) continue;  // deleted meanwhile
    std::string bytes;
    if (!ReadDreamBytes(g_journal.folder + name, &bytes)) bytes.assign(kMaxDreamFileBytes + 1, '\0');
    JournalMorning m;
    if (ScanMorning(name, bytes.data(), bytes.size(), &m)) g_journal.mornings[static_cast<std::size_t>(at)] = std::move(m);
  }
  if (g_journal.read < g_journal.toRead.size()) {
    PostMessageW(g_journal.window, kLoadMessage, 0, 0);
  } else {
    g_journal.toRead.clear();
    g_journal.read = 0;
    FillTopSigns();
  }
  FillList();
}

// ---------------------------------------------------------------- the fields

void EnableEditing(bool on) {
  for (int id : {IDC_JOURNAL_DREAMS, IDC_JOURNAL_KIND, IDC_JOURNAL_SIGNS, IDC_JOURNAL_TEXT, IDC_JOURNAL_DELETE}) {
    EnableWindow(Item(id), on ? TRUE : FALSE);
  }
  SendMessageW(Item(IDC_JOURNAL_TEXT), EM_SETREADONLY, on ? FALSE : TRUE, 0);
}

bool AnyDream() { return g_journal.open && !g_journal.unreadable && !g_journal.file.dreams.empty(); }

// The dreams' box: an entry per dream of the open morning by its number
// and kind, the one in the editor chosen.
void FillDreamsBox() {
  HWND dreams = Item(IDC_JOURNAL_DREAMS);
  SendMessageW(dreams, CB_RESETCONTENT, 0, 0);
  if (!AnyDream()) return;
  for (std::size_t i = 0; i < g_journal.file.dreams.size(); ++i) {
    const std::wstring row = Widen(JournalDreamEntry(static_cast<int>(i), g_journal.file.dreams[i].kind));
    SendMessageW(dreams, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row.c_str()));
  }
  SendMessageW(dreams, CB_SETCURSEL, static_cast<WPARAM>(g_journal.dream), 0);
}

void ShowDream() {
  g_journal.filling = true;
  HWND dreams = Item(IDC_JOURNAL_DREAMS);
  FillDreamsBox();
  const bool any = AnyDream();
  if (any) {
    const Dream& d = g_journal.file.dreams[static_cast<std::size_t>(g_journal.dream)];
    SendMessageW(Item(IDC_JOURNAL_KIND), CB_SETCURSEL, static_cast<WPARAM>(d.kind), 0);
    SetWindowTextW(Item(IDC_JOURNAL_SIGNS), Widen(JoinSigns(d.signs)).c_str());
    SetEditorText(d.text);
  } else {
    SendMessageW(Item(IDC_JOURNAL_KIND), CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    SetWindowTextW(Item(IDC_JOURNAL_SIGNS), L"");
    SetEditorText("");
  }
  EnableEditing(any);
  EnableWindow(dreams, any && g_journal.file.dreams.size() > 1 ? TRUE : FALSE);
  g_journal.filling = false;
  g_journal.typed = false;
}

// The editor's fields into the open dream.
void TakeFields() {
  if (!g_journal.open || g_journal.unreadable || g_journal.file.dreams.empty()) return;
  const LRESULT kind = SendMessageW(Item(IDC_JOURNAL_KIND), CB_GETCURSEL, 0, 0);
  Dream& d = g_journal.file.dreams[static_cast<std::size_t>(g_journal.dream)];
  UpdateDream(&d, kind >= 0 && kind < 3 ? kKinds[kind] : d.kind, SplitDreamSigns(Utf8(WindowText(Item(IDC_JOURNAL_SIGNS)))),
              EditorText());
}

// ---------------------------------------------------------------- saving

// A dream of the morning with no morning answer in the record gives it,
// dated on that morning, so that My Practice shows its moon.
void RecordMorningAnswer() {
  PracticeEvent answer = PracticeEvent::Dream;
  if (!MorningAnswerOfDreams(g_journal.file, &answer)) return;
  if (g_journal.answerKnown) return;
  g_journal.answerKnown = true;
  const std::int64_t day = DayOf(ToLocalMinute(g_journal.date));
  const std::string path = PracticeFilePath();
  if (RecordHasAnswerOn(ReadPracticeFile(path), day)) return;
  if (day == DayOf(LocalNow())) {
    RecordPractice(answer);
    return;
  }
  PracticeTime when;
  when.civil = g_journal.date;
  when.civil.hour = 12;
  AppendPracticeEvent(path, when, answer);
}

bool NothingWritten(const DreamFile& file) {
  for (const Dream& d : file.dreams) {
    if (!d.text.empty() || !d.signs.empty()) return false;
  }
  return true;
}

// Saves the open morning when something changed: through a temporary file
// that replaces the old one. A file that changed on the disk since it was
// read is kept as the user (or another program) left it, and ours goes
// beside it as "YYYY-MM-DD (n).md", which from then on is the one open.
void SaveNow() {
  KillTimer(g_journal.window, kSaveTimerId);
  if (!g_journal.open || g_journal.unreadable) return;
  TakeFields();
  bool changed = !g_journal.onDisk || g_journal.dreamRemoved;
  for (const Dream& d : g_journal.file.dreams) changed = changed || d.changed || d.raw.empty();
  if (!changed) return;
  if (!g_journal.onDisk && NothingWritten(g_journal.file)) return;  // an empty new dream is no file yet
  const std::string bytes = FormatDreamFile(g_journal.file);
  std::string path = g_journal.folder + g_journal.fileName;
  std::string disk;
  const bool exists = ReadDreamBytes(path, &disk);
  const bool conflict = exists && (!g_journal.onDisk || disk != g_journal.knownBytes);
  if (conflict) {
    std::string name;
    for (int n = 2; n < 1000; ++n) {
      name = ConflictFileName(g_journal.date, n);
      std::string ignored;
      if (!ReadDreamBytes(g_journal.folder + name, &ignored)) break;
    }
    const std::string mine = g_journal.fileName;
    g_journal.fileName = name;
    path = g_journal.folder + name;
    SetStatus(JournalStatusText(JournalStatus::ChangedOutside, mine, name));
    // The user's version is listed as it is now.
    UpdateMorning(mine, &disk);
  }
  if (!SaveDreamBytes(path, bytes)) {
    SetStatus(JournalStatusText(JournalStatus::NotSaved, g_journal.fileName));
    return;
  }
  if (!conflict) SetStatus(JournalStatusText(JournalStatus::Saved, g_journal.fileName));
  g_journal.onDisk = true;
  g_journal.knownBytes = bytes;
  // Read back as written, so that the next save starts from these bytes.
  DreamFile written;
  if (ParseDreamFile(bytes.data(), bytes.size(), &written) == DreamFileStatus::Ok) g_journal.file = std::move(written);
  if (g_journal.dream >= static_cast<int>(g_journal.file.dreams.size())) g_journal.dream = 0;
  g_journal.typed = false;
  g_journal.dreamRemoved = false;
  RecordMorningAnswer();
  UpdateMorning(g_journal.fileName, &bytes);
}

void SaveSoon() {
  if (g_journal.filling) return;
  g_journal.typed = true;
  SetTimer(g_journal.window, kSaveTimerId, kSaveDelayMs, nullptr);
}

// ---------------------------------------------------------------- opening

void OpenFile(const std::string& fileName, const CivilTime& date) {
  g_journal.open = true;
  g_journal.fileName = fileName;
  g_journal.date = date;
  g_journal.dream = 0;
  g_journal.file = DreamFile();
  g_journal.unreadable = false;
  g_journal.dreamRemoved = false;
  g_journal.answerKnown = false;
  g_journal.onDisk = ReadDreamBytes(g_journal.folder + fileName, &g_journal.knownBytes);
  if (!g_journal.onDisk) g_journal.knownBytes.clear();
  if (g_journal.onDisk &&
      ParseDreamFile(g_journal.knownBytes.data(), g_journal.knownBytes.size(), &g_journal.file) != DreamFileStatus::Ok) {
    g_journal.unreadable = true;
    SetStatus(JournalStatusText(JournalStatus::NotText, fileName));
  } else {
    SetStatus("");
  }
  ShowDream();
}

void OpenRow(int row) {
  if (row < 0 || row >= static_cast<int>(g_journal.shown.size())) return;
  const JournalMorning& m = g_journal.mornings[g_journal.shown[static_cast<std::size_t>(row)]];
  if (g_journal.open && m.fileName == g_journal.fileName) return;
  SaveNow();
  const std::string name = m.fileName;
  const CivilTime date = m.date;
  OpenFile(name, date);
}

// A new dream of last night, written down this morning: today's file.
void NewDream(DreamKind kind) {
  SaveNow();
  const CivilTime today = Today();
  const std::string name = DreamFileName(today);
  if (!g_journal.open || g_journal.fileName != name) OpenFile(name, today);
  if (g_journal.unreadable) return;
  Dream dream;
  dream.kind = kind;
  dream.changed = true;
  g_journal.file.dreams.push_back(dream);
  g_journal.dream = static_cast<int>(g_journal.file.dreams.size()) - 1;
  ShowDream();
  FillList();
  SetFocus(Item(IDC_JOURNAL_TEXT));
}

void DeleteDream() {
  if (!g_journal.open || g_journal.unreadable || g_journal.file.dreams.empty()) return;
  if (MessageBoxW(g_journal.window, Widen(JournalDeleteQuestion()).c_str(), Widen(JournalDeleteTitle()).c_str(),
                  MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) != IDYES) {
    return;
  }
  KillTimer(g_journal.window, kSaveTimerId);
  g_journal.file.dreams.erase(g_journal.file.dreams.begin() + g_journal.dream);
  g_journal.dream = 0;
  if (!g_journal.file.dreams.empty()) {
    g_journal.dreamRemoved = true;
    ShowDream();
    SaveNow();
    return;
  }
  // No dream left: the file goes to the Recycle Bin, never straight to nothing.
  const std::string name = g_journal.fileName;
  if (g_journal.onDisk && !RecycleDreamFile(g_journal.folder + name)) {
    SetStatus(JournalStatusText(JournalStatus::NotRecycled, name));
    OpenFile(name, g_journal.date);
    return;
  }
  g_journal.open = false;
  ShowDream();
  UpdateMorning(name, nullptr);
  SetStatus(JournalStatusText(JournalStatus::Recycled, name));
  // Delete is greyed now: the keyboard goes on in the list.
  SetFocus(Item(IDC_JOURNAL_LIST));
}

// ---------------------------------------------------------------- the window

// The dialog font, or for a language whose catalogue names faces of its
// own (which the dialog font lacks the letters of) the first of them that
// is installed, at the same size.
HFONT MakeFont(int points, int weight, int dpi) {
  if (std::string(TrC("font", "default")) != "default") {
    HFONT font = CreatePictureFont(MulDiv(points, kBaseDpi, 72) * dpi / kBaseDpi, weight, false, kFaceSample);
    if (font) return font;
  }
  return CreatePointFontAtDpi("MS Shell Dlg", points, weight, 0, dpi);
}

// How wide the controls' words are in the controls' font, for the layout.
void MeasureWords() {
  HDC dc = GetDC(g_journal.window);
  if (!dc) return;
  HGDIOBJ old = SelectObject(dc, g_journal.font);
  TEXTMETRICW metrics = {};
  GetTextMetricsW(dc, &metrics);
  g_journal.words = MeasureJournalWords(
      [dc](std::string_view text) {
        const std::wstring wide = Widen(std::string(text));
        SIZE size = {};
        GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
        return static_cast<int>(size.cx);
      },
      metrics.tmHeight);
  SelectObject(dc, old);
  ReleaseDC(g_journal.window, dc);
}

void MakeFonts(int dpi) {
  for (HFONT* f : {&g_journal.font, &g_journal.titleFont, &g_journal.textFont}) {
    if (*f) DeleteObject(*f);
  }
  g_journal.font = MakeFont(9, FW_NORMAL, dpi);
  g_journal.titleFont = MakeFont(14, FW_BOLD, dpi);
  g_journal.textFont = MakeFont(11, FW_NORMAL, dpi);
  for (HWND child = GetWindow(g_journal.window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    const bool editor = child == Item(IDC_JOURNAL_TEXT);
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(editor ? g_journal.textFont : g_journal.font), TRUE);
  }
  MeasureWords();
  if (g_journal.moon) DeleteObject(g_journal.moon);
  g_journal.moon = nullptr;
  if (LoadPngResourceAtDpi(g_journal.window, IDP_MOON_LUCID, dpi, &g_journal.moon, g_journal.moonSize)) {
    PremultiplyAlpha(g_journal.moon);
  }
}

void Place(int id, const JournalRect& r) {
  MoveWindow(Item(id), r.left, r.top, r.Width(), r.Height(), TRUE);
}

void LayOut() {
  RECT client = {};
  GetClientRect(g_journal.window, &client);
  const JournalLayout l = LayOutJournal(client.right, client.bottom, g_journal.dpi, g_journal.words);
  Place(IDC_JOURNAL_SEARCH, l.search);
  Place(IDC_JOURNAL_LIST, l.list);
  Place(IDC_JOURNAL_SIGNS_TITLE, l.signsTitle);
  Place(IDC_JOURNAL_TOP_SIGNS, l.topSigns);
  Place(IDC_JOURNAL_DREAMS, {l.dreams.left, l.dreams.top, l.dreams.right, l.dreams.top + l.dreams.Height() * 8});
  Place(IDC_JOURNAL_KIND, {l.kind.left, l.kind.top, l.kind.right, l.kind.top + l.kind.Height() * 6});
  Place(IDC_JOURNAL_NEW, l.newButton);
  Place(IDC_JOURNAL_DELETE, l.deleteButton);
  Place(IDC_JOURNAL_SIGNS_LABEL, l.signsLabel);
  Place(IDC_JOURNAL_SIGNS, l.signs);
  Place(IDC_JOURNAL_TEXT, l.text);
  Place(IDC_JOURNAL_STATUS, l.status);
  Place(IDC_JOURNAL_CLOSE, l.close);
  InvalidateRect(g_journal.window, nullptr, TRUE);
}

// The x in the title band: a ring with a cross, lit while pressed or
// focused, drawn for any scale.
void DrawCloseButton(const DRAWITEMSTRUCT& item) {
  HDC dc = item.hDC;
  const RECT& r = item.rcItem;
  if (HighContrastOn()) {
    PlainControl control;
    control.rect = r;
    control.glyph = PlainGlyph::Cross;
    control.hot = (item.itemState & ODS_SELECTED) != 0;
    DrawPlainControl(dc, control, g_journal.dpi);
    if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) {
      DrawPlainFocusMark(dc, r, control.hot, g_journal.dpi);
    }
    return;
  }
  HBRUSH back = CreateSolidBrush(kTodayColour);
  FillRect(dc, &r, back);
  DeleteObject(back);
  const bool lit = (item.itemState & (ODS_SELECTED | ODS_FOCUS)) != 0;
  const COLORREF colour = lit ? kWarmColour : kMutedColour;
  HPEN pen = CreatePen(PS_SOLID, ScalePixels(2, g_journal.dpi), colour);
  HGDIOBJ oldPen = SelectObject(dc, pen);
  HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
  const int inset = ScalePixels(1, g_journal.dpi);
  Ellipse(dc, r.left + inset, r.top + inset, r.right - inset, r.bottom - inset);
  const int w = r.right - r.left, h = r.bottom - r.top;
  const int a = w * 3 / 10;
  MoveToEx(dc, r.left + a, r.top + h * 3 / 10, nullptr);
  LineTo(dc, r.right - a, r.bottom - h * 3 / 10);
  MoveToEx(dc, r.right - a, r.top + h * 3 / 10, nullptr);
  LineTo(dc, r.left + a, r.bottom - h * 3 / 10);
  SelectObject(dc, oldBrush);
  SelectObject(dc, oldPen);
  DeleteObject(pen);
}

// High contrast: the window's background, the frame, a line under the
// title band and a border round the dream's text in the system colours.
void PaintPlain(HDC dc, const RECT& client, const JournalLayout& l) {
  const PlainColours colours = SystemPlainColours();
  HBRUSH back = CreateSolidBrush(colours.back);
  FillRect(dc, &client, back);
  DeleteObject(back);
  HBRUSH ink = CreateSolidBrush(colours.text);
  FrameRect(dc, &client, ink);
  const RECT line = {0, l.header.bottom - ScalePixels(1, g_journal.dpi), client.right, l.header.bottom};
  FillRect(dc, &line, ink);
  RECT text = {l.text.left - 1, l.text.top - 1, l.text.right + 1, l.text.bottom + 1};
  FrameRect(dc, &text, ink);
  DeleteObject(ink);
}

void Paint(HDC dc) {
  RECT client = {};
  GetClientRect(g_journal.window, &client);
  const JournalLayout l = LayOutJournal(client.right, client.bottom, g_journal.dpi, g_journal.words);
  const bool plain = HighContrastOn();
  if (plain) {
    PaintPlain(dc, client, l);
  } else {
    FillRect(dc, &client, g_journal.backgroundBrush);
    const RECT header = {0, 0, client.right, l.header.bottom};
    HBRUSH headerBrush = CreateSolidBrush(kTodayColour);
    FillRect(dc, &header, headerBrush);
    DeleteObject(headerBrush);
    HBRUSH frame = CreateSolidBrush(kBaselineColour);
    FrameRect(dc, &client, frame);
    DeleteObject(frame);
  }
  const int pad = ScalePixels(12, g_journal.dpi);
  int x = pad;
  if (g_journal.moon && !plain) {
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(source, g_journal.moon);
    const BLENDFUNCTION blend = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    const int w = g_journal.moonSize[0], h = g_journal.moonSize[1];
    AlphaBlend(dc, x, (l.header.bottom - h) / 2, w, h, source, 0, 0, w, h, blend);
    SelectObject(source, old);
    DeleteDC(source);
    x += w + ScalePixels(8, g_journal.dpi);
  }
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, plain ? GetSysColor(COLOR_WINDOWTEXT) : kWarmColour);
  HGDIOBJ oldFont = SelectObject(dc, g_journal.titleFont);
  RECT title = {x, 0, l.close.left - pad, l.header.bottom};
  DrawTextW(dc, Widen(JournalLabelTexts().title).c_str(), -1, &title,
            DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
  SelectObject(dc, oldFont);
}

LRESULT HitTest(POINT screen) {
  POINT p = screen;
  ScreenToClient(g_journal.window, &p);
  RECT client = {};
  GetClientRect(g_journal.window, &client);
  const int border = ScalePixels(kResizeBorder, g_journal.dpi);
  const bool left = p.x < border, right = p.x >= client.right - border;
  const bool top = p.y < border, bottom = p.y >= client.bottom - border;
  if (top && left) return HTTOPLEFT;
  if (top && right) return HTTOPRIGHT;
  if (bottom && left) return HTBOTTOMLEFT;
  if (bottom && right) return HTBOTTOMRIGHT;
  if (left) return HTLEFT;
  if (right) return HTRIGHT;
  if (top) return HTTOP;
  if (bottom) return HTBOTTOM;
  if (p.y < LayOutJournal(client.right, client.bottom, g_journal.dpi, g_journal.words).header.bottom) return HTCAPTION;
  return HTCLIENT;
}

// Ctrl+N, Ctrl+F and Tab out of the editor: the modal loop hands every
// message to this filter before the dialog manager sees it.
LRESULT CALLBACK KeyFilter(int code, WPARAM wParam, LPARAM lParam) {
  MSG* msg = reinterpret_cast<MSG*>(lParam);
  if (code == MSGF_DIALOGBOX && msg->message == WM_KEYDOWN && g_journal.window &&
      (msg->hwnd == g_journal.window || IsChild(g_journal.window, msg->hwnd))) {
    const bool control = GetKeyState(VK_CONTROL) < 0;
    if (control && msg->wParam == 'N') {
      NewDream(DreamKind::Dream);
      return 1;
    }
    if (control && msg->wParam == 'F') {
      HWND search = Item(IDC_JOURNAL_SEARCH);
      SetFocus(search);
      SendMessageW(search, EM_SETSEL, 0, -1);
      return 1;
    }
    if (!control && msg->wParam == VK_TAB && msg->hwnd == Item(IDC_JOURNAL_TEXT)) {
      SendMessageW(g_journal.window, WM_NEXTDLGCTL, GetKeyState(VK_SHIFT) < 0 ? 1 : 0, FALSE);
      return 1;
    }
  }
  return CallNextHookEx(g_journal.keys, code, wParam, lParam);
}

// The editor's colours: the journal's, or in high contrast the system's.
void SetEditorColours() {
  HWND editor = Item(IDC_JOURNAL_TEXT);
  const bool plain = HighContrastOn();
  SendMessageW(editor, EM_SETBKGNDCOLOR, plain ? 1 : 0, kFieldColour);
  CHARFORMAT2W format = {};
  format.cbSize = sizeof format;
  format.dwMask = CFM_COLOR;
  format.dwEffects = plain ? CFE_AUTOCOLOR : 0;
  format.crTextColor = kTextColour;
  SendMessageW(editor, EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
  SendMessageW(editor, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
}

// The controls' words in the language in use. The kind box keeps its choice.
void SetTexts() {
  const JournalLabels labels = JournalLabelTexts();
  SetItemText(IDC_JOURNAL_NEW, labels.newButton);
  SetItemText(IDC_JOURNAL_DELETE, labels.deleteButton);
  SetItemText(IDC_JOURNAL_SIGNS_LABEL, labels.signsLabel);
  SetItemText(IDC_JOURNAL_SIGNS_TITLE, labels.signsTitle);
  SetItemText(IDC_JOURNAL_CLOSE, labels.close);
  const std::wstring cue = Widen(labels.searchCue);
  SendMessageW(Item(IDC_JOURNAL_SEARCH), EM_SETCUEBANNER, TRUE, reinterpret_cast<LPARAM>(cue.c_str()));
  HWND kind = Item(IDC_JOURNAL_KIND);
  const LRESULT chosen = SendMessageW(kind, CB_GETCURSEL, 0, 0);
  SendMessageW(kind, CB_RESETCONTENT, 0, 0);
  for (DreamKind k : kKinds) {
    SendMessageW(kind, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(JournalKindName(k)).c_str()));
  }
  SendMessageW(kind, CB_SETCURSEL, static_cast<WPARAM>(chosen), 0);
  NameJournalControls(g_journal.window);
}

// Every word again in the new language, the font for its letters, the
// controls sized to the new words (the window widened where it must be),
// and all of it drawn afresh. What is being typed stays as it is.
void OnLanguageChanged() {
  MakeFonts(g_journal.dpi);
  SetTexts();
  FillDreamsBox();
  FillList();
  RECT r = {};
  GetWindowRect(g_journal.window, &r);
  const int least = JournalMinWidth(g_journal.dpi, g_journal.words);
  if (r.right - r.left < least) {
    SetWindowPos(g_journal.window, nullptr, 0, 0, least, r.bottom - r.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  LayOut();
  RedrawWindow(g_journal.window, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void Init(HWND window) {
  g_journal.window = window;
  g_journal.folder = DreamsFolderPath();
  g_journal.open = false;
  SetWindowTextA(window, kJournalTitle);
  TakeOverDialogScaling(window);
  g_journal.dpi = WindowDpi(window);
  g_journal.backgroundBrush = CreateSolidBrush(kNightColour);
  g_journal.fieldBrush = CreateSolidBrush(kFieldColour);
  HICON icon = LoadIconA(g_instance, MAKEINTRESOURCEA(IDI_SOMNIVEX));
  SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));

  HWND editor = Item(IDC_JOURNAL_TEXT);
  SendMessageW(editor, EM_SETTEXTMODE, TM_PLAINTEXT | TM_MULTILEVELUNDO, 0);
  SendMessageW(editor, EM_SETEVENTMASK, 0, ENM_CHANGE);
  // The system's spelling check, where Windows has one (8 and later).
  const LRESULT options = SendMessageW(editor, EM_GETLANGOPTIONS, 0, 0);
  SendMessageW(editor, EM_SETLANGOPTIONS, 0, options | IMF_SPELLCHECKING);
  SendMessageW(editor, EM_SETEDITSTYLE, SES_USECTF | SES_CTFALLOWEMBED, SES_USECTF | SES_CTFALLOWEMBED);
  SetEditorColours();
  SetTexts();
  MakeFonts(g_journal.dpi);
  // The size and place it was closed at, within the work area.
  MONITORINFO monitor = {};
  monitor.cbSize = sizeof monitor;
  JournalRect stored;
  const bool known = ParseJournalPlace(g_config.GetString(kPlaceKey), &stored);
  RECT probe = {stored.left, stored.top, stored.right, stored.bottom};
  HMONITOR on = known ? MonitorFromRect(&probe, MONITOR_DEFAULTTONEAREST) : MonitorFromWindow(g_mainWindow, MONITOR_DEFAULTTOPRIMARY);
  GetMonitorInfoW(on, &monitor);
  const RECT& w = monitor.rcWork;
  const JournalRect place = PlaceJournal(known ? &stored : nullptr, {w.left, w.top, w.right, w.bottom}, g_journal.dpi,
                                         JournalMinWidth(g_journal.dpi, g_journal.words));
  SetWindowPos(window, nullptr, place.left, place.top, place.Width(), place.Height(), SWP_NOZORDER);
  LayOut();

  // The mornings by their names first (newest first); their files follow.
  std::vector<DreamFileBytes> names;
  for (std::string& name : ListDreamFolder(g_journal.folder)) names.push_back({std::move(name), std::string()});
  g_journal.mornings = ScanDreamFiles(names);
  g_journal.toRead.clear();
  for (const JournalMorning& m : g_journal.mornings) g_journal.toRead.push_back(m.fileName);
  g_journal.read = 0;
  FillTopSigns();
  FillList();
  if (!g_journal.toRead.empty()) PostMessageW(window, kLoadMessage, 0, 0);
  ShowDream();
  if (!g_journal.shown.empty()) {
    SendMessageW(Item(IDC_JOURNAL_LIST), LB_SETCURSEL, 0, 0);
    OpenRow(0);
    FillList();
  }
  g_journal.keys = SetWindowsHookExW(WH_MSGFILTER, KeyFilter, nullptr, GetCurrentThreadId());
  ShowWindow(window, SW_SHOW);
  SetForegroundWindow(window);
  if (g_pendingNew) {
    g_pendingNew = false;
    NewDream(g_pendingKind);
  } else {
    SetFocus(Item(IDC_JOURNAL_LIST));
  }
}

void Close() {
  SaveNow();
  RECT r = {};
  if (!IsIconic(g_journal.window) && GetWindowRect(g_journal.window, &r)) {
    g_config.SetString(kPlaceKey, FormatJournalPlace({r.left, r.top, r.right, r.bottom}));
    SaveSettings();
  }
  if (g_journal.keys) UnhookWindowsHookEx(g_journal.keys);
  g_journal.keys = nullptr;
  EndDialog(g_journal.window, 0);
}

INT_PTR Answer(HWND window, LONG_PTR value) {
  SetWindowLongPtrW(window, DWLP_MSGRESULT, value);
  return TRUE;
}

void OnCommand(int id, int code, HWND control) {
  switch (id) {
    case IDCANCEL:
    case IDC_JOURNAL_CLOSE:
      Close();
      break;
    case IDC_JOURNAL_NEW:
      NewDream(DreamKind::Dream);
      break;
    case IDC_JOURNAL_DELETE:
      DeleteDream();
      break;
    case IDC_JOURNAL_SEARCH:
      if (code == EN_CHANGE) FillList();
      break;
    case IDC_JOURNAL_LIST:
      if (code == LBN_SELCHANGE) OpenRow(static_cast<int>(SendMessageW(control, LB_GETCURSEL, 0, 0)));
      break;
    case IDC_JOURNAL_TOP_SIGNS:
      if (code == LBN_SELCHANGE) {
        const LRESULT at = SendMessageW(control, LB_GETCURSEL, 0, 0);
        if (at >= 0 && at < static_cast<LRESULT>(g_journal.topSigns.size())) {
          SetWindowTextW(Item(IDC_JOURNAL_SEARCH), Widen(g_journal.topSigns[static_cast<std::size_t>(at)].sign).c_str());
        }
      }
      break;
    case IDC_JOURNAL_DREAMS:
      if (code == CBN_SELCHANGE) {
        SaveNow();
        const LRESULT at = SendMessageW(control, CB_GETCURSEL, 0, 0);
        if (at >= 0 && at < static_cast<LRESULT>(g_journal.file.dreams.size())) g_journal.dream = static_cast<int>(at);
        ShowDream();
      }
      break;
    case IDC_JOURNAL_KIND:
      if (code == CBN_SELCHANGE) {
        SaveSoon();
        TakeFields();
        // The dreams' box names the kind.
        FillDreamsBox();
      }
      break;
    case IDC_JOURNAL_SIGNS:
      if (code == EN_CHANGE) SaveSoon();
      break;
    case IDC_JOURNAL_TEXT:
      if (code == EN_CHANGE) SaveSoon();
      if (code == EN_SETFOCUS) {
        // Tab selects the whole of an edit control it reaches; in the text
        // of a dream the next key would replace it all. The caret goes to
        // the end instead.
        CHARRANGE range = {};
        SendMessageW(control, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
        const LONG length = GetWindowTextLengthW(control);
        if (range.cpMin == 0 && range.cpMax != 0 && (range.cpMax >= length || range.cpMax == -1)) {
          SendMessageW(control, EM_SETSEL, static_cast<WPARAM>(-1), -1);
          const CHARRANGE end = {length, length};
          SendMessageW(control, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&end));
        }
      }
      break;
    default:
      break;
  }
}

INT_PTR CALLBACK JournalProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (SystemLookChanged(message, wParam)) {
    SetEditorColours();
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
  }
  switch (message) {
    case WM_INITDIALOG:
      Init(window);
      return FALSE;  // the focus is set
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
      return TRUE;
    case WM_TIMER:
      if (wParam == kSaveTimerId) SaveNow();
      return TRUE;
    case kLoadMessage:
      ReadSome();
      return TRUE;
    case WM_CLOSE:
      Close();
      return TRUE;
    case WM_QUERYENDSESSION:
      // Windows logs off or shuts down: every word is on the disk first.
      SaveNow();
      return Answer(window, TRUE);
    case WM_ENDSESSION:
      if (wParam) SaveNow();
      return Answer(window, 0);
    case WM_ERASEBKGND:
      Paint(reinterpret_cast<HDC>(wParam));
      return Answer(window, 1);
    case WM_SIZE:
      LayOut();
      return TRUE;
    case WM_GETMINMAXINFO: {
      MINMAXINFO* info = reinterpret_cast<MINMAXINFO*>(lParam);
      info->ptMinTrackSize.x = JournalMinWidth(g_journal.dpi, g_journal.words);
      info->ptMinTrackSize.y = ScalePixels(kJournalMinHeight, g_journal.dpi);
      return Answer(window, 0);
    }
    case WM_NCHITTEST:
      return Answer(window, HitTest({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}));
    case WM_DRAWITEM:
      if (wParam == IDC_JOURNAL_CLOSE) DrawCloseButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      return TRUE;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX: {
      HDC dc = reinterpret_cast<HDC>(wParam);
      HWND control = reinterpret_cast<HWND>(lParam);
      if (HighContrastOn()) {
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        SetBkColor(dc, GetSysColor(COLOR_WINDOW));
        return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_WINDOW));
      }
      const bool label = message == WM_CTLCOLORSTATIC && control != Item(IDC_JOURNAL_SIGNS);
      const int id = GetDlgCtrlID(control);
      SetTextColor(dc, id == IDC_JOURNAL_STATUS || id == IDC_JOURNAL_SIGNS_LABEL ? kMutedColour
                       : id == IDC_JOURNAL_SIGNS_TITLE                            ? kWarmColour
                                                                                  : kTextColour);
      SetBkColor(dc, label ? kNightColour : kFieldColour);
      return reinterpret_cast<INT_PTR>(label ? g_journal.backgroundBrush : g_journal.fieldBrush);
    }
    case kLanguageChangedMessage:
      OnLanguageChanged();
      return Answer(window, TRUE);
    case kDpiChangedMessage:
      if (HIWORD(wParam) > 0 && HIWORD(wParam) != g_journal.dpi) {
        g_journal.dpi = HIWORD(wParam);
        MakeFonts(g_journal.dpi);
        const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
        if (suggested) {
          // No narrower than the words at the new scale need.
          const int least = JournalMinWidth(g_journal.dpi, g_journal.words);
          const int width = std::max<int>(suggested->right - suggested->left, least);
          SetWindowPos(window, nullptr, suggested->left, suggested->top, width, suggested->bottom - suggested->top,
                       SWP_NOZORDER | SWP_NOACTIVATE);
        }
        LayOut();
      }
      return DpiChangeHandled(window);
  }
  return FALSE;
}

void Run() {
  if (g_running) return;
  g_running = true;
  // The editor's class, RichEdit 4.1 and later.
  static HMODULE richEdit = LoadLibraryW(L"msftedit.dll");
  (void)richEdit;
  DialogBoxParamW(g_instance, MAKEINTRESOURCEW(IDD_JOURNAL), nullptr, JournalProc, 0);
  for (HFONT* f : {&g_journal.font, &g_journal.titleFont, &g_journal.textFont}) {
    if (*f) DeleteObject(*f);
    *f = nullptr;
  }
  for (HBRUSH* b : {&g_journal.backgroundBrush, &g_journal.fieldBrush}) {
    if (*b) DeleteObject(*b);
    *b = nullptr;
  }
  if (g_journal.moon) DeleteObject(g_journal.moon);
  g_journal = Journal();
  g_running = false;
}

}  // namespace

void RunDreamJournal() {
  if (g_running) {
    ShowWindow(g_journal.window, SW_RESTORE);
    SetForegroundWindow(g_journal.window);
    return;
  }
  Run();
}

void SaveOpenDreamJournal() {
  if (g_running && g_journal.window) SaveNow();
}

void RunDreamJournalAtNewDream(DreamKind kind) {
  if (g_running) {
    RunDreamJournal();
    NewDream(kind);
    return;
  }
  g_pendingNew = true;
  g_pendingKind = kind;
  Run();
}
