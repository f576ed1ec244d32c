#include "hollow/reminder_window.h"

#include <cstdlib>

#include "settings/translation.h"
#include "skin/display_dpi.h"
#include "skin/foreground_window.h"
#include "skin/layered_window.h"

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

ReminderWindow MakeReminder(const char* className, const char* question, WordPictureStyle style, UINT_PTR fadeTimer,
                            UINT_PTR motionTimer, bool randomStart, WNDPROC procedure) {
  ReminderWindow r = {};
  r.className = className;
  r.question = question;
  r.style = style;
  r.fadeTimerId = fadeTimer;
  r.motionTimerId = motionTimer;
  r.randomStart = randomStart;
  r.procedure = procedure;
  r.mover = MakeBounceMover(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
  return r;
}

void OnCreate(ReminderWindow& r, HWND window) {
  r.window = window;
  int size[2] = {0, 0};
  // A picture that cannot be made leaves the window 0 x 0 and empty. Both
  // pictures follow the primary monitor's scale, where the motion's bounds
  // are too.
  HBITMAP picture = DrawWordPicture(TrC(kQuestionContext, r.question), r.style, PrimaryMonitorDpi(), size);
  if (picture) {
    r.picture = picture;
    r.width = size[0];
    r.height = size[1];
  }
  r.mover.width = r.width;
  r.mover.height = r.height;
  if (r.randomStart) {
    // The runtime's rand(), never seeded: x first, then y.
    const int offsetX = std::rand() % kRandomStartRange;
    const int offsetY = std::rand() % kRandomStartRange;
    StartBeforeLimits(r.mover, offsetX, offsetY);
  }
  SetWindowPos(window, HWND_TOPMOST, 0, 0, r.width, r.height, SWP_SHOWWINDOW);
  CenterWindowOn(window, nullptr, nullptr);
  PaintLayeredBitmap(window, r.picture, r.width, r.height);
  SetForegroundWindow(window);
  UpdateWindow(window);
  SetTimer(window, r.fadeTimerId, kFadePeriodSeconds * 1000, nullptr);
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
      ResumeMotion(r);
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

LRESULT ReminderProc(ReminderWindow& r, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
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
                 // pixels that grows with the words.
                 NC_("hollow", "AM I DREAMING ?"), {249, 27, 21, 163}, kFadeTimer1, kMotionTimer1, false,
                 Reminder1Proc),
    MakeReminder("SM Vododi Reminders 2",
                 // Translators: the second question that drifts over the
                 // desktop, in big capitals; a picture of 264 x 26
                 // pixels that grows with the words.
                 NC_("hollow", "IS THIS A DREAM ?"), {264, 26, 19, 143}, kFadeTimer2, kMotionTimer2, true,
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
