// The two reminder windows of hollow: each shows one question, drawn in the
// language in use, drifts with its BounceMover and fades on its own timers.
#pragma once

#include <windows.h>

#include "hollow/bounce_mover.h"
#include "hollow/fade_cycle.h"
#include "hollow/word_picture.h"

struct ReminderWindow {
  const char* className;  // also the window title
  const char* question;   // the English words, looked up in context "hollow"
  WordPictureStyle style;
  int band;               // 0 or 1: its half of the work area when standing still
  UINT_PTR fadeTimerId;
  UINT_PTR motionTimerId;
  bool randomStart;  // window 2 starts at a random point near the bottom right
  WNDPROC procedure;
  HBITMAP picture;
  int width;
  int height;
  BounceMover mover;
  FadeCycle fade;
  HWND window;
  // While the picture is faded out its motion timer is stopped; the ticks
  // it missed are made up with MoverAdvance when it fades in again.
  bool moving;
  DWORD stoppedAt;            // GetTickCount when the motion stopped
  unsigned long long caughtUp;  // ticks made up at the last fade-in
  BounceMover resumedAt;        // the mover as the last fade-in placed it
  // With the system's animations off the picture stands still at a random
  // place of its band (hollow/standing_place.h), a new one at every
  // appearance, and its fades are single steps.
  bool standing;
};

constexpr UINT kMotionTimerMs = 10;
constexpr DWORD kFadeStepMs = 10;

// Test query, answered by each window: wParam 0..3 give its mover's x, y,
// stepX, stepY; 4 the ticks made up at the last fade-in; 5 whether the
// motion timer runs; 6..9 x, y, stepX, stepY as the last fade-in placed it;
// 10 whether it stands still.
constexpr UINT kHollowQuery = WM_APP + 0x61;

// Window 1 ("SM Vododi Reminders 1") and window 2, in that order.
extern ReminderWindow g_reminders[2];

// Registers the window's class; false when that fails.
bool RegisterReminderClass(HINSTANCE instance, const ReminderWindow& reminder);
// Creates the window; its creation handling runs inside this call.
HWND CreateReminderWindow(HINSTANCE instance, const ReminderWindow& reminder);
