// Value controls and RotateBitmap on a real dialog under Wine: thumbs,
// arrows with their repeat timer, bars read back from the screen.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "skin/skin_values.h"
#include "tests/skin/skin_test_dialog.h"
#include "tests/support/win32_harness.h"

using namespace skintest;

namespace {

const uint32_t kTrack = Rgb(50, 50, 50), kThumb = Rgb(255, 128, 0);
const uint32_t kBarBack = Rgb(10, 10, 10), kBarFill = Rgb(0, 255, 0), kBarThumb = Rgb(255, 255, 255);
const uint32_t kArrow = Rgb(0, 128, 255), kArrowHover = Rgb(128, 0, 255);

LPARAM At(int x, int y) { return MAKELPARAM(x, y); }

// A 32-bit top-down picture painted by a function of (x, y) giving 0xRRGGBB.
template <typename F>
HBITMAP MakePicture(int w, int h, F colour) {
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = w;
  info.bmiHeader.biHeight = -h;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP b = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  auto* p = static_cast<uint32_t*>(bits);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) p[y * w + x] = colour(x, y);
  }
  return b;
}

// Any bitmap's pixels as 0xRRGGBB, top row first.
Capture ReadPicture(HBITMAP b) {
  BITMAP bm = {};
  GetObjectA(b, sizeof bm, &bm);
  Capture c;
  c.width = bm.bmWidth;
  c.height = std::abs(bm.bmHeight);
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = c.width;
  info.bmiHeader.biHeight = -c.height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  c.pixels.resize(static_cast<size_t>(c.width) * c.height);
  HDC screen = GetDC(nullptr);
  GetDIBits(screen, b, 0, c.height, c.pixels.data(), &info, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  for (uint32_t& v : c.pixels) v &= 0xFFFFFF;
  return c;
}

TEST(RotateBitmap, ZeroDegreesReturnsTheSamePicture) {
  HBITMAP source = MakePicture(24, 40, [](int, int) { return 0xFF0000u; });
  EXPECT_EQ(RotateBitmap(source, 0, 0), source);
  DeleteObject(source);
}

TEST(RotateBitmap, QuarterTurnPutsThePixelsWhereTheTurnedPictureIs) {
  // Red, with a green band along the top edge and a blue column at the left.
  HBITMAP source = MakePicture(24, 40, [](int x, int y) { return y < 4 ? 0x00FF00u : x < 3 ? 0x0000FFu : 0xFF0000u; });
  HBITMAP turned = RotateBitmap(source, 90, RGB(255, 255, 255));
  ASSERT_NE(turned, nullptr);
  ASSERT_NE(turned, source);
  const Capture c = ReadPicture(turned);
  ASSERT_EQ(c.width, 40);
  ASSERT_EQ(c.height, 24);
  // Turned counter-clockwise: the top edge becomes the left edge and the
  // left edge the bottom.
  EXPECT_EQ(c.at(1, 12), 0x00FF00u);
  EXPECT_EQ(c.at(20, 22), 0x0000FFu);
  EXPECT_EQ(c.at(20, 10), 0xFF0000u);
  EXPECT_EQ(c.at(38, 1), 0xFF0000u);
  // The source is left as it was.
  EXPECT_EQ(ReadPicture(source).at(10, 20), 0xFF0000u);
  DeleteObject(turned);
  DeleteObject(source);
}

TEST(RotateBitmap, AreaOutsideTheTurnedPictureHasTheBackgroundColour) {
  HBITMAP source = MakePicture(20, 20, [](int, int) { return 0xFF0000u; });
  HBITMAP turned = RotateBitmap(source, 45, RGB(0, 0, 255));
  ASSERT_NE(turned, nullptr);
  const Capture c = ReadPicture(turned);
  ASSERT_GE(c.width, 27);
  ASSERT_GE(c.height, 27);
  EXPECT_EQ(c.at(0, 0), 0x0000FFu);
  EXPECT_EQ(c.at(c.width - 1, c.height - 1), 0x0000FFu);
  EXPECT_EQ(c.at(c.width / 2, c.height / 2), 0xFF0000u);
  DeleteObject(turned);
  DeleteObject(source);
}

class SkinValues : public ::testing::Test {
 protected:
  void SetUp() override {
    dialog = OpenDialog();
    ASSERT_NE(dialog, nullptr);
    Init(&manager, dialog, nullptr);
  }
  void TearDown() override {
    ReleaseSkin(&manager);
    ParkDialog(dialog);
  }
  HWND Item(int id) { return GetDlgItem(dialog, id); }
  RECT InParent(HWND w) {
    RECT r;
    GetWindowRect(w, &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    return r;
  }

  HWND dialog = nullptr;
  SkinManager manager;
};

TEST_F(SkinValues, SliderThumbFollowsADragAndStopsShortPastTheFarEnd) {
  SkinSlider s;
  HWND w = AttachSlider(&manager, &s, IDC_SLIDER, IDP_T_SLIDER_TRACK, IDP_T_SLIDER_THUMB);
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(s.maxX, 110);
  EXPECT_EQ(PixelOf(w, 5, 8), kThumb);
  EXPECT_EQ(PixelOf(w, 60, 8), kTrack);

  SendMessageA(w, WM_LBUTTONDOWN, MK_LBUTTON, At(20, 8));
  EXPECT_EQ(s.x, 20);
  SendMessageA(w, WM_MOUSEMOVE, MK_LBUTTON, At(60, 8));
  EXPECT_EQ(s.x, 60);
  EXPECT_EQ(PixelOf(w, 65, 8), kThumb);
  SendMessageA(w, WM_MOUSEMOVE, MK_LBUTTON, At(400, 8));  // one quick move far past the end
  EXPECT_EQ(s.x, 60);
  SendMessageA(w, WM_MOUSEMOVE, MK_LBUTTON, At(65535, 8));  // left of the control
  EXPECT_EQ(s.x, 60);
  SendMessageA(w, WM_LBUTTONUP, 0, At(400, 8));
  SendMessageA(w, WM_MOUSEMOVE, 0, At(30, 8));  // not dragging
  EXPECT_EQ(s.x, 60);

  SendMessageA(w, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), At(0, 0));
  EXPECT_EQ(s.x, 65);
  StepSlider(&s, 1000);
  EXPECT_EQ(s.x, 110);
  StepSlider(&s, -1000);
  EXPECT_EQ(s.x, 0);
}

TEST_F(SkinValues, SliderDraggedPastTheEndWithTheRealMouseStaysShort) {
  SkinSlider s;
  HWND w = AttachSlider(&manager, &s, IDC_SLIDER, IDP_T_SLIDER_TRACK, IDP_T_SLIDER_THUMB);
  ASSERT_NE(w, nullptr);
  SetForegroundWindow(dialog);
  Pump(100);
  const POINT start = ScreenPoint(w, 20, 8), middle = ScreenPoint(w, 50, 8), beyond = ScreenPoint(w, 500, 8);
  harness::RunUnix("/usr/bin/xdotool mousemove " + std::to_string(start.x) + " " + std::to_string(start.y) +
                   " mousedown 1 sleep 0.2 mousemove " + std::to_string(middle.x) + " " + std::to_string(middle.y) +
                   " sleep 0.2 mousemove " + std::to_string(beyond.x) + " " + std::to_string(beyond.y) +
                   " sleep 0.2 mouseup 1");
  Pump(800);
  EXPECT_EQ(s.dragging, 0) << "x " << s.x << " capture " << (GetCapture() == w);
  EXPECT_GE(s.x, 20);
  EXPECT_LT(s.x, s.maxX);
}

TEST_F(SkinValues, VerticalSliderTurnsItsArtworkAndMovesUpOnAForwardNotch) {
  SkinSlider s;
  s.vertical = 1;
  HWND w = AttachSlider(&manager, &s, IDC_VSLIDER, IDP_T_SLIDER_TRACK, IDP_T_SLIDER_THUMB);
  ASSERT_NE(w, nullptr);
  RECT r;
  GetClientRect(w, &r);
  EXPECT_EQ(r.right, 16);
  EXPECT_EQ(r.bottom, 120);
  EXPECT_EQ(s.maxY, 110);
  StepSlider(&s, 50);
  SendMessageA(w, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), At(0, 0));
  EXPECT_EQ(s.y, 45);
  EXPECT_EQ(PixelOf(w, 8, 50), kThumb);
  EXPECT_EQ(PixelOf(w, 8, 20), kTrack);
}

TEST_F(SkinValues, ArrowsArePlacedBesideTheirSliderWithTheStepSign) {
  SkinSlider s;
  HWND sw = AttachSlider(&manager, &s, IDC_SLIDER, IDP_T_SLIDER_TRACK, IDP_T_SLIDER_THUMB);
  ASSERT_NE(sw, nullptr);
  MoveWindow(sw, 100, 50, 120, 16, TRUE);
  SkinArrowButton up, right;
  up.step = 3;
  right.step = 3;
  HWND uw = AttachArrow(&manager, &up, &s, IDC_ARROW1, 1, IDP_T_ARROW, IDP_T_ARROW_HOVER, 0);
  HWND rw = AttachArrow(&manager, &right, &s, IDC_ARROW2, 4, IDP_T_ARROW, IDP_T_ARROW_HOVER, 0);
  ASSERT_NE(uw, nullptr);
  ASSERT_NE(rw, nullptr);
  const RECT u = InParent(uw), r = InParent(rw);
  EXPECT_EQ(u.left, 99);
  EXPECT_EQ(u.top, 26);
  EXPECT_EQ(u.right - u.left, 12);
  EXPECT_EQ(u.bottom - u.top, 24);
  EXPECT_EQ(up.step, -3);
  EXPECT_EQ(r.left, 220);
  EXPECT_EQ(r.top, 49);
  EXPECT_EQ(r.right - r.left, 24);
  EXPECT_EQ(right.step, 3);
  EXPECT_EQ(manager.arrows.size(), 2u);

  EXPECT_EQ(PixelOf(rw, 12, 6), kArrow);
  SendMessageA(rw, WM_MOUSEMOVE, 0, At(3, 3));
  EXPECT_EQ(PixelOf(rw, 12, 6), kArrowHover);
  ResetArrows(&manager);
  EXPECT_EQ(PixelOf(rw, 12, 6), kArrow);
}

TEST_F(SkinValues, HoldingAnArrowStepsItsSliderEveryTick) {
  SkinSlider s;
  ASSERT_NE(AttachSlider(&manager, &s, IDC_SLIDER, IDP_T_SLIDER_TRACK, IDP_T_SLIDER_THUMB), nullptr);
  SkinArrowButton a;
  a.step = 2;
  HWND aw = AttachArrow(&manager, &a, &s, IDC_ARROW2, 4, IDP_T_ARROW, IDP_T_ARROW_HOVER, 0);
  ASSERT_NE(aw, nullptr);
  SendMessageA(aw, WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
  EXPECT_EQ(s.x, 2);  // the first step comes with the press
  Pump(1000);
  SendMessageA(aw, WM_LBUTTONUP, 0, At(5, 5));
  const int ticks = (s.x - 2) / 2;
  EXPECT_GE(ticks, 4);
  EXPECT_LE(ticks, 12);
  const int held = s.x;
  Pump(400);  // released: the timer still runs, but steps nothing
  EXPECT_EQ(s.x, held);
}

TEST_F(SkinValues, ProgressShowsAShorterFillForASmallerValue) {
  SkinProgress p;
  HWND w = AttachProgress(&manager, &p, IDC_PROGRESS, IDP_T_BAR_BACK, IDP_T_BAR_FILL);
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(p.width, 100);
  EXPECT_EQ(p.value, 10);
  auto filled = [&] {
    const Capture c = CaptureWindow(w);
    int n = 0;
    for (int x = 0; x < c.width; ++x) n += c.at(x, 5) == kBarFill;
    return std::make_pair(n, c.at(c.width - 1, 5));
  };
  EXPECT_EQ(filled().first, 10);
  EXPECT_EQ(filled().second, kBarBack);
  p.value = 60;
  InvalidateProgress(&p);
  EXPECT_EQ(filled().first, 60);
  StepProgress(&p, 5);
  EXPECT_EQ(p.value, 65);
  EXPECT_EQ(filled().first, 65);
  p.value = 0;
  StepProgress(&p, 5);
  EXPECT_EQ(p.value, 100);
  EXPECT_EQ(filled().first, 100);
}

TEST_F(SkinValues, LevelBarFillsUpToTheMouse) {
  SkinLevelBar b;
  b.extraX = 0;
  HWND w = AttachLevelBar(&manager, &b, IDC_LEVEL, IDP_T_BAR_BACK, IDP_T_BAR_FILL);
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(b.rangeX, 0);
  SendMessageA(w, WM_LBUTTONDOWN, MK_LBUTTON, At(40, 5));
  EXPECT_EQ(b.positionX, -60);
  EXPECT_EQ(PixelOf(w, 38, 5), kBarFill);
  EXPECT_EQ(PixelOf(w, 42, 5), kBarBack);
  SendMessageA(w, WM_MOUSEMOVE, MK_LBUTTON, At(70, 5));
  EXPECT_EQ(b.positionX, -28);  // two more than a press there
  SendMessageA(w, WM_MOUSEMOVE, MK_LBUTTON, At(65535, 5));  // left of the control
  EXPECT_EQ(b.positionX, -28);
  SendMessageA(w, WM_LBUTTONUP, 0, At(70, 5));
  SendMessageA(w, WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), At(0, 0));
  EXPECT_EQ(b.positionX, -33);
}

TEST_F(SkinValues, TrackBarThumbJumpsToTheMouseAndKeepsInRange) {
  SkinTrackBar b;
  HWND w = AttachTrackBar(&manager, &b, IDC_TRACK, IDP_T_BAR_BACK, IDP_T_BAR_THUMB);
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(b.rangeX, 92);
  SendMessageA(w, WM_LBUTTONDOWN, MK_LBUTTON, At(30, 5));
  EXPECT_EQ(b.positionX, 30);
  EXPECT_EQ(PixelOf(w, 33, 5), kBarThumb);
  EXPECT_EQ(PixelOf(w, 50, 5), kBarBack);
  SendMessageA(w, WM_MOUSEMOVE, MK_LBUTTON, At(300, 5));
  EXPECT_EQ(b.positionX, 30);
  SendMessageA(w, WM_LBUTTONUP, 0, At(300, 5));
  for (int i = 0; i < 30; ++i) SendMessageA(w, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), At(0, 0));
  EXPECT_EQ(b.positionX, 92);
}

TEST_F(SkinValues, ThemeAndFileVariantsTakeTheirPicturesFromThere) {
  SkinTheme theme = {};
  theme.ids[13] = IDP_T_SLIDER_TRACK;
  theme.ids[14] = IDP_T_SLIDER_THUMB;
  Init(&manager, dialog, &theme);
  SkinSlider s;
  HWND w = AttachSlider(&manager, &s, IDC_SLIDER);
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(s.maxX, 110);

  const std::string data = harness::WindowsPath(SKIN_TEST_DATA_DIR) + "\\";
  SkinButton b;
  SkinButtonFiles files = {data + "button_normal.png", data + "button_hover.png", ""};
  HWND bw = AttachButton(&manager, &b, IDC_BUTTON1, files);
  ASSERT_NE(bw, nullptr);
  EXPECT_EQ(b.pressed, b.normal);
  EXPECT_EQ(PixelOf(bw, 3, 3), Rgb(255, 0, 0));
  SkinButton missing;
  files.hover = data + "no_such_file.png";
  EXPECT_EQ(AttachButton(&manager, &missing, IDC_BUTTON2, files), nullptr);
  SkinTrackBar unthemed;
  EXPECT_EQ(AttachTrackBar(&manager, &unthemed, IDC_TRACK), nullptr);
}

}  // namespace
