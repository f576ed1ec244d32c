#include "reminders/text_check_draw.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "reminders/text_check.h"
#include "skin/layered_window.h"

namespace {

constexpr int kDesignWidth = 337;
constexpr std::uint32_t kWordColour = 0xE9EBFF;  // the artwork's text colour
constexpr std::uint32_t kTimeColour = 0xFFE9A8;  // its warm accent

// A bold face the artwork's own look comes closest to: DejaVu Sans where
// it is installed, else Tahoma, which every Windows has.
HFONT BoldFont(HDC dc, int emPixels) {
  for (const char* face : {"DejaVu Sans", "Tahoma"}) {
    HFONT font = CreateFontA(-emPixels, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_TT_PRECIS,
                             CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, DEFAULT_PITCH | FF_SWISS, face);
    if (!font) continue;
    HGDIOBJ old = SelectObject(dc, font);
    char got[LF_FACESIZE] = {};
    GetTextFaceA(dc, LF_FACESIZE, got);
    SelectObject(dc, old);
    if (std::strcmp(got, face) == 0 || std::strcmp(face, "Tahoma") == 0) return font;
    DeleteObject(font);
  }
  return nullptr;
}

// Draws one line white on black into the mask, centred in its box, and
// blends that coverage into the picture in `colour`. Text wider than its
// box (a font wider than the layout's bound) is drawn smaller until it fits.
bool DrawLine(HDC dc, std::uint8_t* mask, int width, int height,
              const CheckRect& box, int em, const char* text, std::uint32_t colour, std::uint8_t* picture,
              int pictureStride, bool bottomUp) {
  const int boxWidth = box.right - box.left;
  HFONT font = nullptr;
  SIZE size = {};
  for (int tryEm = em; tryEm >= em / 2; tryEm -= 1) {
    if (font) DeleteObject(font);
    font = BoldFont(dc, tryEm);
    if (!font) return false;
    HGDIOBJ old = SelectObject(dc, font);
    GetTextExtentPoint32A(dc, text, static_cast<int>(std::strlen(text)), &size);
    SelectObject(dc, old);
    if (size.cx <= boxWidth) break;
  }
  std::memset(mask, 0, static_cast<std::size_t>(width) * height * 4);
  GdiFlush();
  HGDIOBJ old = SelectObject(dc, font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(255, 255, 255));
  RECT r = {box.left, box.top, box.right, box.bottom};
  DrawTextA(dc, text, -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  SelectObject(dc, old);
  DeleteObject(font);
  GdiFlush();
  // The mask's rows and the picture's may run in opposite directions.
  std::vector<std::uint8_t> coverage(static_cast<std::size_t>(width));
  for (int y = 0; y < height; ++y) {
    const std::uint8_t* m = mask + static_cast<std::size_t>(y) * width * 4;
    bool any = false;
    for (int x = 0; x < width; ++x) {
      const std::uint8_t* p = m + x * 4;
      std::uint8_t k = p[0] > p[1] ? p[0] : p[1];
      if (p[2] > k) k = p[2];
      coverage[static_cast<std::size_t>(x)] = k;
      any = any || k != 0;
    }
    if (!any) continue;
    const int row = bottomUp ? height - 1 - y : y;
    BlendTextCoverage(picture + static_cast<std::size_t>(row) * pictureStride, coverage.data(),
                      static_cast<std::size_t>(width), colour);
  }
  return true;
}

// Whether the first row in memory of the bitmap selected into `dc` is its
// top row, found by setting the top-left pixel through GDI and seeing
// where it lands (the header's sign is not reported the same way
// everywhere). The pixel is restored.
bool TopRowFirst(HDC dc, std::uint8_t* bits, int stride, int height) {
  std::uint8_t* first = bits;
  std::uint8_t* last = bits + static_cast<std::size_t>(height - 1) * stride;
  std::uint8_t keepFirst[4], keepLast[4];
  GdiFlush();
  std::memcpy(keepFirst, first, 4);
  std::memcpy(keepLast, last, 4);
  first[0] = first[1] = first[2] = 0;
  SetPixelV(dc, 0, 0, RGB(0x5A, 0xC3, 0x3C));
  GdiFlush();
  const bool topFirst = first[0] == 0x3C && first[1] == 0xC3 && first[2] == 0x5A;
  std::memcpy(first, keepFirst, 4);
  std::memcpy(last, keepLast, 4);
  return topFirst;
}

}  // namespace

bool DrawTextCheck(HBITMAP picture, const char* word, const char* clock) {
  DIBSECTION dib = {};
  if (!picture || GetObjectA(picture, sizeof dib, &dib) != sizeof dib) return false;
  if (dib.dsBm.bmBitsPixel != 32 || !dib.dsBm.bmBits) return false;
  const int width = dib.dsBm.bmWidth;
  const int height = std::abs(dib.dsBm.bmHeight);
  if (width <= 0 || height <= 0) return false;

  // A top-down mask the size of the picture: GDI draws the text into it,
  // never into the picture, whose alpha GDI would wipe.
  BITMAPINFO info = TopDown32BitmapInfo(width, height);
  HDC dc = CreateCompatibleDC(nullptr);
  if (!dc) return false;
  void* bits = nullptr;
  HBITMAP mask = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!mask || !bits) {
    if (mask) DeleteObject(mask);
    DeleteDC(dc);
    return false;
  }
  auto* pixels = static_cast<std::uint8_t*>(dib.dsBm.bmBits);
  const int stride = dib.dsBm.bmWidthBytes;
  auto* maskBits = static_cast<std::uint8_t*>(bits);
  HGDIOBJ oldMask = SelectObject(dc, picture);
  const bool pictureDown = TopRowFirst(dc, pixels, stride, height);
  SelectObject(dc, mask);
  const bool maskDown = TopRowFirst(dc, maskBits, width * 4, height);
  // Rows of the mask are read in the picture's order.
  const bool bottomUp = pictureDown != maskDown;
  const int scale = (width * 100 + kDesignWidth / 2) / kDesignWidth;
  const TextCheckLayout layout = LayOutTextCheck(scale);
  bool ok = DrawLine(dc, maskBits, width, height, layout.word, layout.wordEm, word, kWordColour, pixels,
                     stride, bottomUp);
  ok = DrawLine(dc, maskBits, width, height, layout.time, layout.timeEm, clock, kTimeColour, pixels, stride,
                bottomUp) && ok;
  SelectObject(dc, oldMask);
  DeleteObject(mask);
  DeleteDC(dc);
  GdiFlush();
  return ok;
}
