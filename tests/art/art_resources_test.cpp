// The artwork as the built programs carry it: every picture is a resource of
// the right type, the backgrounds and the icon load through the platform's
// own loaders, and the main window's template is exactly its background.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "resources/resource_ids.h"
#include "tests/support/win32_harness.h"

namespace {

struct Module {
  HMODULE handle = nullptr;
  explicit Module(const char* exe) {
    handle = LoadLibraryExA((harness::BinDir() + exe).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  }
  ~Module() {
    if (handle) FreeLibrary(handle);
  }
};

// Width and height from the IHDR of a PNG resource; 0, 0 when it is missing
// or does not start like a PNG file.
SIZE PngResourceSize(HMODULE module, int id) {
  SIZE none{0, 0};
  HRSRC info = FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(10) /* RT_RCDATA */);
  if (!info) return none;
  DWORD size = SizeofResource(module, info);
  HGLOBAL data = LoadResource(module, info);
  const unsigned char* b = data ? static_cast<const unsigned char*>(LockResource(data)) : nullptr;
  if (!b || size < 33 || b[0] != 0x89 || b[1] != 'P' || b[2] != 'N' || b[3] != 'G' || b[25] != 6) return none;
  auto be32 = [b](int at) { return LONG(b[at]) << 24 | LONG(b[at + 1]) << 16 | LONG(b[at + 2]) << 8 | b[at + 3]; };
  return SIZE{be32(16), be32(20)};
}

// hollow has no pictures: it draws its questions at run time.
TEST(ArtResources, EveryPictureIsAPngResourceOfItsProgram) {
  Module somnivex("somnivex.exe");
  ASSERT_TRUE(somnivex.handle);
  struct Row {
    HMODULE module;
    int id;
    LONG width, height;
  } rows[] = {
      {somnivex.handle, IDP_TEST, 17, 23},        {somnivex.handle, IDP_TEST_HOVER, 17, 23},
      {somnivex.handle, IDP_SET, 21, 23},         {somnivex.handle, IDP_SET_HOVER, 21, 23},
      {somnivex.handle, IDP_SWITCH_ON, 32, 23},   {somnivex.handle, IDP_SWITCH_OFF, 32, 23},
      {somnivex.handle, IDP_TIPS_PANEL, 147, 178}, {somnivex.handle, IDP_HIDE, 12, 23},
      {somnivex.handle, IDP_HIDE_HOVER, 12, 23},  {somnivex.handle, IDP_ABOUT, 11, 23},
      {somnivex.handle, IDP_ABOUT_HOVER, 11, 23}, {somnivex.handle, IDP_TWITTER, 17, 23},
      {somnivex.handle, IDP_TWITTER_HOVER, 17, 23}, {somnivex.handle, IDP_GOOGLEPLUS, 17, 23},
      {somnivex.handle, IDP_GOOGLEPLUS_HOVER, 17, 23}, {somnivex.handle, IDP_FACEBOOK, 20, 23},
      {somnivex.handle, IDP_FACEBOOK_HOVER, 20, 23}, {somnivex.handle, IDP_WEB, 27, 23},
      {somnivex.handle, IDP_WEB_HOVER, 27, 23},   {somnivex.handle, IDP_REALITY_CHECK, 337, 222},
      {somnivex.handle, IDP_VISIT, 138, 23},      {somnivex.handle, IDP_VISIT_HOVER, 138, 23},
      {somnivex.handle, IDP_HELP, 40, 23},        {somnivex.handle, IDP_HELP_HOVER, 40, 23},
      {somnivex.handle, IDP_CLOSE, 62, 24},       {somnivex.handle, IDP_CLOSE_HOVER, 62, 24},
      {somnivex.handle, IDP_CHECK_NOSE, 337, 222}, {somnivex.handle, IDP_CHECK_PALM, 337, 222},
      {somnivex.handle, IDP_CHECK_CLOCK, 337, 222}, {somnivex.handle, IDP_CHECK_TEXT, 337, 222},
      {somnivex.handle, IDP_CHECK_SIGN, 337, 222},
  };
  for (const Row& r : rows) {
    SIZE s = PngResourceSize(r.module, r.id);
    EXPECT_EQ(s.cx, r.width) << "picture " << r.id;
    EXPECT_EQ(s.cy, r.height) << "picture " << r.id;
    // The same picture in each larger set, in the same program, drawn at
    // that scale (a pixel either way where a control's place is rounded).
    for (const auto& set : {std::pair<int, int>{IDS_SET_BASE_125, 125}, {IDS_SET_BASE_150, 150}, {IDS_SET_BASE_200, 200}}) {
      SIZE big = PngResourceSize(r.module, set.first + r.id);
      EXPECT_NEAR(big.cx, r.width * set.second / 100.0, 1.0) << "picture " << r.id << " at " << set.second;
      EXPECT_NEAR(big.cy, r.height * set.second / 100.0, 1.0) << "picture " << r.id << " at " << set.second;
    }
  }
  for (const auto& background : {std::pair<int, LONG>{IDB_MAIN_BACKGROUND, 428}, {IDB_ABOUT_BACKGROUND, 290}}) {
    EXPECT_EQ(PngResourceSize(somnivex.handle, IDS_SET_BASE_150 + background.first).cx, background.second * 3 / 2);
    EXPECT_EQ(PngResourceSize(somnivex.handle, IDS_SET_BASE_200 + background.first).cx, background.second * 2);
  }
}

TEST(ArtResources, BackgroundBitmapsLoadWithTheirSizeAndDepth) {
  Module somnivex("somnivex.exe");
  ASSERT_TRUE(somnivex.handle);
  struct Row {
    int id;
    LONG width, height;
    WORD bits;
  } rows[] = {{IDB_MAIN_BACKGROUND, 428, 372, 32}, {IDB_ABOUT_BACKGROUND, 290, 322, 24}};
  for (const Row& r : rows) {
    HBITMAP bmp = static_cast<HBITMAP>(
        LoadImageA(somnivex.handle, MAKEINTRESOURCEA(r.id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    ASSERT_TRUE(bmp) << "bitmap " << r.id;
    BITMAP info{};
    ASSERT_TRUE(GetObjectA(bmp, sizeof info, &info));
    EXPECT_EQ(info.bmWidth, r.width) << r.id;
    EXPECT_EQ(info.bmHeight, r.height) << r.id;
    EXPECT_EQ(info.bmBitsPixel, r.bits) << r.id;
    DeleteObject(bmp);
  }
}

TEST(ArtResources, IconLoadsAtEachSizeInBothPrograms) {
  for (const char* exe : {"somnivex.exe", "hollow.exe"}) {
    Module m(exe);
    ASSERT_TRUE(m.handle) << exe;
    for (int size : {16, 32, 48}) {
      HICON icon = static_cast<HICON>(LoadImageA(m.handle, MAKEINTRESOURCEA(IDI_SOMNIVEX), IMAGE_ICON, size, size, 0));
      ASSERT_TRUE(icon) << exe << " " << size;
      ICONINFO ii{};
      ASSERT_TRUE(GetIconInfo(icon, &ii));
      BITMAP colour{};
      ASSERT_TRUE(ii.hbmColor);
      GetObjectA(ii.hbmColor, sizeof colour, &colour);
      EXPECT_EQ(colour.bmWidth, size) << exe;
      EXPECT_EQ(colour.bmHeight, size) << exe;
      DeleteObject(ii.hbmColor);
      DeleteObject(ii.hbmMask);
      DestroyIcon(icon);
    }
  }
}

INT_PTR CALLBACK QuietDialog(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

// The borderless main window and the about box are exactly as large as
// their background pictures, and the main window's tips panel sits where
// the background's tips card expects it.
TEST(ArtResources, DialogTemplatesAreExactlyTheirBackgrounds) {
  Module somnivex("somnivex.exe");
  ASSERT_TRUE(somnivex.handle);
  struct Row {
    int dialog;
    LONG width, height;
  } rows[] = {{IDD_MAIN, 428, 372}, {IDD_POPUP, 290, 322}};
  for (const Row& r : rows) {
    HWND dlg = CreateDialogParamA(somnivex.handle, MAKEINTRESOURCEA(r.dialog), nullptr, QuietDialog, 0);
    ASSERT_TRUE(dlg) << r.dialog;
    RECT client{};
    GetClientRect(dlg, &client);
    EXPECT_EQ(client.right, r.width) << r.dialog;
    EXPECT_EQ(client.bottom, r.height) << r.dialog;
    if (r.dialog == IDD_MAIN) {
      RECT tips{160, 68, 160 + 87, 68 + 109};
      MapDialogRect(dlg, &tips);
      EXPECT_EQ(tips.left, 240);
      EXPECT_EQ(tips.top, 111);
    }
    DestroyWindow(dlg);
  }
}

// The pixels of a text drawn black on white in a 32 x 32 picture.
std::vector<DWORD> Ink(HFONT font, const wchar_t* text) {
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = 32;
  info.bmiHeader.biHeight = -32;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP picture = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!picture) {
    DeleteDC(dc);
    return {};
  }
  HGDIOBJ oldPicture = SelectObject(dc, picture);
  HGDIOBJ oldFont = SelectObject(dc, font);
  RECT all = {0, 0, 32, 32};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  SetTextColor(dc, RGB(0, 0, 0));
  SetBkMode(dc, TRANSPARENT);
  TextOutW(dc, 2, 2, text, lstrlenW(text));
  GdiFlush();
  const DWORD* p = static_cast<const DWORD*>(bits);
  std::vector<DWORD> pixels(p, p + 32 * 32);
  SelectObject(dc, oldFont);
  SelectObject(dc, oldPicture);
  DeleteObject(picture);
  DeleteDC(dc);
  return pixels;
}

// Japanese in the standard controls: the dialogs' font and Tahoma have no
// Japanese letters of their own, and through the prefix's font links each
// letter still comes out as itself, not as the same empty box.
TEST(ArtResources, DialogFontsShowJapaneseLetters) {
  Module somnivex("somnivex.exe");
  ASSERT_TRUE(somnivex.handle);
  HWND dlg = CreateDialogParamA(somnivex.handle, MAKEINTRESOURCEA(IDD_POPUP), nullptr, QuietDialog, 0);
  ASSERT_TRUE(dlg);
  HFONT tahoma = CreateFontA(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Tahoma");
  const struct {
    const char* name;
    HFONT font;
  } fonts[] = {{"the dialog font", reinterpret_cast<HFONT>(SendMessageA(dlg, WM_GETFONT, 0, 0))},
               {"Tahoma", tahoma},
               {"the GUI font", static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT))}};
  for (const auto& f : fonts) {
    ASSERT_TRUE(f.font) << f.name;
    const std::vector<DWORD> a = Ink(f.font, L"\u3042");       // HIRAGANA A
    const std::vector<DWORD> yume = Ink(f.font, L"\u5922");    // CJK "dream"
    const std::vector<DWORD> blank = Ink(f.font, L" ");
    ASSERT_EQ(a.size(), 32u * 32u) << f.name;
    EXPECT_TRUE(a != blank) << f.name << ": nothing drawn";
    EXPECT_TRUE(a != yume) << f.name << ": both drawn as the same box";
  }
  DeleteObject(tahoma);
  DestroyWindow(dlg);
}

// The program runs as the user who starts it: Windows asks for no
// administrator rights, and a start from the Run key at log-on is not
// skipped for wanting them.
TEST(ArtResources, ManifestAsksForTheUsersOwnRightsAndCommonControls6) {
  Module somnivex("somnivex.exe");
  ASSERT_TRUE(somnivex.handle);
  HRSRC info = FindResourceA(somnivex.handle, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24) /* RT_MANIFEST */);
  ASSERT_TRUE(info);
  const char* text = static_cast<const char*>(LockResource(LoadResource(somnivex.handle, info)));
  const std::string manifest(text, SizeofResource(somnivex.handle, info));
  EXPECT_NE(manifest.find("<requestedExecutionLevel level=\"asInvoker\" uiAccess=\"false\"/>"), std::string::npos);
  EXPECT_EQ(manifest.find("requireAdministrator"), std::string::npos);
  EXPECT_NE(manifest.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""), std::string::npos);
}

}  // namespace

namespace {

// Four artwork sets still leave both programs small enough to download in
// a moment: somnivex.exe under 3.5 MB, hollow.exe under 500 KB.
TEST(ArtResources, ProgramsStaySmallWithEverySet) {
  const struct {
    const char* exe;
    DWORD limit;
  } rows[] = {{"somnivex.exe", 3584u * 1024}, {"hollow.exe", 500u * 1000}};
  for (const auto& r : rows) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    ASSERT_TRUE(GetFileAttributesExA((harness::BinDir() + r.exe).c_str(), GetFileExInfoStandard, &data)) << r.exe;
    EXPECT_EQ(data.nFileSizeHigh, 0u) << r.exe;
    EXPECT_LT(data.nFileSizeLow, r.limit) << r.exe;
  }
}

}  // namespace
