#include "reminders/reality_check.h"

#include <mmsystem.h>
#include <oleacc.h>

#include "app/app_globals.h"
#include "app/reminder_pacing.h"
#include "app/shutdown.h"
#include "settings/wide_text.h"
#include "png/png_loader.h"
#include "journal/dream_folder.h"
#include "journal/practice_journal.h"
#include "reminders/check_speech.h"
#include "reminders/check_words.h"
#include "reminders/text_check.h"
#include "reminders/text_check_draw.h"
#include "resources/resource_ids.h"
#include "settings/language.h"
#include "skin/accessible_object.h"
#include "skin/announcement.h"
#include "skin/display_dpi.h"
#include "skin/layered_window.h"
#include "skin/picture_text.h"
#include "skin/plain_look.h"
#include "skin/system_look.h"

RealityCheckPopup g_realityCheck;

namespace {

void PlayReminderSound() {
  // Asynchronous and unchecked: a missing or broken ting.wav costs only the sound.
  PlaySoundW(Widen(g_paths.reminderSound).c_str(), nullptr, SND_FILENAME | SND_ASYNC);
}


int PictureOf(int kind) {
  switch (static_cast<CheckKind>(kind)) {
    case CheckKind::Nose:
      return IDP_CHECK_NOSE;
    case CheckKind::Palm:
      return IDP_CHECK_PALM;
    case CheckKind::Clock:
      return IDP_CHECK_CLOCK;
    case CheckKind::Text:
      return IDP_CHECK_TEXT;
    case CheckKind::DreamSign:
      return IDP_CHECK_SIGN;
    case CheckKind::Hand:
      break;
  }
  return IDP_REALITY_CHECK;
}

// The kind of the next reality check: the hand picture unless the checks
// vary, then any kind but the last one, the dream-sign check among them
// when the journal has signs of the last 90 days (read here, once per
// reminder). The text check takes a fresh word and the time of now, the
// sign check a sign drawn by how often it came up.
void ChooseCheck() {
  if (!ChecksVary()) {
    g_realityCheck.kind = static_cast<int>(CheckKind::Hand);
    return;
  }
  const std::vector<SignCount> signs = RecentDreamSigns();
  const int previous = g_realityCheck.created ? g_realityCheck.kind : 0;
  g_realityCheck.kind = static_cast<int>(ChooseNextCheckWithSigns(previous, !signs.empty(), ReminderRandom()));
  if (g_realityCheck.kind == static_cast<int>(CheckKind::Text)) {
    lstrcpynA(g_realityCheck.word, PickCheckWord(ReminderRandom()), sizeof g_realityCheck.word);
    SYSTEMTIME now = {};
    GetLocalTime(&now);
    lstrcpynA(g_realityCheck.clock, CheckClockText(now.wHour, now.wMinute).c_str(), sizeof g_realityCheck.clock);
  } else if (g_realityCheck.kind == static_cast<int>(CheckKind::DreamSign)) {
    const int pick = PickDreamSign(signs, ReminderRandom());
    g_realityCheck.sign = pick >= 0 ? signs[static_cast<std::size_t>(pick)].sign : std::string();
  }
}

// The picture of the current kind for the DPI of the monitor the popup is
// on, with its words in the language in use and the text check's word and
// time or the dream sign drawn in; the one it replaces is freed. Straight
// alpha, not yet premultiplied.
bool LoadPopupPicture(HWND window, int dpi) {
  int size[2] = {0, 0};
  HBITMAP bitmap = nullptr;
  if (!LoadPngResourceAtDpi(window, PictureOf(g_realityCheck.kind), dpi, &bitmap, size)) return false;
  ForgetDrawnTexts(bitmap);
  // High contrast: the same size and words, on the plain look.
  if (HighContrastOn()) DrawPlainPicture(bitmap, ScalePercentOfDpi(dpi), {}, {});
  DrawCheckWords(bitmap, g_realityCheck.kind);
  if (g_realityCheck.kind == static_cast<int>(CheckKind::Text)) {
    DrawTextCheck(bitmap, g_realityCheck.word, g_realityCheck.clock);
  } else if (g_realityCheck.kind == static_cast<int>(CheckKind::DreamSign)) {
    DrawSignCheck(bitmap, g_realityCheck.sign);
  }
  if (g_realityCheck.bitmap) DeleteObject(g_realityCheck.bitmap);
  g_realityCheck.bitmap = bitmap;
  g_realityCheck.width = size[0];
  g_realityCheck.height = size[1];
  g_realityCheck.dpi = dpi;
  return true;
}

// Moved to a monitor of another scale: that scale's picture, shown at once
// when the popup is up and kept (premultiplied, as a paint would leave it)
// for the next fade-in when it is dismissed.
void OnDpiChanged(HWND window, int dpi, const RECT* suggested) {
  if (dpi <= 0 || dpi == g_realityCheck.dpi) return;
  if (!LoadPopupPicture(window, dpi)) return;
  SetWindowPos(window, nullptr, 0, 0, g_realityCheck.width, g_realityCheck.height,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  MoveToSuggestedRect(window, suggested);
  if (g_realityCheck.visible) {
    PaintLayeredBitmap(window, g_realityCheck.bitmap, g_realityCheck.width, g_realityCheck.height);
  } else {
    PremultiplyAlpha(g_realityCheck.bitmap);
  }
}

// A double-click says the check was done, a right click that it was not;
// a click on the faded-out popup says nothing.
void FadeOut(HWND window, PracticeEvent event) {
  if (g_realityCheck.visible) RecordPractice(event);
  FadeLayeredBitmap(window, g_realityCheck.bitmap, g_realityCheck.width, g_realityCheck.height, false,
                    kRealityCheckFadeStepMs);
  g_realityCheck.visible = false;
}

// What the popup shows, as a screen reader reads it.
std::string PopupWords() {
  return RealityCheckSpeech(static_cast<CheckKind>(g_realityCheck.kind), g_realityCheck.word, g_realityCheck.clock,
                            g_realityCheck.sign);
}

void DescribePopup(HWND, AccessibleFacts* facts) {
  facts->name = PopupWords();
  facts->role = ROLE_SYSTEM_ALERT;
  if (!g_realityCheck.visible) facts->state = STATE_SYSTEM_INVISIBLE;  // faded out, kept for the next
}

// Once per appearance, when it has faded in.
void AnnouncePopup() { AnnounceWindow(g_realityCheck.window, PopupWords().c_str(), L"Somnivex.RealityCheck"); }

// The picture drawn again, shown at once when the popup is up, else kept
// premultiplied for the next fade-in: with its words in another language,
// or in a new look (high contrast came, went or changed its colours).
void DrawAgain(HWND window) {
  if (!LoadPopupPicture(window, g_realityCheck.dpi)) return;
  if (g_realityCheck.visible) {
    PaintLayeredBitmap(window, g_realityCheck.bitmap, g_realityCheck.width, g_realityCheck.height);
  } else {
    PremultiplyAlpha(g_realityCheck.bitmap);
  }
}

void InitPopup(HWND window) {
  SetWindowTextA(window, kRealityCheckTitle);
  TakeOverDialogScaling(window);
  LoadPopupPicture(window, WindowDpi(window));
  // Shown on top without taking the keyboard from what the user is typing;
  // the tray menu offers what its clicks do.
  SetWindowPos(window, HWND_TOPMOST, 0, 0, g_realityCheck.width, g_realityCheck.height,
               SWP_SHOWWINDOW | SWP_NOACTIVATE);
  CenterWindowOnItsMonitor(window);
  PaintLayeredBitmap(window, g_realityCheck.bitmap, g_realityCheck.width, g_realityCheck.height);
  UpdateWindow(window);
  FadeLayeredBitmap(window, g_realityCheck.bitmap, g_realityCheck.width, g_realityCheck.height, true,
                    kRealityCheckFadeStepMs);
  g_realityCheck.visible = true;
  g_realityCheck.window = window;
}

}  // namespace

void ShowRealityCheck() {
  if (g_realityCheck.created == 0) {
    ChooseCheck();
    g_realityCheck.created = 1;
    RecordPractice(PracticeEvent::Shown);
    PlayReminderSound();
    // Modeless and kept for the life of the program: the loop of whatever
    // dialog is open now (My Practice, the about box, a message box) goes
    // on, so that dialog still takes its keys, closes and returns.
    if (!CreateDialogParamA(g_instance, MAKEINTRESOURCEA(IDD_POPUP), nullptr, RealityCheckProc, 0)) {
      g_realityCheck.created = 0;
      return;
    }
    AnnouncePopup();
    return;
  }
  if (g_realityCheck.visible) return;
  const int shown = g_realityCheck.kind;
  ChooseCheck();
  // Another kind, or the text check's new word: its picture replaces the
  // last one, premultiplied as a paint leaves it. Every kind has the same
  // size, so the popup keeps its place. (The sign check never follows
  // itself.)
  if (g_realityCheck.kind != shown || g_realityCheck.kind == static_cast<int>(CheckKind::Text)) {
    if (LoadPopupPicture(g_realityCheck.window, g_realityCheck.dpi)) PremultiplyAlpha(g_realityCheck.bitmap);
  }
  RecordPractice(PracticeEvent::Shown);
  PlayReminderSound();
  FadeLayeredBitmap(g_realityCheck.window, g_realityCheck.bitmap, g_realityCheck.width, g_realityCheck.height, true,
                    kRealityCheckFadeStepMs);
  SetWindowPos(g_realityCheck.window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  g_realityCheck.visible = true;
  AnnouncePopup();
}

void EndRealityCheck(bool checkDone) {
  if (!g_realityCheck.visible || !g_realityCheck.window) return;
  FadeOut(g_realityCheck.window, checkDone ? PracticeEvent::Checked : PracticeEvent::Dismissed);
}

INT_PTR CALLBACK RealityCheckProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (SystemLookChanged(message, wParam)) DrawAgain(window);
  switch (message) {
    case WM_INITDIALOG:
      InitPopup(window);
      return 0;
    case WM_MOUSEMOVE:
      // Dragging: only while the left button is held, or Wine's move loop
      // would swallow the next click.
      if (wParam & MK_LBUTTON) SendMessageA(window, WM_NCLBUTTONDOWN, HTCAPTION, 0);
      return 0;
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONUP:
      FadeOut(window, message == WM_LBUTTONDBLCLK ? PracticeEvent::Checked : PracticeEvent::Dismissed);
      return 0;
    case kDpiChangedMessage:
      OnDpiChanged(window, HIWORD(wParam), reinterpret_cast<const RECT*>(lParam));
      return DpiChangeHandled(window);
    case WM_GETOBJECT:
      SetWindowLongPtrA(window, DWLP_MSGRESULT, AnswerAccessibleObject(window, wParam, lParam, DescribePopup));
      return TRUE;
    case kLanguageChangedMessage:
      DrawAgain(window);
      SetWindowLongPtrA(window, DWLP_MSGRESULT, TRUE);
      return TRUE;
    case WM_CLOSE:
      ShutdownApplication(g_mainWindow);
  }
  return 0;
}
