// The notification-area icon and its menu.
#pragma once

#include <windows.h>

// Adds the icon (id 383, callback 1025, tip "Somnivex") and builds the menu.
void CreateTrayIcon(HWND mainWindow);
// Makes the menu anew in the language in use, keeping the mark of "Invoke
// At Startup"; the submenus' marks are the caller's to set again.
void RebuildTrayMenu();
// Adds the same icon once more, after Explorer made a new taskbar.
void AddTrayIconAgain();
// The icon's callback: a left-button release shows the main window, a
// right-button press opens the menu.
void HandleTrayNotify(HWND mainWindow, LPARAM mouseMessage);
// Changes the icon's tip (UTF-8; at most 127 UTF-16 characters are kept).
void SetTrayTip(const char* tip);
// Sets or clears the check mark of the "Invoke At Startup" menu item.
void SetStartupMenuCheck(bool checked);
bool IsStartupMenuChecked();
void DestroyTrayMenu();
void RemoveTrayIcon();
