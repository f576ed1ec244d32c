// Layered windows and window effects: per-pixel-alpha pictures, fades of
// whole windows, centring, point-size fonts and tooltips. Used by both
// programs; every fade sleeps on the calling thread between its steps, and
// is a single step when the system's animations are off.
#pragma once

#include <windows.h>

// Set by start-up when the program was started hidden ("-m"); read by
// ShowMainWindow to centre the window the first time it is shown.
extern bool g_startedHidden;

// The header of a 32-bit top-down picture (blue, green, red, alpha), the
// form every picture of the program takes.
BITMAPINFO TopDown32BitmapInfo(int width, int height);

bool PremultiplyAlpha(HBITMAP bitmap);
void PaintLayeredBitmap(HWND window, HBITMAP bitmap, int width, int height);
void FadeLayeredBitmap(HWND window, HBITMAP bitmap, int width, int height, bool fadeIn, DWORD stepDelayMs);
void FadeOutWindow(HWND window, DWORD stepDelayMs, int startOpacity);
void FadeInWindow(HWND window, DWORD stepDelayMs, int opacityLimit);
void SetWindowOpacity(HWND window, int opacity);
// How many opacities the fades of this process have set so far, for the
// tests: a fade sets one when the system's animations are off.
unsigned long FadeStepCount();
void ApplyRegionResource(HWND window, int resourceId);
void CenterWindowOn(HWND window, HWND reference, HWND verticalReference);
void ShowMainWindow(HWND window);
HFONT CreatePointFont(const char* face, int points, int weight, int escapement);
// A tooltip over the dialog's control: `text` is the English text (UTF-8),
// shown in the language in use. Adding a tool for the same control again
// replaces its text.
bool AddTooltip(HWND dialog, const char* text, int controlId, bool balloon);
// Gives every tooltip added on this thread the words of the language in
// use now (after a change of language).
void RenewTooltips();
