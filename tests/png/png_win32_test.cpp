// The decoder's Win32 edge under Wine: RT_RCDATA resources of this test
// program become real DIB sections.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "png/png_loader.h"
#include "png/png_win32.h"
#include "resources/resource_ids.h"

namespace {

constexpr int kRgbaId = 1;   // 3x2, colour type 6, 8-bit
constexpr int kGrey2Id = 2;  // 4x1, grey 2-bit, samples 0 1 2 3
constexpr int kFilter5Id = 3;  // 2x1 RGBA whose only row has filter type 5
constexpr int kMissingId = 999;

DIBSECTION SectionOf(HBITMAP bitmap) {
  DIBSECTION section;
  std::memset(&section, 0, sizeof(section));
  EXPECT_EQ(int(sizeof(section)), GetObjectA(bitmap, sizeof(section), &section));
  return section;
}

TEST(LoadPngResource, GivesTopDown32BitSectionWithStraightAlpha) {
  HBITMAP bitmap = nullptr;
  int size[2] = {0, 0};
  ASSERT_TRUE(LoadPngResource(nullptr, kRgbaId, &bitmap, size));
  ASSERT_NE(nullptr, bitmap);
  EXPECT_EQ(3, size[0]);
  EXPECT_EQ(2, size[1]);
  DIBSECTION section = SectionOf(bitmap);
  EXPECT_EQ(32, section.dsBm.bmBitsPixel);
  EXPECT_EQ(3, section.dsBmih.biWidth);
  EXPECT_EQ(2, std::abs(section.dsBmih.biHeight));  // top-down shows in the bytes below
  ASSERT_NE(nullptr, section.dsBm.bmBits);
  const uint8_t expected[] = {
      0, 0, 255, 255, 0, 255, 0, 128, 200, 20, 10, 0,   // top row; transparent keeps its colour
      255, 255, 255, 255, 0, 0, 0, 1, 99, 88, 77, 0,
  };
  EXPECT_EQ(0, std::memcmp(expected, section.dsBm.bmBits, sizeof(expected)));
  DeleteObject(bitmap);
}

TEST(LoadPngResource, MissingIdFailsAndLeavesOutputsAlone) {
  HBITMAP bitmap = reinterpret_cast<HBITMAP>(0x1234);
  int size[2] = {-7, -8};
  EXPECT_FALSE(LoadPngResource(nullptr, kMissingId, &bitmap, size));
  EXPECT_EQ(reinterpret_cast<HBITMAP>(0x1234), bitmap);
  EXPECT_EQ(-7, size[0]);
  EXPECT_EQ(-8, size[1]);

  PngDecoder png;
  PngInit(&png);
  EXPECT_FALSE(PngLoadResource(&png, GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kMissingId)));
  EXPECT_EQ(0x3001u, +png.error);
  EXPECT_EQ(0, +png.state);
  EXPECT_EQ(0, +png.source);
  PngFree(&png);
}

TEST(LoadPngResource, Grey2BitGivesFourBitSectionWithGreyRamp) {
  HBITMAP bitmap = nullptr;
  int size[2] = {0, 0};
  ASSERT_TRUE(LoadPngResource(nullptr, kGrey2Id, &bitmap, size));
  ASSERT_NE(nullptr, bitmap);
  EXPECT_EQ(4, size[0]);
  EXPECT_EQ(1, size[1]);
  DIBSECTION section = SectionOf(bitmap);
  EXPECT_EQ(4, section.dsBm.bmBitsPixel);
  const uint8_t* bits = static_cast<const uint8_t*>(section.dsBm.bmBits);
  ASSERT_NE(nullptr, bits);
  EXPECT_EQ(0x01, bits[0]);
  EXPECT_EQ(0x23, bits[1]);

  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, bitmap);
  RGBQUAD table[16];
  std::memset(table, 0xEE, sizeof(table));
  // Wine reports the full 16-entry table of a 4-bit section; the ramp is
  // its first four entries.
  ASSERT_GE(GetDIBColorTable(dc, 0, 16, table), 4u);
  const uint8_t greys[4] = {0, 85, 170, 255};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(greys[i], table[i].rgbBlue) << i;
    EXPECT_EQ(greys[i], table[i].rgbGreen) << i;
    EXPECT_EQ(greys[i], table[i].rgbRed) << i;
  }
  SelectObject(dc, old);
  DeleteDC(dc);
  DeleteObject(bitmap);
}

TEST(PngCreateBitmap, RefusedBeforeDecodeAndRepeatableAfter) {
  PngDecoder png;
  PngInit(&png);
  ASSERT_TRUE(PngLoadResource(&png, GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kRgbaId)));
  EXPECT_EQ(2, +png.source);
  EXPECT_EQ(nullptr, PngCreateBitmap(&png, nullptr));
  EXPECT_EQ(0x2003u, +png.error);
  ASSERT_TRUE(PngDecode(&png));
  HBITMAP first = PngCreateBitmap(&png, nullptr);
  HBITMAP second = PngCreateBitmap(&png, nullptr);
  ASSERT_NE(nullptr, first);
  ASSERT_NE(nullptr, second);
  EXPECT_EQ(0, std::memcmp(SectionOf(first).dsBm.bmBits, SectionOf(second).dsBm.bmBits, 24));
  DeleteObject(first);
  DeleteObject(second);
  PngFree(&png);
}

// A row with an unknown filter type yields no bitmap, yet the image was
// found, parsed and decoded: the call succeeds and hands back null.
TEST(LoadPngResource, RowFailureGivesTrueWithNullBitmap) {
  HBITMAP bitmap = reinterpret_cast<HBITMAP>(0x1234);
  int size[2] = {0, 0};
  EXPECT_TRUE(LoadPngResource(nullptr, kFilter5Id, &bitmap, size));
  EXPECT_EQ(nullptr, bitmap);
  EXPECT_EQ(2, size[0]);
  EXPECT_EQ(1, size[1]);

  PngDecoder png;
  PngInit(&png);
  ASSERT_TRUE(PngLoadResource(&png, GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kFilter5Id)));
  ASSERT_TRUE(PngDecode(&png));
  EXPECT_EQ(nullptr, PngCreateBitmap(&png, nullptr));
  EXPECT_EQ(0u, +png.error);  // not changed by the row failure
  PngFree(&png);
}

// The file path goes through CreateFile and the process heap.
TEST(LoadPngFile, ReadsAFileAndRefusesMissingOnes) {
  HRSRC info = FindResourceA(nullptr, MAKEINTRESOURCEA(kRgbaId), MAKEINTRESOURCEA(10));
  ASSERT_NE(nullptr, info);
  const void* data = LockResource(LoadResource(nullptr, info));
  DWORD bytes = SizeofResource(nullptr, info);
  const char* path = "png_file_test.png";
  HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(INVALID_HANDLE_VALUE, file);
  DWORD written = 0;
  ASSERT_TRUE(WriteFile(file, data, bytes, &written, nullptr));
  CloseHandle(file);

  HBITMAP bitmap = nullptr;
  int size[2] = {0, 0};
  ASSERT_TRUE(LoadPngFile(nullptr, path, &bitmap, size));
  EXPECT_EQ(3, size[0]);
  EXPECT_EQ(2, size[1]);
  EXPECT_EQ(32, SectionOf(bitmap).dsBm.bmBitsPixel);
  DeleteObject(bitmap);

  PngDecoder png;
  PngInit(&png);
  EXPECT_FALSE(PngLoadFile(&png, "no such file.png"));
  EXPECT_EQ(0x1000u, +png.error);
  ASSERT_TRUE(PngLoadFile(&png, path));
  EXPECT_EQ(1, +png.source);
  EXPECT_FALSE(PngLoadFile(&png, path));  // the record already holds an image
  EXPECT_EQ(0x1002u, +png.error);
  EXPECT_EQ(1, +png.state);
  PngFree(&png);
  DeleteFileA(path);
}

// Every RT_RCDATA resource of both shipped programs is a PNG that decodes
// into a top-down 32-bit section of its own size.
BOOL CALLBACK CollectName(HMODULE, LPCSTR, LPSTR name, LONG_PTR list) {
  if (IS_INTRESOURCE(name)) reinterpret_cast<std::vector<WORD>*>(list)->push_back(WORD(ULONG_PTR(name)));
  return TRUE;
}

TEST(PngLoadResource, EveryPictureOfBothProgramsDecodes) {
  const char* binDir = std::getenv("SMX_BIN_DIR");
  ASSERT_NE(nullptr, binDir);
  for (const char* program : {"somnivex.exe", "hollow.exe"}) {
    SCOPED_TRACE(program);
    std::string path = std::string(binDir) + "/" + program;
    HMODULE module = LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(nullptr, module);
    std::vector<WORD> ids;
    EnumResourceNamesA(module, MAKEINTRESOURCEA(10), CollectName, LONG_PTR(&ids));
    EXPECT_FALSE(ids.empty());
    for (WORD id : ids) {
      SCOPED_TRACE(id);
      // The languages' catalogues are raw data too, but no pictures.
      if (id >= IDS_LANGUAGE_BASE && id <= IDS_LANGUAGE_PSEUDO) continue;
      PngDecoder png;
      PngInit(&png);
      ASSERT_TRUE(PngLoadResource(&png, module, MAKEINTRESOURCEA(id))) << std::hex << png.error;
      ASSERT_TRUE(PngDecode(&png)) << std::hex << png.error;
      HBITMAP bitmap = PngCreateBitmap(&png, nullptr);
      ASSERT_NE(nullptr, bitmap);
      DIBSECTION section = SectionOf(bitmap);
      EXPECT_EQ(32, section.dsBm.bmBitsPixel);
      EXPECT_EQ(LONG(png.width), section.dsBm.bmWidth);
      EXPECT_EQ(LONG(png.height), section.dsBm.bmHeight);
      DeleteObject(bitmap);
      PngFree(&png);
    }
    FreeLibrary(module);
  }
}

}  // namespace
