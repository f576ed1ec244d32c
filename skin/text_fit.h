// Text fitted to the room it has, and laid over a picture's pixels: a long
// text is first set smaller (down to a floor), then wrapped, and only then
// cut with an ellipsis; it is never clipped. Lines break at spaces, and
// between the characters of scripts written without them (Chinese,
// Japanese). No windows.h: the Win32 half measures and draws.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// U+2026, where a text too long for its line is cut.
inline constexpr char kEllipsis[] = "\xE2\x80\xA6";

// The width in pixels of a UTF-8 text in the font of em height `em`.
using MeasureText = std::function<int(int em, std::string_view text)>;

// The text when it fits `width` at `em`; else its longest start that fits
// with an ellipsis after it, cut between whole characters (never inside a
// UTF-8 sequence) and without the spaces before the ellipsis; empty when
// not even the ellipsis fits. Assumes a longer start never measures less.
std::string FitWithEllipsis(std::string_view text, int width, int em, const MeasureText& measure);

struct FittedText {
  int em = 0;
  std::vector<std::string> lines;  // each fits the width at em
};
// Fits a text into at most `maxLines` lines of `width`: on one line at the
// largest em from `em` down to `minEm` where it fits; else wrapped at
// spaces onto the lines at the largest such em; else at minEm, wrapped, with
// what does not fit cut by FitWithEllipsis.
FittedText FitText(std::string_view text, int width, int em, int minEm, int maxLines, const MeasureText& measure);

// Lays text of one colour (0xRRGGBB) over a straight-alpha 32-bit picture
// (bytes B, G, R, A per pixel): `coverage` holds, per pixel, how much of it
// the text covers (0..255), as GDI's anti-aliased drawing left it. Covered
// pixels blend towards the colour and become at least as opaque as the
// coverage; uncovered ones stay exactly as they were.
void BlendTextCoverage(std::uint8_t* bgra, const std::uint8_t* coverage, std::size_t pixels, std::uint32_t rgb);
