// The Win32 edge of the decoder: resources and DIB sections (files are in
// png_file_win32.cpp, so that a program loading only resources does not
// carry the file path).
#include "png/png_win32.h"

bool PngLoadResource(PngDecoder* png, HMODULE module, const char* name) {
  if (!PngBeginLoad(png)) return false;
  HRSRC info = FindResourceA(module, name, MAKEINTRESOURCEA(10));  // RT_RCDATA
  if (!info) {
    png->error = kPngNoResource;
    return false;
  }
  HGLOBAL handle = LoadResource(module, info);
  DWORD size = SizeofResource(module, info);
  const void* data = handle ? LockResource(handle) : nullptr;
  if (!data || size == 0) {
    png->error = kPngResourceError;
    return false;
  }
  // Module memory: used in place, never copied and never freed.
  return PngAttachInput(png, static_cast<const uint8_t*>(data), size, kPngFromResource);
}

HBITMAP PngCreateBitmap(PngDecoder* png, HWND window) {
  if (png->state != kPngDecoded) {
    png->error = kPngWrongState;
    return nullptr;
  }
  PngBitmapInfo info;
  PngBuildBitmapInfo(png, &info);
  static_assert(sizeof(PngBitmapInfo) == sizeof(BITMAPINFOHEADER) + 256 * sizeof(RGBQUAD),
                "PngBitmapInfo mirrors BITMAPINFO");
  HDC dc = GetDC(window);  // the screen's when window is null
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(dc, reinterpret_cast<const BITMAPINFO*>(&info), DIB_RGB_COLORS,
                                    &bits, nullptr, 0);
  if (!bitmap || !bits) {
    if (bitmap) DeleteObject(bitmap);
    png->error = kPngNoBitmap;
    bitmap = nullptr;
  } else {
    GdiFlush();
    if (!PngWriteRows(png, static_cast<uint8_t*>(bits))) {
      DeleteObject(bitmap);
      bitmap = nullptr;
    }
  }
  if (dc) ReleaseDC(window, dc);
  return bitmap;
}
