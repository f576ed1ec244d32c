// The keyboard focus mark of the skinned controls: a rounded outline in the
// artwork's warm accent, drawn over the control's picture while it has the
// focus. The shape and its anti-aliased pixels are plain arithmetic; the
// Win32 half (focus_mark_draw.cpp) decides when it shows and blends it in.
#pragma once

#include <cstdint>
#include <vector>

// The warm accent of the artwork (the hover rims and lit glyphs), as
// 0xRRGGBB.
constexpr std::uint32_t kFocusMarkRgb = 0xFFE9A8;

// Where the outline runs inside a picture of width x height pixels: a
// rounded rectangle whose corners are half its shorter side (a circle round
// a round button, a pill round a pill). A picture much taller than wide (the
// title row's x and ?, a small disc in a tall strip) gets a circle as wide
// as the picture, centred in its height. The stroke is 2 pixels at 96 DPI,
// scaled with the display.
struct FocusMarkShape {
  double left = 0, top = 0, right = 0, bottom = 0;
  double radius = 0;
  double thickness = 0;
};
FocusMarkShape FocusMarkFor(int width, int height, int dpi);

// The mark as width x height premultiplied BGRA pixels (top row first) of
// the colour `rgb`: each pixel covered by the stroke in proportion to the
// area the stroke covers, 0 elsewhere. Empty for an empty picture.
std::vector<std::uint32_t> FocusMarkPixels(int width, int height, int dpi, std::uint32_t rgb);
