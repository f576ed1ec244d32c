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

// A rectangle of a picture, in its pixels; empty when right <= left or
// bottom <= top.
struct MarkArea {
  int left = 0, top = 0, right = 0, bottom = 0;
  bool empty() const { return right <= left || bottom <= top; }
};

// What a button's hover lights: the bounding box of the pixels (0xAARRGGBB,
// top row first) where its normal and hover pictures differ by more than
// the smoothing of their edges. Empty when they do not differ. A button's
// picture holds the background around its shape (the sky, a star, a card);
// its hover picture differs only in the shape and its glow, so this box is
// the shape, wherever in the picture it sits.
MarkArea LitArea(const std::uint32_t* normal, const std::uint32_t* hover, int width, int height);

// Where the outline runs: round the area (the whole picture when it is
// empty), as a rounded rectangle whose corners are half its shorter side, a
// circle round a round button, a pill round a pill. The stroke is 2 pixels
// at 96 DPI, scaled with the display; it runs just outside the area where
// the picture has room for it on every side, else inside the area.
struct FocusMarkShape {
  double left = 0, top = 0, right = 0, bottom = 0;
  double radius = 0;
  double thickness = 0;
};
FocusMarkShape FocusMarkFor(int width, int height, MarkArea area, int dpi);

// The mark over a width x height picture as premultiplied BGRA pixels (top
// row first) of the colour `rgb`: each pixel covered by the stroke in
// proportion to the area the stroke covers, 0 elsewhere. Empty for an
// empty picture.
std::vector<std::uint32_t> FocusMarkPixels(int width, int height, MarkArea area, int dpi, std::uint32_t rgb);
