// Display-scale arithmetic on the host: the artwork set chosen for a DPI,
// the resource numbers of the sets, dialog units in pixels at a DPI, the
// dialog template reader and the picture resizer.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "resources/resource_ids.h"
#include "skin/dialog_template.h"
#include "skin/display_scale.h"
#include "skin/picture_scale.h"

namespace {

TEST(DisplayScale, EachDpiTakesTheSmallestSetNotBelowItsScale) {
  const int cases[][2] = {{96, 100}, {72, 100}, {0, 100}, {-5, 100}, {97, 125}, {120, 125}, {121, 150},
                          {144, 150}, {145, 200}, {168, 200}, {192, 200}, {288, 200}, {480, 200}};
  for (const auto& c : cases) EXPECT_EQ(ArtworkScaleForDpi(c[0]), c[1]) << c[0];
}

TEST(DisplayScale, SetNumbersAreTheListedBasesPlusTheDesignNumber) {
  EXPECT_EQ(ScaledPictureId(IDP_TEST, 100), IDP_TEST);
  EXPECT_EQ(ScaledPictureId(IDP_TEST, 125), IDS_SET_BASE_125 + IDP_TEST);
  EXPECT_EQ(ScaledPictureId(IDB_MAIN_BACKGROUND, 150), IDS_SET_BASE_150 + IDB_MAIN_BACKGROUND);
  EXPECT_EQ(ScaledPictureId(IDP_MOON_DREAM, 200), IDS_SET_BASE_200 + IDP_MOON_DREAM);
  // No set's numbers reach the next set's, nor the limit of resource numbers.
  EXPECT_LT(ScaledPictureId(IDB_ABOUT_BACKGROUND, 125), IDS_SET_BASE_150);
  EXPECT_LT(ScaledPictureId(IDB_ABOUT_BACKGROUND, 150), IDS_SET_BASE_200);
  EXPECT_LT(ScaledPictureId(IDB_ABOUT_BACKGROUND, 200), 65536);
}

TEST(DisplayScale, DialogUnitsBecomeTheDesignsPixelsTimesTheScale) {
  // The tips panel (160, 68, 87, 109): at 96 DPI where the artwork of the
  // 6 x 13 design puts it, and each value rounded once at the larger scales.
  const DialogUnitRect tips{160, 68, 87, 109};
  const struct {
    int dpi;
    PixelRect px;
  } cases[] = {{96, {240, 111, 131, 177}}, {120, {300, 138, 163, 221}}, {144, {360, 166, 196, 266}},
               {192, {480, 221, 261, 354}}, {48, {120, 55, 65, 89}}};
  for (const auto& c : cases) {
    const PixelRect r = DialogUnitsToPixels(tips, c.dpi);
    EXPECT_EQ(r.left, c.px.left) << c.dpi;
    EXPECT_EQ(r.top, c.px.top) << c.dpi;
    EXPECT_EQ(r.width, c.px.width) << c.dpi;
    EXPECT_EQ(r.height, c.px.height) << c.dpi;
  }
  // Negative places (a control left of the dialog) round the same way.
  EXPECT_EQ(DialogUnitsToPixels(DialogUnitRect{-3, -3, 0, 0}, 96).left, -5);
  EXPECT_EQ(ScalePixels(428, 144), 642);
  EXPECT_EQ(ScalePixels(147, 144), 221);
  EXPECT_EQ(ScalePixels(10, 120), 13);
}

// A DLGTEMPLATEEX as 16-bit words: the header with its font, a static with
// id -1, class and title by name, then a button by ordinals with three
// bytes of creation data (each item starts on a 4-byte boundary).
const std::uint16_t kTemplate[] = {
    1, 0xFFFF, 0, 0, 0, 0, 0x0840, 0x8088, 2, 0, 0, 285, 229,  // header, 2 items
    0, 0, 'S', 0,                                              // no menu, class, title "S"
    8, 400, 0x0100, 'M', 'S', 0,                               // 8 pt, weight, italic/charset, face
    0,                                                         // padding
    0, 0, 0, 0, 0, 0, 0, 0, 285, 229, 0xFFFF, 0xFFFF,          // static: rect, id -1
    'S', 0, 'B', 0, 0,                                         // class "S", title "B", no data
    0,                                                         // padding
    0, 0, 0, 0, 0, 0, 72, 160, 11, 14, 1001, 0,                // button: rect, id 1001
    0xFFFF, 0x0080, 0xFFFF, 7, 3, 0xABAB, 0x00AB,              // class, title, 3 bytes of data
};

std::vector<std::uint8_t> TemplateBytes() {
  std::vector<std::uint8_t> b;
  for (std::uint16_t w : kTemplate) {
    b.push_back(static_cast<std::uint8_t>(w));
    b.push_back(static_cast<std::uint8_t>(w >> 8));
  }
  b.pop_back();  // the data's last byte ends the template
  return b;
}

TEST(DialogTemplate, ReadsEveryControlInTemplateOrder) {
  const std::vector<std::uint8_t> t = TemplateBytes();
  DialogTemplateLayout layout;
  ASSERT_TRUE(ReadDialogTemplate(t.data(), t.size(), &layout));
  EXPECT_EQ(layout.dialog.width, 285);
  EXPECT_EQ(layout.dialog.height, 229);
  ASSERT_EQ(layout.controls.size(), 2u);
  EXPECT_EQ(layout.controls[0].id, -1);
  EXPECT_EQ(layout.controls[0].rect.width, 285);
  EXPECT_EQ(layout.controls[1].id, 1001);
  EXPECT_EQ(layout.controls[1].rect.x, 72);
  EXPECT_EQ(layout.controls[1].rect.y, 160);
  EXPECT_EQ(layout.controls[1].rect.height, 14);
}

TEST(DialogTemplate, RefusesOtherFormatsAndCutTemplates) {
  std::vector<std::uint8_t> t = TemplateBytes();
  DialogTemplateLayout layout;
  // Every cut ends inside a field the reader needs.
  for (std::size_t size = 0; size < t.size(); ++size) {
    EXPECT_FALSE(ReadDialogTemplate(t.data(), size, &layout)) << size;
    EXPECT_TRUE(layout.controls.empty());
  }
  t[2] = 0;  // a DLGTEMPLATE (no 0xFFFF signature)
  EXPECT_FALSE(ReadDialogTemplate(t.data(), t.size(), &layout));
  EXPECT_FALSE(ReadDialogTemplate(nullptr, 100, &layout));
}

std::vector<std::uint8_t> Picture(int w, int h, std::uint8_t (*pixel)(int x, int y, int k)) {
  std::vector<std::uint8_t> p(std::size_t(w) * h * 4);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      for (int k = 0; k < 4; ++k) p[(std::size_t(y) * w + x) * 4 + k] = pixel(x, y, k);
  return p;
}

TEST(PictureScale, SameSizeCopiesAndFlatColourStaysFlat) {
  const auto noisy = Picture(7, 5, [](int x, int y, int k) { return std::uint8_t((x * 37 + y * 11 + k * 71) & 255); });
  std::vector<std::uint8_t> copy(noisy.size());
  ResizePixels(noisy.data(), 7, 5, copy.data(), 7, 5);
  EXPECT_EQ(copy, noisy);
  const auto flat = Picture(4, 3, [](int, int, int k) { return std::uint8_t(k == 3 ? 255 : 40 + k * 60); });
  for (const auto& size : {std::pair<int, int>{5, 4}, {3, 2}, {9, 7}, {1, 1}}) {
    std::vector<std::uint8_t> out(std::size_t(size.first) * size.second * 4);
    ResizePixels(flat.data(), 4, 3, out.data(), size.first, size.second);
    for (std::size_t i = 0; i < out.size(); ++i) ASSERT_EQ(out[i], flat[i % 4]) << size.first << "x" << size.second;
  }
}

TEST(PictureScale, EnlargingKeepsTheEdgesAndBlendsBetweenThem) {
  // Black then white, enlarged from 2 to 5 pixels: the ends stay, the
  // middle is grey and the values only rise.
  const auto ramp = Picture(2, 1, [](int x, int, int) { return std::uint8_t(x ? 255 : 0); });
  std::vector<std::uint8_t> out(5 * 4);
  ResizePixels(ramp.data(), 2, 1, out.data(), 5, 1);
  EXPECT_EQ(out[0], 0);
  EXPECT_EQ(out[16], 255);
  EXPECT_EQ(out[8], 128);
  for (int x = 1; x < 5; ++x) EXPECT_GE(out[x * 4], out[(x - 1) * 4]);
}

}  // namespace
