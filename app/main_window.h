// The main window: the controller and main loop of somnivex.
#pragma once

#include <windows.h>

inline constexpr UINT_PTR kTipsTimerId = 687;
inline constexpr UINT_PTR kReminderTimerId = 149;
inline constexpr UINT_PTR kStartupTimerId = 148;
inline constexpr UINT kStartupRefreshMs = 100;

// Queries of the program's own state, answered by the main window for the
// test suites (menu item states and a layered popup's visibility cannot be
// read from another process): the reminder timer's period in milliseconds,
// the index of the tip shown now, whether the reality-check popup is faded
// in, whether "Invoke At Startup" is checked, the switch's state, and the
// number of GDI objects the process holds.
inline constexpr UINT kQueryReminderPeriod = WM_APP + 0x51;
inline constexpr UINT kQueryCurrentTip = WM_APP + 0x52;
inline constexpr UINT kQueryPopupVisible = WM_APP + 0x53;
inline constexpr UINT kQueryStartupChecked = WM_APP + 0x54;
inline constexpr UINT kQuerySwitchOn = WM_APP + 0x55;
inline constexpr UINT kQueryGdiObjects = WM_APP + 0x56;
// 1 once the window's initialisation has run to its end. (A query can be
// answered in the middle of it, while the window waits on another program.)
inline constexpr UINT kQueryReady = WM_APP + 0x57;
// The marks of the tray's submenus (OptionMenuMarks) and the state of the
// reminder pacing (PacingState).
inline constexpr UINT kQueryOptionMenus = WM_APP + 0x58;
inline constexpr UINT kQueryPacing = WM_APP + 0x59;
// Test hook: wParam is the time without input, in milliseconds, after which
// a reminder that falls due waits for the user to come back (5 minutes
// unless set).
inline constexpr UINT kSetAwayThreshold = WM_APP + 0x5A;

// The gap the reminder timer runs now (ms), and the kind of reality check
// the popup shows or last showed (CheckKind, 0 before the first).
inline constexpr UINT kQueryReminderGap = WM_APP + 0x5B;
inline constexpr UINT kQueryCheckKind = WM_APP + 0x5C;

// Test hooks of the practice record: wParam is the absence in milliseconds
// after which the first input brings the morning question, lParam the span
// of the day it may come in (MAKELPARAM(first minute, last minute)), and
// today counts as not asked; the second appends wParam "shown" lines to
// practice.csv as fast as it can.
inline constexpr UINT kSetMorningClock = WM_APP + 0x5D;
inline constexpr UINT kAppendPracticeLines = WM_APP + 0x5E;
// The words drawn into the program's pictures (skin/picture_text.h):
// wParam 0 asks how many reach outside their room or overlap another
// (CountTextFaults), 1 how many were drawn, 2 how many were cut with an
// ellipsis; 3 forgets what was drawn so far.
inline constexpr UINT kQueryDrawnTexts = WM_APP + 0x5F;
// How many opacity steps the program's fades have set so far (one per
// fade while the system's animations are off).
inline constexpr UINT kQueryFadeSteps = WM_APP + 0x68;
// Every message above answers only in a program started for testing
// (g_testHooks); elsewhere it does nothing and answers 0.
// The fault count alone (wParam 0).
inline constexpr UINT kCountTextFaults = kQueryDrawnTexts;
inline constexpr UINT kFirstTestMessage = kQueryReminderPeriod;
inline constexpr UINT kLastTestMessage = kQueryFadeSteps;

INT_PTR CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Marks this start as hidden ("-m"): the window stays in the tray.
void SetHiddenStart();
bool IsHiddenStart();

// Starts hollow when the switch is on (after a pause or quiet hours).
void StartHollowIfSwitchOn();
