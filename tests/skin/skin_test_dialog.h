// A real test dialog for the skinned controls: created from the test
// resource, shown on the suite's display, with the owner's click
// notifications recorded, and screen pixels read back.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <vector>

#include "tests/skin/skin_test_ids.h"

namespace skintest {

struct Click {
  int id;
  bool toggleState;  // the watched toggle's state when the notification came
};

// Clicks the dialog's owner received, in order.
extern std::vector<Click> g_clicks;
// Called in WM_INITDIALOG / WM_DESTROY when set.
extern std::function<void(HWND)> g_onInit;
extern std::function<void(HWND)> g_onDestroy;
// Set to let BN_CLICKED record GetToggleState of this toggle.
struct SkinToggleProbe {
  bool (*read)(const void*);
  const void* object;
};
extern SkinToggleProbe g_toggleProbe;

// Creates the dialog at screen (40, 40), shows it and lets it paint.
HWND OpenDialog();
void CloseDialog(HWND dialog);
// Moves a dialog that has been activated out of the way instead of
// destroying it (which, for an activated window, waits for a window manager).
void ParkDialog(HWND dialog);
// Dispatches this thread's messages for about ms milliseconds.
void Pump(DWORD ms);

// The control's client pixels as 0x00RRGGBB, read from the screen.
struct Capture {
  int width = 0, height = 0;
  std::vector<uint32_t> pixels;
  uint32_t at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};
Capture CaptureWindow(HWND window);
uint32_t PixelOf(HWND window, int x, int y);
inline uint32_t Rgb(int r, int g, int b) { return static_cast<uint32_t>(r << 16 | g << 8 | b); }

// Client point of a window in screen coordinates.
POINT ScreenPoint(HWND window, int x, int y);
// Real mouse input through the X server.
void MouseMove(POINT p);
void MouseClick(POINT p);

}  // namespace skintest
