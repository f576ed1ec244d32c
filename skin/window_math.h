// The arithmetic of the layered-window functions that needs no window: the
// premultiply pass over 32-bit pixels, the opacity series of the fades and
// the centring and clamping sums. The Win32 functions in layered_window.cpp
// call these, so what is tested here is what the windows get.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Multiplies blue, green and red of each 4-byte pixel (blue, green, red,
// alpha) by its alpha, divided by 256 with truncation; alpha stays. Rows may
// be padded: rowBytes is the distance between row starts. The divisor 256
// makes an opaque 255 become 254, and the pass is not idempotent.
void PremultiplyPixels(std::uint8_t* pixels, std::size_t width, std::size_t rows, std::size_t rowBytes);

// Constant alphas of a per-pixel-alpha fade, in the order they are set:
// fading in 0, 5, ..., 255 (52 values), fading out the reverse ending at 0.
// A sleep follows every value but the first.
//
// With `animate` false (the system's "Show animations" is off) every fade
// below is one value, where it would end, and no sleep: a window appears
// and disappears at once.
std::vector<int> LayeredFadeSeries(bool fadeIn, bool animate = true);

// Opacities a whole-window fade-in sets: 0, 5, ... while below the limit
// (so the limit itself never). Empty for a limit of 0 or less. A sleep
// follows every value. Without animation: the limit alone.
std::vector<int> WindowFadeInSeries(int opacityLimit, bool animate = true);

// Opacities a whole-window fade-out sets: start, start - 10, ... while
// above 0. Empty for a start of 0 or less. A sleep follows every value.
// Without animation: 0 alone, the window then being gone at once.
std::vector<int> WindowFadeOutSeries(int startOpacity, bool animate = true);

struct ScreenRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

struct ScreenPoint {
  int x = 0;
  int y = 0;
};

// Top-left corner that centres a width x height window in the work area.
// Signed division truncating toward zero; no clamping (a window larger than
// the work area gets a corner above and left of it).
ScreenPoint CentreInWorkArea(const ScreenRect& work, int width, int height);

// Top-left corner that centres a window horizontally on reference and
// vertically on verticalReference, then keeps it on a screenWidth x
// screenHeight primary screen: negative coordinates become 0, then a window
// passing the right or bottom edge is moved back to end there. That second
// clamp comes last, so a window larger than the screen ends negative.
ScreenPoint CentreOnReference(const ScreenRect& reference, const ScreenRect& verticalReference, int width,
                              int height, int screenWidth, int screenHeight);

// A foreground window as the full-screen rule sees it: whether it has a
// caption or a sizing frame, and its rectangle on the screen.
struct WindowShape {
  bool caption = false;
  bool sizingFrame = false;
  ScreenRect rect;
};

// True for a full-screen program: a window without caption and sizing frame
// whose rectangle covers its whole monitor. An ordinary maximized window
// never counts, though its rectangle reaches past the monitor by its
// invisible borders wherever the work area is the whole monitor.
bool CoversMonitorFullScreen(const WindowShape& window, const ScreenRect& monitor);
