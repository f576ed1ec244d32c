#include "hollow/word_picture.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "settings/wide_text.h"
#include "skin/display_scale.h"
#include "skin/layered_window.h"
#include "skin/picture_text.h"

namespace {

constexpr std::uint32_t kWordColour = 0xF2F0FF;
// The dark edge that keeps the words legible over any desktop.
constexpr std::uint32_t kEdgeColour = 0x14124A;
constexpr int kEdgePixels = 1;
// Letters set apart a little, as capitals read best (tenths of a pixel).
constexpr int kLetterSpacing = 12;
// Clear room on each side of the words for the edge and its blur.
constexpr int kSideMargin = 8;

int Scaled(int v, int scale) { return (v * scale + 50) / 100; }

// The width and line height the words take in the font they are drawn in.
SIZE MeasureWords(const std::wstring& words, int em, int spacing) {
  SIZE size = {0, 0};
  HFONT font = CreatePictureFont(em, FW_BOLD, false, words.c_str());
  HDC dc = CreateCompatibleDC(nullptr);
  if (font && dc) {
    HGDIOBJ old = SelectObject(dc, font);
    SetTextCharacterExtra(dc, spacing);
    GetTextExtentPoint32W(dc, words.c_str(), static_cast<int>(words.size()), &size);
    TEXTMETRICW tm = {};
    GetTextMetricsW(dc, &tm);
    size.cy = tm.tmHeight;
    SelectObject(dc, old);
  }
  if (dc) DeleteDC(dc);
  if (font) DeleteObject(font);
  return size;
}

}  // namespace

HBITMAP DrawWordPicture(const char* text, const WordPictureStyle& style, int dpi, int size[2]) {
  const int scale = (dpi > 0 ? dpi : kBaseDpi) * 100 / kBaseDpi;
  const int em = std::max(1, Scaled(style.em, scale));
  const int spacing = (kLetterSpacing * scale + 500) / 1000;
  const int edge = std::max(1, Scaled(kEdgePixels, scale));
  const SIZE words = MeasureWords(Widen(text), em, spacing);
  // The design's size, or as much as the words need: their width with
  // margins, the height of their line (whose leading and descent leave the
  // capitals room for the edge).
  const int width = std::max(Scaled(style.width, scale), static_cast<int>(words.cx) + 2 * Scaled(kSideMargin, scale));
  const int height = std::max(Scaled(style.height, scale), static_cast<int>(words.cy));

  BITMAPINFO info = TopDown32BitmapInfo(width, height);
  void* bits = nullptr;
  HBITMAP picture = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!picture || !bits) {
    if (picture) DeleteObject(picture);
    return nullptr;
  }
  std::memset(bits, 0, static_cast<std::size_t>(width) * height * 4);

  // The room is the picture, in its own pixels (drawn at 100 %, the sizes
  // scaled already): the words never need to shrink in it.
  PictureText t;
  t.right = width;
  t.bottom = height;
  t.text = text;
  t.em = em;
  t.align = TextAlign::Centre;
  t.weight = FW_BOLD;
  t.colour = kWordColour;
  t.spacing = spacing;
  t.halo = edge;
  t.haloColour = kEdgeColour;
  ForgetDrawnTexts(picture);
  DrawPictureTexts(picture, 100, {t});

  // Translucent over the desktop: every pixel's alpha scaled down.
  GdiFlush();
  auto* pixels = static_cast<std::uint8_t*>(bits);
  for (int i = 0; i < width * height; ++i) {
    std::uint8_t& alpha = pixels[static_cast<std::size_t>(i) * 4 + 3];
    alpha = static_cast<std::uint8_t>((alpha * style.opacity + 127) / 255);
  }
  size[0] = width;
  size[1] = height;
  return picture;
}
