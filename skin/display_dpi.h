// The Win32 half of display scaling: the DPI of a window or of the primary
// monitor, pictures loaded from the artwork set of a DPI, dialog controls
// placed in pixels from their template, and centring on a window's own
// monitor. Functions newer than the oldest supported Windows are looked up
// at run time, so the programs still start where they are missing.
#pragma once

#include <windows.h>

#include <vector>

#include "skin/picture_text.h"

// The DPI the window is shown at: its monitor's for a per-monitor aware
// program where the system tells it, else the system DPI.
int WindowDpi(HWND window);
// The primary monitor's DPI, or the system DPI where it cannot be asked.
int PrimaryMonitorDpi();

// Decodes PNG resource id from the artwork set for dpi (falling back to the
// 100 % picture when the set lacks it) and resizes it when the DPI lies
// between or beyond the sets. Same contract as LoadPngResource.
bool LoadPngResourceAtDpi(HWND window, int resourceId, int dpi, HBITMAP* bitmap, int size[2]);

// Moves every control of the dialog to its rectangle in dialog template
// templateId (of the dialog's module), in pixels at dpi with the design's
// 6 x 13 pixels per 4 x 8 units. False when the template cannot be read.
bool PlaceDialogControls(HWND dialog, int templateId, int dpi);

// The work area of the monitor the window is on or nearest to. Read from the monitor on every call; the
// SPI_GETWORKAREA answer only when the monitor cannot be asked.
RECT WorkAreaOf(HWND window);

// Centres the window in the work area of the monitor it is on.
void CenterWindowOnItsMonitor(HWND window);

// A point-size font at the given DPI (CreatePointFont uses the system's):
// its 96-DPI pixel height times dpi / 96, rounded down.
HFONT CreatePointFontAtDpi(const char* face, int points, int weight, int escapement, int dpi);

// Shows the dialog's background picture (its first static control) for the
// DPI: the template's bitmap bitmapId at 96 DPI, else the PNG resource of
// the same number from the DPI's artwork set. Sizes the dialog to the
// picture and returns its size (0 x 0 when nothing could be shown).
// With words, the picture is an opaque 32-bit copy with the words drawn
// into it at the DPI's scale (their rooms in the 100 % picture's pixels);
// called again, for another language, it draws them afresh on a clean copy.
SIZE ShowBackgroundAtDpi(HWND dialog, int bitmapId, int dpi, const std::vector<PictureText>& words = {});

// The display scale of a DPI in percent, as pictures' words are drawn at.
int ScalePercentOfDpi(int dpi);
// Frees the background picture: the static control does not free it when
// it is destroyed, so a dialog opened many times would keep every one.
void ReleaseBackground(HWND dialog);

// WM_DPICHANGED (Windows 8.1): the window reached a monitor of another scale.
inline constexpr UINT kDpiChangedMessage = 0x02E0;

// A dialog that lays itself out for every scale switches off the system's
// own rescaling of it and of its controls (Windows 10 1703 and later, found
// at run time), which would otherwise come on top of its own layout.
void TakeOverDialogScaling(HWND dialog);
// After the window was laid out for the new scale: places it at the
// rectangle that WM_DPICHANGED suggested, centred on it where its own size
// differs, so that a window dragged onto a monitor above or left of the
// first lands where the system put it. Nothing when no rectangle came.
void MoveToSuggestedRect(HWND window, const RECT* suggested);
// WM_DPICHANGED answered as handled by a dialog procedure.
INT_PTR DpiChangeHandled(HWND dialog);
