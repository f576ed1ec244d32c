// The colours of the practice's windows, taken from their artwork: My
// Practice draws its weeks with them (its legend shows the same ones), and
// the dream journal and the morning question's "Write it down" are skinned
// with them.
#pragma once

#include <windows.h>

#include <cstdint>

inline constexpr COLORREF kCheckedColour = RGB(0x8f, 0x9b, 0xff);
inline constexpr COLORREF kDismissedColour = RGB(0x47, 0x4d, 0x96);
inline constexpr COLORREF kTodayColour = RGB(0x20, 0x27, 0x62);
inline constexpr COLORREF kBaselineColour = RGB(0x3a, 0x41, 0x90);
inline constexpr COLORREF kTextColour = RGB(0xe9, 0xeb, 0xff);
inline constexpr COLORREF kMutedColour = RGB(0x9e, 0xa6, 0xdc);
inline constexpr COLORREF kWarmColour = RGB(0xff, 0xe9, 0xa8);
// The night sky behind the journal's controls, and their fields.
inline constexpr COLORREF kNightColour = RGB(0x17, 0x1b, 0x45);
inline constexpr COLORREF kFieldColour = RGB(0x0f, 0x12, 0x33);

// A colour as skin/picture_text.h takes it: 0xRRGGBB.
inline constexpr std::uint32_t PictureColour(COLORREF c) {
  return (static_cast<std::uint32_t>(GetRValue(c)) << 16) | (static_cast<std::uint32_t>(GetGValue(c)) << 8) |
         GetBValue(c);
}
