#include "journal/morning_question.h"

#include <oleacc.h>
#include <wtsapi32.h>

#include <string>

#include "app/app_globals.h"
#include "app/reminder_pacing.h"
#include "png/png_loader.h"
#include "journal/dream_file.h"
#include "journal/morning_clock.h"
#include "journal/morning_words.h"
#include "journal/practice_colours.h"
#include "journal/practice_journal.h"
#include "journal/practice_summary.h"
#include "reminders/reminder_facts.h"
#include "resources/resource_ids.h"
#include "settings/language.h"
#include "settings/translation.h"
#include "skin/accessible_object.h"
#include "skin/announcement.h"
#include "skin/display_dpi.h"
#include "skin/display_scale.h"
#include "skin/layered_window.h"
#include "skin/picture_text.h"
#include "skin/plain_look.h"
#include "skin/system_look.h"

namespace {

constexpr DWORD kFadeStepMs = 10;  // as the reality check

// The places of the popup, in the order of their controls.
struct Place {
  int id;
  PracticeEvent answer;  // unused for the x
};
constexpr Place kPlaces[] = {
    {IDC_MORNING_LUCID, PracticeEvent::Lucid},
    {IDC_MORNING_DREAM, PracticeEvent::Dream},
    {IDC_MORNING_NONE, PracticeEvent::None},
    {IDC_MORNING_CLOSE, PracticeEvent::None},
};

struct MorningPopup {
  HWND window = nullptr;
  HBITMAP rest = nullptr;   // every button at rest, straight alpha
  HBITMAP lit = nullptr;    // every button lit, straight alpha
  HBITMAP shown = nullptr;  // what the window shows: rest with one button lit
  int width = 0;
  int height = 0;
  int dpi = 0;
  int hot = 0;      // the control under the mouse, 0 for none
  int pressed = 0;  // the control the left button went down on
  bool dragging = false;
  POINT grab = {};  // the cursor's offset in the window while dragging
  // After "A lucid dream" or "A dream": the answer is recorded, and the
  // popup stays a few seconds longer with "Write it down" over its answers.
  bool offersJournal = false;
  DreamKind dreamKind = DreamKind::Dream;
};

// How long "Write it down" is offered before the popup fades out.
constexpr UINT_PTR kOfferTimerId = 1;
constexpr UINT kOfferMs = 8000;

MorningPopup g_popup;
MorningClock g_clock;
bool g_enabled = false;
DWORD g_lockedAt = 0;
bool g_locked = false;

std::uint32_t* Pixels(HBITMAP bitmap) {
  DIBSECTION section = {};
  if (!bitmap || GetObjectA(bitmap, sizeof section, &section) != sizeof section) return nullptr;
  return static_cast<std::uint32_t*>(section.dsBm.bmBits);
}

RECT PlaceRect(int id) {
  RECT r = {};
  HWND control = GetDlgItem(g_popup.window, id);
  if (!control) return r;
  GetWindowRect(control, &r);
  MapWindowPoints(nullptr, g_popup.window, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

int PlaceAt(POINT client) {
  if (g_popup.offersJournal) {
    for (int id : {IDC_MORNING_WRITE, IDC_MORNING_CLOSE}) {
      const RECT r = PlaceRect(id);
      if (PtInRect(&r, client)) return id;
    }
    return 0;
  }
  for (const Place& place : kPlaces) {
    const RECT r = PlaceRect(place.id);
    if (PtInRect(&r, client)) return place.id;
  }
  return 0;
}

// The picture at rest with the hot button copied in from the lit one,
// shown at full opacity.
void Compose() {
  std::uint32_t* shown = Pixels(g_popup.shown);
  const std::uint32_t* rest = Pixels(g_popup.rest);
  const std::uint32_t* lit = Pixels(g_popup.lit);
  if (!shown || !rest || !lit) return;
  const std::size_t count = static_cast<std::size_t>(g_popup.width) * g_popup.height;
  CopyMemory(shown, rest, count * 4);
  if (g_popup.hot) {
    RECT r = PlaceRect(g_popup.hot);
    const RECT all = {0, 0, g_popup.width, g_popup.height};
    IntersectRect(&r, &r, &all);
    for (LONG y = r.top; y < r.bottom; ++y) {
      const std::size_t row = static_cast<std::size_t>(y) * g_popup.width;
      CopyMemory(shown + row + r.left, lit + row + r.left, static_cast<std::size_t>(r.right - r.left) * 4);
    }
  }
  GdiFlush();
}

void FreePictures() {
  for (HBITMAP* bitmap : {&g_popup.rest, &g_popup.lit, &g_popup.shown}) {
    if (*bitmap) DeleteObject(*bitmap);
    *bitmap = nullptr;
  }
}

// High contrast: both pictures in the plain look, every answer a bordered
// box (lit: the highlight) under the words the pictures get, the x a cross.
// The places must be those of the DPI.
void DrawPlainPictures(HBITMAP rest, HBITMAP lit, int dpi) {
  for (HBITMAP picture : {rest, lit}) {
    std::vector<PlainControl> controls;
    for (const Place& place : kPlaces) {
      PlainControl c;
      c.rect = PlaceRect(place.id);
      c.glyph = place.id == IDC_MORNING_CLOSE ? PlainGlyph::Cross : PlainGlyph::Caption;
      c.hot = picture == lit;
      controls.push_back(c);
    }
    DrawPlainPicture(picture, ScalePercentOfDpi(dpi), {}, controls);
  }
}

// The pictures of the DPI's artwork set with their words in the language
// in use (the answers' captions only while the answers show), and the
// places at that scale.
bool LoadPictures(HWND window, int dpi) {
  int size[2] = {0, 0}, litSize[2] = {0, 0};
  HBITMAP rest = nullptr, lit = nullptr;
  if (!LoadPngResourceAtDpi(window, IDP_MORNING, dpi, &rest, size) ||
      !LoadPngResourceAtDpi(window, IDP_MORNING_HOVER, dpi, &lit, litSize) || size[0] != litSize[0] ||
      size[1] != litSize[1]) {
    if (rest) DeleteObject(rest);
    if (lit) DeleteObject(lit);
    return false;
  }
  const BITMAPINFO info = TopDown32BitmapInfo(size[0], size[1]);
  void* bits = nullptr;
  HBITMAP shown = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!shown) {
    DeleteObject(rest);
    DeleteObject(lit);
    return false;
  }
  PlaceDialogControls(window, IDD_MORNING, dpi);
  if (HighContrastOn()) DrawPlainPictures(rest, lit, dpi);
  for (HBITMAP picture : {rest, lit}) ForgetDrawnTexts(picture);
  DrawMorningWords(rest, false, !g_popup.offersJournal);
  DrawMorningWords(lit, true, !g_popup.offersJournal);
  FreePictures();
  g_popup.rest = rest;
  g_popup.lit = lit;
  g_popup.shown = shown;
  g_popup.width = size[0];
  g_popup.height = size[1];
  g_popup.dpi = dpi;
  return true;
}

// "Write it down" drawn over the answers into both pictures: a panel in
// the popup's colours with the button on it, lit in the hover picture, and
// its words fitted to the button and the line under it.
void DrawJournalOffer() {
  RECT panel = PlaceRect(IDC_MORNING_LUCID), none = PlaceRect(IDC_MORNING_NONE);
  panel.right = none.right;
  const RECT button = PlaceRect(IDC_MORNING_WRITE);
  const int dpi = g_popup.dpi;
  HDC dc = CreateCompatibleDC(nullptr);
  PictureText write;
  write.left = button.left;
  write.top = button.top;
  write.right = button.right;
  write.bottom = button.bottom;
  // Translators: the button the morning question shows after "A lucid
  // dream" or "A dream", which opens the dream journal at a new dream;
  // bold, one or two lines in 190 x 48 pixels at 100 %.
  write.text = Tr("Write it down");
  write.em = MulDiv(11, kBaseDpi, 72) * dpi / kBaseDpi;  // as an 11-point font at the popup's scale
  write.maxLines = 2;
  write.align = TextAlign::Centre;
  write.weight = FW_BOLD;
  write.colour = PictureColour(kNightColour);
  PictureText below;
  below.left = panel.left;
  below.top = button.bottom;
  below.right = panel.right;
  below.bottom = panel.bottom;
  // Translators: the small line under the morning question's "Write it
  // down" button; one line of about 285 pixels at 100 %.
  below.text = Tr("in your dream journal");
  below.em = MulDiv(8, kBaseDpi, 72) * dpi / kBaseDpi;
  below.align = TextAlign::Centre;
  below.colour = PictureColour(kMutedColour);
  // In high contrast: the system's colours, the button with a border (the
  // words take the colours for what they stand on).
  const bool plain = HighContrastOn();
  const PlainColours system = SystemPlainColours();
  HPEN edge = plain ? CreatePen(PS_INSIDEFRAME, ScalePixels(1, dpi), system.text) : nullptr;
  for (HBITMAP picture : {g_popup.rest, g_popup.lit}) {
    const bool lit = picture == g_popup.lit;
    HGDIOBJ old = SelectObject(dc, picture);
    HBRUSH back = CreateSolidBrush(plain ? system.back : kTodayColour);
    FillRect(dc, &panel, back);
    DeleteObject(back);
    HBRUSH face = CreateSolidBrush(plain ? (lit ? system.hot : system.back) : lit ? RGB(0xb5, 0xbe, 0xff) : kCheckedColour);
    HGDIOBJ oldBrush = SelectObject(dc, face);
    HGDIOBJ oldPen = SelectObject(dc, edge ? static_cast<HGDIOBJ>(edge) : GetStockObject(NULL_PEN));
    const int round = ScalePixels(10, dpi);
    RoundRect(dc, button.left, button.top, button.right + 1, button.bottom + 1, round, round);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    DeleteObject(face);
    SelectObject(dc, old);
    GdiFlush();
    // GDI leaves the alpha of what it drew at 0: the panel is opaque.
    std::uint32_t* pixels = Pixels(picture);
    RECT r = panel;
    const RECT all = {0, 0, g_popup.width, g_popup.height};
    IntersectRect(&r, &r, &all);
    for (LONG y = r.top; pixels && y < r.bottom; ++y) {
      for (LONG x = r.left; x < r.right; ++x) pixels[static_cast<std::size_t>(y) * g_popup.width + x] |= 0xFF000000u;
    }
    DrawPictureTexts(picture, 100, {write, below});
  }
  DeleteDC(dc);
  if (edge) DeleteObject(edge);
}

void Show() {
  Compose();
  PaintLayeredBitmap(g_popup.window, g_popup.shown, g_popup.width, g_popup.height);
}

void SetHot(int id) {
  if (id == g_popup.hot) return;
  g_popup.hot = id;
  Show();
}

void Close(PracticeEvent answer, bool answered) {
  if (!g_popup.window) return;
  HWND window = g_popup.window;
  if (answered) RecordPractice(answer);
  if (GetCapture() == window) ReleaseCapture();
  FadeLayeredBitmap(window, g_popup.shown, g_popup.width, g_popup.height, false, kFadeStepMs);
  DestroyWindow(window);
}

// A button of the popup pressed: the same from a click and from the tray
// menu.
void Press(int pressed) {
  if (pressed == IDC_MORNING_WRITE) {
    const DreamKind kind = g_popup.dreamKind;
    Close(PracticeEvent::None, false);
    PostMessageA(g_mainWindow, kOpenJournalAtNewDream, static_cast<WPARAM>(kind), 0);
    return;
  }
  if (!g_popup.offersJournal && (pressed == IDC_MORNING_LUCID || pressed == IDC_MORNING_DREAM)) {
    // The answer is kept at once; the dream may be written down now.
    RecordPractice(pressed == IDC_MORNING_LUCID ? PracticeEvent::Lucid : PracticeEvent::Dream);
    g_popup.offersJournal = true;
    g_popup.dreamKind = pressed == IDC_MORNING_LUCID ? DreamKind::Lucid : DreamKind::Dream;
    LoadPictures(g_popup.window, g_popup.dpi);  // without the captions it covers
    DrawJournalOffer();
    g_popup.hot = 0;
    Show();
    SetTimer(g_popup.window, kOfferTimerId, kOfferMs, nullptr);
    return;
  }
  for (const Place& place : kPlaces) {
    if (place.id == pressed) Close(place.answer, pressed != IDC_MORNING_CLOSE);
  }
}

void OnButtonUp(POINT client) {
  const int pressed = g_popup.pressed;
  g_popup.pressed = 0;
  if (g_popup.dragging) {
    g_popup.dragging = false;
    ReleaseCapture();
    return;
  }
  if (!pressed || PlaceAt(client) != pressed) return;
  Press(pressed);
}

void OnMouseMove(HWND window, POINT client) {
  if (g_popup.dragging) {
    POINT cursor = {};
    GetCursorPos(&cursor);
    SetWindowPos(window, nullptr, cursor.x - g_popup.grab.x, cursor.y - g_popup.grab.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return;
  }
  TRACKMOUSEEVENT track = {sizeof track, TME_LEAVE, window, 0};
  TrackMouseEvent(&track);
  SetHot(PlaceAt(client));
}

void OnButtonDown(HWND window, POINT client) {
  g_popup.pressed = PlaceAt(client);
  if (g_popup.pressed) return;
  // The background drags the popup, by hand: the system's caption drag
  // would activate it and take the focus from what the user is typing.
  g_popup.dragging = true;
  g_popup.grab = client;
  SetCapture(window);
}

void OnDpiChanged(HWND window, int dpi, const RECT* suggested) {
  if (dpi <= 0 || dpi == g_popup.dpi || !LoadPictures(window, dpi)) return;
  if (g_popup.offersJournal) DrawJournalOffer();
  SetWindowPos(window, nullptr, 0, 0, g_popup.width, g_popup.height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  MoveToSuggestedRect(window, suggested);
  Show();
}

// The pictures afresh: with the words of a new language, or in a new look
// (high contrast came, went or changed its colours).
void DrawAgain(HWND window) {
  if (!LoadPictures(window, g_popup.dpi)) return;
  if (g_popup.offersJournal) DrawJournalOffer();
  Show();
}

void InitPopup(HWND window) {
  g_popup.window = window;
  g_popup.hot = g_popup.pressed = 0;
  g_popup.dragging = false;
  g_popup.offersJournal = false;
  SetWindowTextA(window, kMorningTitle);
  TakeOverDialogScaling(window);
  if (!LoadPictures(window, WindowDpi(window))) {
    DestroyWindow(window);
    return;
  }
  SetWindowPos(window, HWND_TOPMOST, 0, 0, g_popup.width, g_popup.height, SWP_NOACTIVATE);
  CenterWindowOnItsMonitor(window);
  Show();
  // Shown without activation, and faded in from nothing.
  FadeLayeredBitmap(window, g_popup.shown, g_popup.width, g_popup.height, false, 0);
  ShowWindow(window, SW_SHOWNOACTIVATE);
  FadeLayeredBitmap(window, g_popup.shown, g_popup.width, g_popup.height, true, kFadeStepMs);
}

// What the popup shows, as a screen reader reads it: the question and its
// answers, or after a dream the offer to write it down.
std::string QuestionWords() {
  // Translators: the button over the morning question's answers after "A
  // lucid dream" or "A dream", and the small line under it.
  if (g_popup.offersJournal) return std::string(Tr("Write it down")) + " " + Tr("in your dream journal");
  // Translators: the morning question's heading and question, on the
  // popup above its three answers.
  std::string words = std::string(Tr("Good morning.")) + " " + Tr("Last night you had:");
  // Translators: the morning question's three answers, the captions of
  // its buttons.
  for (const char* answer : {Tr("A lucid dream"), Tr("A dream"), Tr("Nothing I\nremember")}) {
    words += words.back() == ':' ? " " : ", ";
    // The captions' own line breaks are read as spaces.
    for (const char* c = answer; *c; ++c) {
      if (*c == '\r') continue;
      words += *c == '\n' ? ' ' : *c;
    }
  }
  return words;
}

void DescribeQuestion(HWND, AccessibleFacts* facts) {
  facts->name = QuestionWords();
  facts->role = ROLE_SYSTEM_ALERT;
}

POINT ClientPoint(LPARAM lParam) {
  return POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

INT_PTR CALLBACK MorningProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (SystemLookChanged(message, wParam) && g_popup.window == window) DrawAgain(window);
  switch (message) {
    case WM_INITDIALOG:
      InitPopup(window);
      return FALSE;  // no control takes the focus
    case WM_MOUSEACTIVATE:
      SetWindowLongPtrA(window, DWLP_MSGRESULT, MA_NOACTIVATE);
      return TRUE;
    case WM_MOUSEMOVE:
      OnMouseMove(window, ClientPoint(lParam));
      return TRUE;
    case WM_MOUSELEAVE:
      SetHot(0);
      return TRUE;
    case WM_LBUTTONDOWN:
      OnButtonDown(window, ClientPoint(lParam));
      return TRUE;
    case WM_LBUTTONUP:
      OnButtonUp(ClientPoint(lParam));
      return TRUE;
    case WM_CAPTURECHANGED:
      g_popup.dragging = false;
      return TRUE;
    case WM_TIMER:
      if (wParam == kOfferTimerId) Close(PracticeEvent::None, false);
      return TRUE;
    case kDpiChangedMessage:
      OnDpiChanged(window, HIWORD(wParam), reinterpret_cast<const RECT*>(lParam));
      return DpiChangeHandled(window);
    case kLanguageChangedMessage:
      DrawAgain(window);
      SetWindowLongPtrA(window, DWLP_MSGRESULT, TRUE);
      return TRUE;
    case WM_CLOSE:
      Close(PracticeEvent::None, false);
      return TRUE;
    case WM_DESTROY:
      FreePictures();
      g_popup.window = nullptr;
      return TRUE;
    case WM_GETOBJECT:
      SetWindowLongPtrA(window, DWLP_MSGRESULT, AnswerAccessibleObject(window, wParam, lParam, DescribeQuestion));
      return TRUE;
  }
  return FALSE;
}

void ShowMorningQuestion() {
  if (g_popup.window) return;
  CreateDialogParamA(g_instance, MAKEINTRESOURCEA(IDD_MORNING), nullptr, MorningProc, 0);
  // Once, when it has faded in.
  if (g_popup.window) AnnounceWindow(g_popup.window, QuestionWords().c_str(), L"Somnivex.MorningQuestion");
}

MorningFacts GatherMorningFacts() {
  MorningFacts facts;
  const ReminderFacts reminder = GatherReminderFacts();
  facts.now = reminder.now;
  facts.doNotDisturb = WaitsWhileFullScreen() && reminder.doNotDisturb;
  facts.silenced = SilencedNow();
  facts.locked = g_locked;
  facts.tick = GetTickCount();
  LASTINPUTINFO input = {sizeof input, 0};
  facts.lastInputTick = GetLastInputInfo(&input) ? input.dwTime : facts.tick;
  return facts;
}

void ArmTimer(HWND mainWindow, const MorningFacts& facts) {
  SetTimer(mainWindow, kMorningTimerId, NextMorningPollMs(g_clock, facts), nullptr);
}

void Poll(HWND mainWindow) {
  const MorningFacts facts = GatherMorningFacts();
  if (OnMorningPoll(g_clock, facts)) ShowMorningQuestion();
  ArmTimer(mainWindow, facts);
}

}  // namespace

void StartMorningQuestion(HWND mainWindow, bool enabled) {
  g_enabled = enabled;
  // Locking and unlocking the session count as leaving and coming back.
  WTSRegisterSessionNotification(mainWindow, NOTIFY_FOR_THIS_SESSION);
  if (!enabled) return;
  const MorningFacts facts = GatherMorningFacts();
  if (OnMorningStart(g_clock, facts, LatestAnswerDay(ReadPracticeFile(PracticeFilePath())))) ShowMorningQuestion();
  ArmTimer(mainWindow, facts);
}

void SetMorningQuestionEnabled(HWND mainWindow, bool enabled) {
  if (enabled == g_enabled) return;
  g_enabled = enabled;
  if (!enabled) {
    KillTimer(mainWindow, kMorningTimerId);
    return;
  }
  // Turned on: the next absence counts; today's question is not asked now.
  g_clock.knowsInput = false;
  g_clock.returned = false;
  Poll(mainWindow);
}

void OnMorningTimer(HWND mainWindow) {
  if (g_enabled) Poll(mainWindow);
}

void OnSessionChange(HWND mainWindow, WPARAM change) {
  if (change == WTS_SESSION_LOCK) {
    g_locked = true;
    g_lockedAt = GetTickCount();
  } else if (change == WTS_SESSION_UNLOCK && g_locked) {
    g_locked = false;
    OnSessionUnlocked(g_clock, GetTickCount() - g_lockedAt);
    if (g_enabled) Poll(mainWindow);
  }
}

MorningOffer CurrentMorningOffer() {
  if (!g_popup.window) return MorningOffer::None;
  return g_popup.offersJournal ? MorningOffer::WriteItDown : MorningOffer::Answers;
}

void AnswerMorningQuestion(PracticeEvent answer) {
  if (CurrentMorningOffer() != MorningOffer::Answers) return;
  if (answer == PracticeEvent::Lucid) Press(IDC_MORNING_LUCID);
  if (answer == PracticeEvent::Dream) Press(IDC_MORNING_DREAM);
  if (answer == PracticeEvent::None) Press(IDC_MORNING_NONE);
}

void WriteDownMorningDream() {
  if (CurrentMorningOffer() == MorningOffer::WriteItDown) Press(IDC_MORNING_WRITE);
}

void SetMorningClockForTest(HWND mainWindow, unsigned awayMs, int firstMinute, int lastMinute) {
  g_clock.awayAfterMs = awayMs;
  g_clock.firstMinute = firstMinute;
  g_clock.lastMinute = lastMinute;
  g_clock.askedDay = -1;
  if (g_enabled) Poll(mainWindow);
}
