// The about box: help, the maker's page, and a close button, with fades.
#pragma once

#include <windows.h>

inline constexpr const char kAboutTitle[] = "SMX About";
inline constexpr const char kHelpTooltip[] = "help,license and other info.";

// Runs the about box modally (template 101, no owner) until it is closed.
void RunAboutBox();
INT_PTR CALLBACK AboutBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
