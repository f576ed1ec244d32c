// The layered-window functions on real windows under Wine: opacities read
// back from the window manager, pixels read back from the screen, placement,
// fonts and tooltips.
#include "skin/layered_window.h"
#include "skin/system_look.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "settings/translation.h"

namespace {

constexpr int kRegionResource = 700;  // see layered_window_test.rc

void Pump(DWORD ms) {
  const DWORD start = GetTickCount();
  do {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    Sleep(10);
  } while (GetTickCount() - start < ms);
}

const char* RegisterPlainClass(const char* name, COLORREF colour) {
  WNDCLASSA wc = {};
  if (GetClassInfoA(GetModuleHandleA(nullptr), name, &wc)) return name;
  wc.lpfnWndProc = DefWindowProcA;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = CreateSolidBrush(colour);
  wc.lpszClassName = name;
  RegisterClassA(&wc);
  return name;
}

HWND MakePopup(int x, int y, int w, int h, DWORD exStyle = WS_EX_TOPMOST, COLORREF colour = RGB(255, 255, 255)) {
  const char* cls = colour == RGB(0, 0, 255) ? RegisterPlainClass("SmxTestBlue", colour)
                                             : RegisterPlainClass("SmxTestWhite", colour);
  return CreateWindowExA(exStyle, cls, "layered test", WS_POPUP, x, y, w, h, nullptr, nullptr,
                         GetModuleHandleA(nullptr), nullptr);
}

// A 32-bit DIB section filled with one (blue, green, red, alpha) pixel.
HBITMAP MakeDib(int w, int h, int bits, const unsigned char pixel[4], bool topDown = true) {
  BITMAPINFO bi = {};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = w;
  bi.bmiHeader.biHeight = topDown ? -h : h;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = static_cast<WORD>(bits);
  bi.bmiHeader.biCompression = BI_RGB;
  void* bits_ = nullptr;
  HBITMAP bmp = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits_, nullptr, 0);
  if (!bmp) return nullptr;
  const int bpp = bits / 8;
  const int stride = ((w * bits + 31) / 32) * 4;
  unsigned char* row = static_cast<unsigned char*>(bits_);
  for (int y = 0; y < h; ++y, row += stride)
    for (int x = 0; x < w; ++x) std::memcpy(row + x * bpp, pixel, bpp);
  return bmp;
}

unsigned char* Bits(HBITMAP bmp) {
  BITMAP info = {};
  GetObjectA(bmp, sizeof info, &info);
  return static_cast<unsigned char*>(info.bmBits);
}

BYTE LayeredAlpha(HWND w) {
  BYTE alpha = 0;
  DWORD flags = 0;
  COLORREF key = 0;
  if (!GetLayeredWindowAttributes(w, &key, &alpha, &flags)) return 0;
  return alpha;
}

COLORREF ScreenPixel(int x, int y) {
  HDC screen = GetDC(nullptr);
  const COLORREF c = GetPixel(screen, x, y);
  ReleaseDC(nullptr, screen);
  return c;
}

// Polls the screen until the pixel has the colour (within tolerance per channel).
bool WaitForScreenPixel(int x, int y, int r, int g, int b, DWORD timeoutMs, COLORREF* last, int tolerance = 2) {
  const DWORD start = GetTickCount();
  for (;;) {
    Pump(50);
    const COLORREF c = ScreenPixel(x, y);
    *last = c;
    if (std::abs(GetRValue(c) - r) <= tolerance && std::abs(GetGValue(c) - g) <= tolerance &&
        std::abs(GetBValue(c) - b) <= tolerance)
      return true;
    if (GetTickCount() - start > timeoutMs) return false;
  }
}

std::string Rgb(COLORREF c) {
  return std::to_string(GetRValue(c)) + "," + std::to_string(GetGValue(c)) + "," + std::to_string(GetBValue(c));
}

TEST(PremultiplyAlpha, RejectsA24BitBitmapAndLeavesItUnchanged) {
  const unsigned char pixel[4] = {200, 100, 50, 0};
  HBITMAP bmp = MakeDib(3, 2, 24, pixel);
  ASSERT_NE(bmp, nullptr);
  EXPECT_FALSE(PremultiplyAlpha(bmp));
  EXPECT_EQ(Bits(bmp)[0], 200);
  EXPECT_EQ(Bits(bmp)[1], 100);
  EXPECT_EQ(Bits(bmp)[2], 50);
  DeleteObject(bmp);
}

TEST(PremultiplyAlpha, RejectsNonBitmapsAndDeviceBitmaps) {
  EXPECT_FALSE(PremultiplyAlpha(nullptr));
  HDC screen = GetDC(nullptr);
  HBITMAP ddb = CreateCompatibleBitmap(screen, 4, 4);
  ReleaseDC(nullptr, screen);
  EXPECT_FALSE(PremultiplyAlpha(ddb));  // no reachable pixels
  DeleteObject(ddb);
}

TEST(PremultiplyAlpha, ProcessesEveryPixelOfTopDownAndBottomUpSections) {
  const unsigned char pixel[4] = {200, 100, 50, 128};
  for (bool topDown : {true, false}) {
    HBITMAP bmp = MakeDib(5, 3, 32, pixel, topDown);
    ASSERT_NE(bmp, nullptr);
    EXPECT_TRUE(PremultiplyAlpha(bmp));
    const unsigned char* b = Bits(bmp);
    for (int i = 0; i < 15; ++i) {
      ASSERT_EQ(b[i * 4 + 0], 100) << i;
      ASSERT_EQ(b[i * 4 + 1], 50) << i;
      ASSERT_EQ(b[i * 4 + 2], 25) << i;
      ASSERT_EQ(b[i * 4 + 3], 128) << i;
    }
    DeleteObject(bmp);
  }
}

TEST(WindowFades, FadeInEndsBelowTheLimitAndShowsTheWindow) {
  HWND w = MakePopup(50, 50, 120, 80);
  ASSERT_FALSE(IsWindowVisible(w));
  const DWORD start = GetTickCount();
  FadeInWindow(w, 10, 230);
  const DWORD took = GetTickCount() - start;
  EXPECT_EQ(LayeredAlpha(w), 225);
  EXPECT_TRUE(IsWindowVisible(w));
  EXPECT_TRUE(GetWindowLongA(w, GWL_EXSTYLE) & WS_EX_LAYERED);
  // 46 steps of 10 ms; the upper bound only guards against a runaway loop.
  EXPECT_GE(took, 440u);
  EXPECT_LT(took, 10000u);
  FadeInWindow(w, 1, 250);
  EXPECT_EQ(LayeredAlpha(w), 245);
  DestroyWindow(w);
}

TEST(WindowFades, FadeInWithNoLimitLeavesTheWindowHidden) {
  HWND w = MakePopup(50, 50, 120, 80);
  FadeInWindow(w, 10, 0);
  EXPECT_FALSE(IsWindowVisible(w));
  EXPECT_TRUE(GetWindowLongA(w, GWL_EXSTYLE) & WS_EX_LAYERED);
  DestroyWindow(w);
}

TEST(WindowFades, FadeOutLeavesTenAndTheWindowVisible) {
  HWND w = MakePopup(50, 50, 120, 80);
  SetWindowOpacity(w, 230);
  EXPECT_EQ(LayeredAlpha(w), 230);
  ShowWindow(w, SW_SHOW);
  const DWORD start = GetTickCount();
  FadeOutWindow(w, 15, 230);
  const DWORD took = GetTickCount() - start;
  EXPECT_EQ(LayeredAlpha(w), 10);
  EXPECT_TRUE(IsWindowVisible(w));
  EXPECT_GE(took, 23u * 15u - 20u);
  EXPECT_LT(took, 10000u);
  // A start of 0 sets nothing.
  FadeOutWindow(w, 15, 0);
  EXPECT_EQ(LayeredAlpha(w), 10);
  DestroyWindow(w);
}

void SetAnimations(bool on) {
  SystemParametersInfoA(SPI_SETCLIENTAREAANIMATION, 0, reinterpret_cast<void*>(static_cast<INT_PTR>(on ? 1 : 0)), 0);
}

// "Show animations" switched while the program runs: the fades follow from
// the moment a window hears of it, a single step to their end while it is
// off (one opacity set, no sleeping), the whole series again once it is on.
TEST(WindowFades, FollowTheSystemsAnimationsWhenTheyChange) {
  HWND w = MakePopup(50, 50, 120, 80);
  SetAnimations(false);
  EXPECT_FALSE(SystemLookChanged(WM_SETTINGCHANGE, SPI_SETCLIENTAREAANIMATION));  // nothing to draw again
  EXPECT_FALSE(AnimationsOn());
  unsigned long steps = FadeStepCount();
  const DWORD start = GetTickCount();
  FadeInWindow(w, 100, 230);
  EXPECT_EQ(LayeredAlpha(w), 230);
  EXPECT_TRUE(IsWindowVisible(w));
  FadeOutWindow(w, 100, 230);
  EXPECT_EQ(LayeredAlpha(w), 0);
  EXPECT_EQ(FadeStepCount() - steps, 2u);
  EXPECT_LT(GetTickCount() - start, 1000u);  // a fade of 100 ms steps would take seconds

  SetAnimations(true);
  SystemLookChanged(WM_SETTINGCHANGE, SPI_SETCLIENTAREAANIMATION);
  EXPECT_TRUE(AnimationsOn());
  steps = FadeStepCount();
  FadeInWindow(w, 1, 230);
  EXPECT_EQ(FadeStepCount() - steps, 46u);
  EXPECT_EQ(LayeredAlpha(w), 225);
  DestroyWindow(w);
}

class LayeredPicture : public ::testing::Test {
 protected:
  static constexpr int kX = 300, kY = 300, kW = 40, kH = 30;
  void SetUp() override {
    // A blue backdrop under the picture, so transparent parts show a known colour.
    backdrop_ = MakePopup(kX - 20, kY - 20, kW + 40, kH + 40, WS_EX_TOPMOST, RGB(0, 0, 255));
    ShowWindow(backdrop_, SW_SHOWNOACTIVATE);
    UpdateWindow(backdrop_);
    // Left half opaque (blue 50, green 100, red 200), right half transparent.
    const unsigned char opaque[4] = {50, 100, 200, 255};
    picture_ = MakeDib(kW, kH, 32, opaque);
    ASSERT_NE(picture_, nullptr);
    unsigned char* bits = Bits(picture_);
    for (int y = 0; y < kH; ++y)
      for (int x = kW / 2; x < kW; ++x) std::memset(bits + (y * kW + x) * 4, 0, 4);
    window_ = MakePopup(kX, kY, kW, kH, WS_EX_TOPMOST | WS_EX_TOOLWINDOW);
    SetWindowPos(window_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW | SWP_NOACTIVATE);
    PaintLayeredBitmap(window_, picture_, kW, kH);
    Pump(200);
  }
  void TearDown() override {
    DestroyWindow(window_);
    DestroyWindow(backdrop_);
    DeleteObject(picture_);
    Pump(100);
  }
  HWND backdrop_ = nullptr, window_ = nullptr;
  HBITMAP picture_ = nullptr;
};

TEST_F(LayeredPicture, ShowsThePremultipliedPicture) {
  EXPECT_TRUE(GetWindowLongA(window_, GWL_EXSTYLE) & WS_EX_LAYERED);
  // The picture was premultiplied in place: 200 * 255 >> 8 = 199 and so on.
  EXPECT_EQ(Bits(picture_)[0], 49);
  EXPECT_EQ(Bits(picture_)[1], 99);
  EXPECT_EQ(Bits(picture_)[2], 199);
  COLORREF seen = 0;
  EXPECT_TRUE(WaitForScreenPixel(kX + 5, kY + 5, 199, 99, 49, 5000, &seen)) << Rgb(seen);
  EXPECT_TRUE(WaitForScreenPixel(kX + kW - 5, kY + kH - 5, 0, 0, 255, 5000, &seen)) << Rgb(seen);
}

TEST_F(LayeredPicture, FadesOutAndInAgainWithinTheExpectedTime) {
  DWORD start = GetTickCount();
  FadeLayeredBitmap(window_, picture_, kW, kH, false, 10);
  DWORD took = GetTickCount() - start;
  // 51 sleeps of 10 ms; generous upper bound for a loaded machine.
  EXPECT_GE(took, 500u);
  EXPECT_LT(took, 10000u);
  // Wine leaves the last visible step (alpha 5: about 4,2,251 here) on
  // screen rather than drawing alpha 0, hence the wider tolerance.
  COLORREF seen = 0;
  EXPECT_TRUE(WaitForScreenPixel(kX + 5, kY + 5, 0, 0, 255, 5000, &seen, 6)) << Rgb(seen);

  start = GetTickCount();
  FadeLayeredBitmap(window_, picture_, kW, kH, true, 10);
  took = GetTickCount() - start;
  EXPECT_GE(took, 500u);
  EXPECT_LT(took, 10000u);
  EXPECT_TRUE(WaitForScreenPixel(kX + 5, kY + 5, 199, 99, 49, 5000, &seen)) << Rgb(seen);
  // Fading does not premultiply again.
  EXPECT_EQ(Bits(picture_)[2], 199);
}

TEST(CenterWindowOn, WithoutReferenceCentresInTheWorkArea) {
  HWND w = MakePopup(0, 0, 301, 201);
  CenterWindowOn(w, nullptr, nullptr);
  RECT work = {}, r = {};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  GetWindowRect(w, &r);
  EXPECT_EQ(r.left, work.left + (work.right - work.left - 301) / 2);
  EXPECT_EQ(r.top, work.top + (work.bottom - work.top - 201) / 2);
  EXPECT_EQ(r.right - r.left, 301);
  EXPECT_EQ(r.bottom - r.top, 201);
  DestroyWindow(w);
}

TEST(CenterWindowOn, NearTheRightEdgeEndsAtTheScreenEdge) {
  const int sw = GetSystemMetrics(SM_CXSCREEN);
  HWND ref = MakePopup(sw - 100, 100, 100, 200);
  HWND vref = MakePopup(0, 400, 50, 100);
  HWND w = MakePopup(0, 0, 300, 60);
  CenterWindowOn(w, ref, nullptr);
  RECT r = {};
  GetWindowRect(w, &r);
  EXPECT_EQ(r.right, sw);
  EXPECT_EQ(r.top, 170);
  CenterWindowOn(w, ref, vref);
  GetWindowRect(w, &r);
  EXPECT_EQ(r.right, sw);
  EXPECT_EQ(r.top, 420);
  EXPECT_EQ(r.right - r.left, 300);
  DestroyWindow(w);
  DestroyWindow(vref);
  DestroyWindow(ref);
}

TEST(ShowMainWindow, CentresAHiddenStartedWindowOnTheFirstShowingOnly) {
  g_startedHidden = true;
  HWND w = MakePopup(-1000, -1000, 200, 100, 0);
  ShowMainWindow(w);
  Pump(100);
  RECT work = {}, r = {};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  GetWindowRect(w, &r);
  EXPECT_TRUE(IsWindowVisible(w));
  EXPECT_EQ(r.left, work.left + (work.right - work.left - 200) / 2);
  EXPECT_EQ(r.top, work.top + (work.bottom - work.top - 100) / 2);
  // The user moves and hides it; showing again keeps the place.
  SetWindowPos(w, nullptr, 30, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  ShowWindow(w, SW_HIDE);
  ShowMainWindow(w);
  Pump(100);
  GetWindowRect(w, &r);
  EXPECT_TRUE(IsWindowVisible(w));
  EXPECT_EQ(r.left, 30);
  EXPECT_EQ(r.top, 40);
  g_startedHidden = false;
  DestroyWindow(w);
}

TEST(CreatePointFont, HeightFollowsTheScreenResolution) {
  HFONT font = CreatePointFont("Arial", 10, 700, 0);
  ASSERT_NE(font, nullptr);
  LOGFONTA lf = {};
  ASSERT_EQ(GetObjectA(font, sizeof lf, &lf), static_cast<int>(sizeof lf));
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  EXPECT_EQ(lf.lfHeight, -MulDiv(10, dpi, 72));
  EXPECT_EQ(lf.lfWeight, 700);
  EXPECT_EQ(lf.lfEscapement, 0);
  EXPECT_EQ(lf.lfCharSet, ANSI_CHARSET);
  EXPECT_FALSE(lf.lfItalic);
  EXPECT_STREQ(lf.lfFaceName, "Arial");
  DeleteObject(font);

  font = CreatePointFont("Tahoma", 24, 400, 900);
  ASSERT_EQ(GetObjectA(font, sizeof lf, &lf), static_cast<int>(sizeof lf));
  EXPECT_EQ(lf.lfHeight, -MulDiv(24, dpi, 72));
  EXPECT_EQ(lf.lfEscapement, 900);
  EXPECT_EQ(lf.lfOrientation, 900);
  DeleteObject(font);
}

struct FoundTip {
  HWND owner;
  HWND tip;
};

BOOL CALLBACK FindTip(HWND w, LPARAM param) {
  FoundTip* f = reinterpret_cast<FoundTip*>(param);
  char cls[64] = {};
  GetClassNameA(w, cls, sizeof cls);
  if (lstrcmpiA(cls, TOOLTIPS_CLASSA) == 0 && GetWindow(w, GW_OWNER) == f->owner) {
    f->tip = w;
    return FALSE;
  }
  return TRUE;
}

TEST(AddTooltip, AddsAToolCarryingItsText) {
  for (bool balloon : {false, true}) {
    HWND dialog = MakePopup(100, 100, 200, 100, 0);
    CreateWindowExA(0, "BUTTON", "x", WS_CHILD | WS_VISIBLE, 10, 10, 50, 20, dialog,
                    reinterpret_cast<HMENU>(1002), GetModuleHandleA(nullptr), nullptr);
    EXPECT_TRUE(AddTooltip(dialog, "Minimize To Tray", 1002, balloon));
    FoundTip found = {dialog, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), FindTip, reinterpret_cast<LPARAM>(&found));
    ASSERT_NE(found.tip, nullptr);
    const LONG style = GetWindowLongA(found.tip, GWL_STYLE);
    EXPECT_EQ((style & TTS_BALLOON) != 0, balloon);
    EXPECT_TRUE(style & TTS_NOPREFIX);
    EXPECT_TRUE(style & TTS_ALWAYSTIP);
    ASSERT_EQ(SendMessageA(found.tip, TTM_GETTOOLCOUNT, 0, 0), 1);
    char text[80] = {};
    TOOLINFOA tool = {};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.lpszText = text;
    ASSERT_TRUE(SendMessageA(found.tip, TTM_ENUMTOOLSA, 0, reinterpret_cast<LPARAM>(&tool)));
    EXPECT_EQ(tool.hwnd, dialog);
    EXPECT_EQ(tool.uId, reinterpret_cast<UINT_PTR>(GetDlgItem(dialog, 1002)));
    EXPECT_TRUE(tool.uFlags & TTF_IDISHWND);
    EXPECT_TRUE(tool.uFlags & TTF_SUBCLASS);
    EXPECT_STREQ(text, "Minimize To Tray");
    DestroyWindow(dialog);
  }
}

TEST(AddTooltip, ShowsTheLanguageInUseAndFollowsAChange) {
  HWND dialog = MakePopup(100, 100, 200, 100, 0);
  CreateWindowExA(0, "BUTTON", "x", WS_CHILD | WS_VISIBLE, 10, 10, 50, 20, dialog, reinterpret_cast<HMENU>(1002),
                  GetModuleHandleA(nullptr), nullptr);
  TranslationCatalog german;
  german.code = "de";
  german.messages = {{"Minimize To Tray", {"In den Infobereich"}}};
  auto shown = [&] {
    FoundTip found = {dialog, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), FindTip, reinterpret_cast<LPARAM>(&found));
    wchar_t text[80] = {};
    TOOLINFOW tool = {};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.lpszText = text;
    if (!found.tip || !SendMessageW(found.tip, TTM_ENUMTOOLSW, 0, reinterpret_cast<LPARAM>(&tool))) return std::wstring();
    return std::wstring(text);
  };
  EXPECT_TRUE(AddTooltip(dialog, "Minimize To Tray", 1002, false));
  EXPECT_EQ(shown(), L"Minimize To Tray");
  UseCatalog(&german);
  RenewTooltips();
  EXPECT_EQ(shown(), L"In den Infobereich");
  UseCatalog(nullptr);
  RenewTooltips();
  EXPECT_EQ(shown(), L"Minimize To Tray");
  // A closed dialog's tool is forgotten, not renewed.
  DestroyWindow(dialog);
  UseCatalog(&german);
  RenewTooltips();
  UseCatalog(nullptr);
}

TEST(ApplyRegionResource, GivesTheWindowTheStoredRegion) {
  HWND w = MakePopup(100, 100, 200, 100, 0);
  ApplyRegionResource(w, kRegionResource);
  HRGN rgn = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetWindowRgn(w, rgn), SIMPLEREGION);
  RECT box = {};
  GetRgnBox(rgn, &box);
  EXPECT_EQ(box.left, 2);
  EXPECT_EQ(box.top, 3);
  EXPECT_EQ(box.right, 50);
  EXPECT_EQ(box.bottom, 40);
  // An id with no resource leaves that region in place.
  ApplyRegionResource(w, kRegionResource + 1);
  EXPECT_EQ(GetWindowRgn(w, rgn), SIMPLEREGION);
  DeleteObject(rgn);
  DestroyWindow(w);
}

}  // namespace
