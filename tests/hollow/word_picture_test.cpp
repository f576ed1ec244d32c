// hollow's questions drawn at run time (hollow/word_picture.cpp), under
// Wine with its fonts: the English pictures keep the artwork's sizes at
// every scale, stay translucent with a clear edge, and a longer text gets a
// wider picture instead of being cut.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "hollow/word_picture.h"

namespace {

struct Pixels {
  int width = 0, height = 0;
  std::vector<std::uint8_t> bgra;  // straight alpha, top row first
  int Alpha(int x, int y) const { return bgra[(static_cast<std::size_t>(y) * width + x) * 4 + 3]; }
  int MostAlpha() const {
    int most = 0;
    for (std::size_t i = 3; i < bgra.size(); i += 4) most = std::max<int>(most, bgra[i]);
    return most;
  }
  // The most opaque pixels' colour is the words', bright; the faint ones
  // around them hold the dark edge.
  bool HasDarkEdge() const {
    for (std::size_t i = 0; i < bgra.size(); i += 4) {
      if (bgra[i + 3] > 20 && bgra[i] < 0x60 && bgra[i + 1] < 0x40 && bgra[i + 2] < 0x40) return true;
    }
    return false;
  }
  bool ColumnClear(int x) const {
    for (int y = 0; y < height; ++y) {
      if (Alpha(x, y) != 0) return false;
    }
    return true;
  }
};

Pixels Draw(const char* text, const WordPictureStyle& style, int dpi) {
  Pixels p;
  int size[2] = {0, 0};
  HBITMAP picture = DrawWordPicture(text, style, dpi, size);
  EXPECT_NE(picture, nullptr) << text;
  if (!picture) return p;
  DIBSECTION dib = {};
  EXPECT_EQ(GetObjectA(picture, sizeof dib, &dib), static_cast<int>(sizeof dib));
  EXPECT_EQ(dib.dsBm.bmBitsPixel, 32);
  p.width = size[0];
  p.height = size[1];
  EXPECT_EQ(dib.dsBm.bmWidth, p.width);
  const auto* bits = static_cast<const std::uint8_t*>(dib.dsBm.bmBits);
  p.bgra.assign(bits, bits + static_cast<std::size_t>(p.width) * p.height * 4);
  DeleteObject(picture);
  return p;
}

constexpr WordPictureStyle kDreaming = {249, 27, 21, 163};
constexpr WordPictureStyle kDream = {264, 26, 19, 143};

TEST(WordPicture, EnglishQuestionsTakeTheArtworksSizeAtEachScale) {
  const struct {
    const char* text;
    WordPictureStyle style;
  } questions[] = {{"AM I DREAMING ?", kDreaming}, {"IS THIS A DREAM ?", kDream}};
  for (const auto& q : questions) {
    for (int dpi : {96, 120, 144, 192}) {
      SCOPED_TRACE(std::string(q.text) + " at " + std::to_string(dpi));
      const Pixels p = Draw(q.text, q.style, dpi);
      EXPECT_EQ(p.width, (q.style.width * dpi + 48) / 96);
      EXPECT_EQ(p.height, (q.style.height * dpi + 48) / 96);
    }
  }
}

TEST(WordPicture, WordsAreTranslucentWithADarkEdgeAndClearCorners) {
  for (const auto& [text, style] : {std::pair<const char*, WordPictureStyle>{"AM I DREAMING ?", kDreaming},
                                    {"IS THIS A DREAM ?", kDream}}) {
    SCOPED_TRACE(text);
    const Pixels p = Draw(text, style, 96);
    ASSERT_GT(p.width, 0);
    // At most the window's opacity, and not much less: clearly visible.
    EXPECT_LE(p.MostAlpha(), style.opacity);
    EXPECT_GE(p.MostAlpha(), style.opacity - 15);
    EXPECT_TRUE(p.HasDarkEdge());
    EXPECT_EQ(p.Alpha(0, 0), 0);
    EXPECT_EQ(p.Alpha(p.width - 1, p.height - 1), 0);
  }
}

TEST(WordPicture, ALongerQuestionWidensThePictureAndStaysWhole) {
  const char* longer = "\xC2\xBF" "ESTOY SO\xC3\x91" "ANDO AHORA MISMO, DE VERDAD ?";
  const Pixels p = Draw(longer, kDreaming, 96);
  EXPECT_GT(p.width, 300);
  EXPECT_EQ(p.height, 27);
  // Nothing reaches the picture's sides: the words were not cut or clipped.
  EXPECT_TRUE(p.ColumnClear(0));
  EXPECT_TRUE(p.ColumnClear(p.width - 1));
  const Pixels wide = Draw(longer, kDreaming, 192);
  EXPECT_GE(wide.width, 2 * p.width - 8);
}

}  // namespace
