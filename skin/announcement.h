// A window that appears on its own (a reminder, a question) is announced
// to a screen reader once, with its words: as a UI Automation notification
// where Windows has one, else as an alert event after which the reader
// asks the window for its name.
#pragma once

#include <windows.h>

// `text` (UTF-8) is what the window shows; `activity` names the kind of
// announcement, so that a newer one of the same kind replaces an older one
// not yet read. Call it once per appearance, when the window is shown.
void AnnounceWindow(HWND window, const char* text, const wchar_t* activity);
