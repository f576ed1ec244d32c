// The about box: help, the maker's page, and a close button, with fades.
#pragma once

#include <windows.h>

#include "settings/translation.h"

// The title is how the box is found; it is never translated.
inline constexpr const char kAboutTitle[] = "SMX About";
// Translators: the tooltip of the about box's Help button; one line of at
// most about 50 characters.
inline constexpr const char kHelpTooltip[] = N_("help,license and other info.");

// Runs the about box modally (template 101, no owner) until it is closed.
void RunAboutBox();
INT_PTR CALLBACK AboutBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
