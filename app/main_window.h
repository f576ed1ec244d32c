// The main window: the controller and main loop of somnivex.
#pragma once

#include <windows.h>

INT_PTR CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Marks this start as hidden ("-m"): the window stays in the tray.
void SetHiddenStart();
bool IsHiddenStart();

// State of the Vododi Reminders switch (control 1005), as saved in "hollow".
bool IsHollowSwitchOn();
