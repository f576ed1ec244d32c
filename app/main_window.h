// The main window: the controller and main loop of somnivex.
#pragma once

#include <windows.h>

inline constexpr UINT_PTR kTipsTimerId = 687;
inline constexpr UINT_PTR kReminderTimerId = 149;
inline constexpr UINT_PTR kStartupTimerId = 148;
inline constexpr UINT kStartupRefreshMs = 100;

// Queries of the program's own state, answered by the main window for the
// test suites: the reminder timer's period in milliseconds, and the index
// of the tip shown now.
inline constexpr UINT kQueryReminderPeriod = WM_APP + 0x51;
inline constexpr UINT kQueryCurrentTip = WM_APP + 0x52;

INT_PTR CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Marks this start as hidden ("-m"): the window stays in the tray.
void SetHiddenStart();
bool IsHiddenStart();

// State of the Vododi Reminders switch (control 1005), as saved in "hollow".
bool IsHollowSwitchOn();
