#include "hollow/reminder_window.h"

#include <cstdlib>
#include <string>

#include "hollow/standing_place.h"
#include "settings/translation.h"
#include "settings/wide_text.h"
#include "skin/display_dpi.h"
#include "skin/display_scale.h"
#include "skin/foreground_window.h"
#include "skin/layered_window.h"
#include "skin/plain_look.h"
#include "skin/system_look.h"

namespace {

constexpr UINT_PTR kFadeTimer1 = 575;
constexpr UINT_PTR kMotionTimer1 = 576;
constexpr UINT_PTR kFadeTimer2 = 578;
constexpr UINT_PTR kMotionTimer2 = 579;
// The windows are created at this size; creation shrinks them to the picture.
constexpr int kCreateWidth = 544;
constexpr int kCreateHeight = 375;
// Window 2's random start lies up to this many pixels before its limits.
constexpr int kRandomStartRange = 500;
// The questions' context: hollow carries only texts whose context starts
// with "hollow".
constexpr char kQuestionContext[] = "hollow";

LRESULT CALLBACK Reminder1Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK Reminder2Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

ReminderWindow MakeReminder(const char* className, const char* question, WordPictureStyle style, int band,
                            UINT_PTR fadeTimer, UINT_PTR motionTimer, bool randomStart, WNDPROC procedure) {
  ReminderWindow r = {};
  r.className = className;
  r.question = question;
  r.style = style;
  r.band = band;
  r.fadeTimerId = fadeTimer;
  r.motionTimerId = motionTimer;
  r.randomStart = randomStart;
  r.procedure = procedure;
  r.mover = MakeBounceMover(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
  return r;
}

// The standing places' random numbers: a generator of its own, seeded by
// the clock, so that the runtime's rand() keeps the sequence that window
// 2's start takes from it.
unsigned StandingRandom() {
  static unsigned state = GetTickCount() ^ (GetCurrentProcessId() << 16);
  state = state * 1664525u + 1013904223u;
  return state >> 8;
}

// The question plainly, for high contrast: a picture just larger than its
// words, of the system's colours with a border, opaque over any desktop.
HBITMAP PlainWordsPicture(const char* words, int dpi, int size[2]) {
  const int em = ScalePixels(17, dpi);
  const int padX = ScalePixels(10, dpi), padY = ScalePixels(5, dpi);
  const std::wstring text = Widen(words);
  HFONT font = CreatePictureFont(em, FW_BOLD, false, text.c_str());
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, font);
  SIZE extent = {};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
  TEXTMETRICW metrics = {};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, old);
  DeleteObject(font);
  DeleteDC(dc);
  size[0] = extent.cx + 2 * padX;
  size[1] = metrics.tmHeight + 2 * padY;
  const BITMAPINFO info = TopDown32BitmapInfo(size[0], size[1]);
  void* bits = nullptr;
  HBITMAP picture = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!picture) return nullptr;
  PictureText question;
  question.left = padX / 2;
  question.top = 0;
  question.right = size[0] - padX / 2;
  question.bottom = size[1];
  question.text = words;
  question.em = em;
  question.align = TextAlign::Centre;
  question.weight = FW_BOLD;
  DrawPlainPicture(picture, 100, {question}, {});
  return picture;
}

// The window's picture for the look in use: the question in the language
// in use, bright with a soft edge, or in high contrast plainly. Both
// pictures follow the primary monitor's scale, where the motion's bounds
// are too. A picture that cannot be made leaves the window 0 x 0 and empty.
void LoadPicture(ReminderWindow& r) {
  int size[2] = {0, 0};
  const int dpi = PrimaryMonitorDpi();
  const char* question = TrC(kQuestionContext, r.question);
  HBITMAP picture = HighContrastOn() ? PlainWordsPicture(question, dpi, size) : DrawWordPicture(question, r.style, dpi, size);
  if (!picture) return;
  if (r.picture) DeleteObject(r.picture);
  r.picture = picture;
  r.width = size[0];
  r.height = size[1];
}

// Animations off: the picture at a new random place of its band.
void Stand(ReminderWindow& r) {
  const RECT work = WorkAreaOf(r.window);
  const StandingPlace p = ChooseStandingPlace(work.left, work.top, work.right, work.bottom, r.width, r.height, r.band,
                                              2, StandingRandom(), StandingRandom());
  SetWindowPos(r.window, HWND_TOP, p.x, p.y, 0, 0, SWP_NOSIZE | SWP_NOREDRAW | SWP_NOACTIVATE);
}

void OnCreate(ReminderWindow& r, HWND window) {
  r.window = window;
  LoadPicture(r);
  r.mover.width = r.width;
  r.mover.height = r.height;
  if (r.randomStart) {
    // The runtime's rand(), never seeded: x first, then y.
    const int offsetX = std::rand() % kRandomStartRange;
    const int offsetY = std::rand() % kRandomStartRange;
    StartBeforeLimits(r.mover, offsetX, offsetY);
  }
  // Shown on top without taking the keyboard: the switch that started
  // hollow (or whatever the user types into) keeps it.
  SetWindowPos(window, HWND_TOPMOST, 0, 0, r.width, r.height, SWP_SHOWWINDOW | SWP_NOACTIVATE);
  CenterWindowOn(window, nullptr, nullptr);
  r.standing = !AnimationsOn();
  if (r.standing) Stand(r);
  PaintLayeredBitmap(window, r.picture, r.width, r.height);
  UpdateWindow(window);
  SetTimer(window, r.fadeTimerId, kFadePeriodSeconds * 1000, nullptr);
  if (r.standing) {
    r.stoppedAt = GetTickCount();
    return;
  }
  SetTimer(window, r.motionTimerId, kMotionTimerMs, nullptr);
  r.moving = true;
}

void OnMotionTick(ReminderWindow& r) {
  MoverStep(r.mover);
  // HWND_TOP keeps the picture above the other top-most windows. Without
  // SWP_NOACTIVATE every tick would activate it and take the keyboard
  // focus from whatever the user is typing into.
  SetWindowPos(r.window, HWND_TOP, r.mover.x, r.mover.y, 0, 0, SWP_NOSIZE | SWP_NOREDRAW | SWP_NOACTIVATE);
}

// A hidden picture costs nothing: no timer, no window moves.
void StopMotion(ReminderWindow& r) {
  if (!r.moving) return;
  KillTimer(r.window, r.motionTimerId);
  r.stoppedAt = GetTickCount();
  r.moving = false;
}

// Puts the picture where the drift would have taken it meanwhile, then lets
// it drift on.
void ResumeMotion(ReminderWindow& r) {
  if (r.moving) return;
  r.caughtUp = (GetTickCount() - r.stoppedAt) / kMotionTimerMs;
  MoverAdvance(r.mover, r.caughtUp);
  r.resumedAt = r.mover;
  SetWindowPos(r.window, HWND_TOP, r.mover.x, r.mover.y, 0, 0, SWP_NOSIZE | SWP_NOREDRAW | SWP_NOACTIVATE);
  SetTimer(r.window, r.motionTimerId, kMotionTimerMs, nullptr);
  r.moving = true;
}

void OnFadeTick(ReminderWindow& r) {
  switch (FadeTick(r.fade)) {
    case FadeAction::FadeIn:
      if (IsAnotherProgramFullScreen()) {
        // Not over a full-screen video or game: this appearance is skipped
        // and the picture stays hidden until the next one.
        r.fade.fadedOut = true;
        break;
      }
      if (r.standing) {
        Stand(r);
      } else {
        ResumeMotion(r);
      }
      FadeLayeredBitmap(r.window, r.picture, r.width, r.height, true, kFadeStepMs);
      break;
    case FadeAction::FadeOut:
      FadeLayeredBitmap(r.window, r.picture, r.width, r.height, false, kFadeStepMs);
      StopMotion(r);
      break;
    case FadeAction::None:
      break;
  }
}

// High contrast or animations switched: the picture for the new look, shown
// at once where it is visible; the drift stops, or starts where the picture
// was left (catching up on the time it stood, as after a fade).
void OnSystemLook(ReminderWindow& r, bool lookChanged) {
  if (lookChanged) {
    LoadPicture(r);
    r.mover.width = r.width;
    r.mover.height = r.height;
    SetWindowPos(r.window, nullptr, 0, 0, r.width, r.height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (!r.fade.fadedOut) {
      PaintLayeredBitmap(r.window, r.picture, r.width, r.height);
    } else {
      PremultiplyAlpha(r.picture);
    }
  }
  const bool stand = !AnimationsOn();
  if (stand == r.standing) return;
  r.standing = stand;
  if (stand) {
    StopMotion(r);
    Stand(r);
  } else if (!r.fade.fadedOut) {
    ResumeMotion(r);
  }
}

LRESULT ReminderProc(ReminderWindow& r, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SETTINGCHANGE || message == WM_SYSCOLORCHANGE) {
    OnSystemLook(r, SystemLookChanged(message, wParam));
    return DefWindowProcA(window, message, wParam, lParam);
  }
  switch (message) {
    case WM_CREATE:
      OnCreate(r, window);
      return 0;
    case WM_TIMER:
      if (wParam == r.fadeTimerId) OnFadeTick(r);
      else if (wParam == r.motionTimerId) OnMotionTick(r);
      return 0;
    case kHollowQuery:
      switch (wParam) {
        case 0: return r.mover.x;
        case 1: return r.mover.y;
        case 2: return r.mover.stepX;
        case 3: return r.mover.stepY;
        case 4: return static_cast<LRESULT>(r.caughtUp);
        case 5: return r.moving ? 1 : 0;
        case 6: return r.resumedAt.x;
        case 7: return r.resumedAt.y;
        case 8: return r.resumedAt.stepX;
        case 9: return r.resumedAt.stepY;
        case 10: return r.standing ? 1 : 0;
        default: return 0;
      }
    case WM_CLOSE:
    case WM_DESTROY:
      // Not passed on: the process ends with the quit message, the other
      // window going with it.
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

LRESULT CALLBACK Reminder1Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return ReminderProc(g_reminders[0], window, message, wParam, lParam);
}

LRESULT CALLBACK Reminder2Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return ReminderProc(g_reminders[1], window, message, wParam, lParam);
}

}  // namespace

// The questions' pictures are 249 x 27 and 264 x 26 at 100 % in English,
// at most 163 and 143 of 255 opaque.
ReminderWindow g_reminders[2] = {
    MakeReminder("SM Vododi Reminders 1",
                 // Translators: the first question that drifts over the
                 // desktop, in big capitals; a picture of 249 x 27
                 // pixels that grows with the words (in high contrast a
                 // plain panel as wide as the words need).
                 NC_("hollow", "AM I DREAMING ?"), {249, 27, 21, 163}, 0, kFadeTimer1, kMotionTimer1, false,
                 Reminder1Proc),
    MakeReminder("SM Vododi Reminders 2",
                 // Translators: the second question that drifts over the
                 // desktop, in big capitals; a picture of 264 x 26
                 // pixels that grows with the words.
                 NC_("hollow", "IS THIS A DREAM ?"), {264, 26, 19, 143}, 1, kFadeTimer2, kMotionTimer2, true,
                 Reminder2Proc),
};

bool RegisterReminderClass(HINSTANCE instance, const ReminderWindow& reminder) {
  WNDCLASSEXA wc = {};
  wc.cbSize = sizeof wc;
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = reminder.procedure;
  wc.hInstance = instance;
  wc.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
  wc.hIconSm = LoadIconA(nullptr, IDI_APPLICATION);
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_SCROLLBAR + 1);
  wc.lpszClassName = reminder.className;
  return RegisterClassExA(&wc) != 0;
}

HWND CreateReminderWindow(HINSTANCE instance, const ReminderWindow& reminder) {
  return CreateWindowExA(WS_EX_TOOLWINDOW, reminder.className, reminder.className, WS_POPUP, CW_USEDEFAULT,
                         CW_USEDEFAULT, kCreateWidth, kCreateHeight, nullptr, nullptr, instance, nullptr);
}
