// The Win32 edge of the decoder: resources, files and DIB sections.
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

bool PngLoadFile(PngDecoder* png, const char* path) {
  if (!PngBeginLoad(png)) return false;
  HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    png->error = kPngFileError;
    return false;
  }
  LARGE_INTEGER size;
  if (!GetFileSizeEx(file, &size)) {
    CloseHandle(file);
    png->error = kPngFileError;
    return false;
  }
  if (size.QuadPart > 0x7FFFFFFF) {  // more than a 32-bit heap block can sensibly hold
    CloseHandle(file);
    png->error = kPngNoMemory;
    return false;
  }
  DWORD total = DWORD(size.QuadPart);
  uint8_t* buffer = static_cast<uint8_t*>(PngAllocate(total));
  if (!buffer) {
    CloseHandle(file);
    png->error = kPngNoMemory;
    return false;
  }
  DWORD done = 0;
  while (done < total) {
    DWORD got = 0;
    if (!ReadFile(file, buffer + done, total - done, &got, nullptr) || got == 0) break;
    done += got;
  }
  CloseHandle(file);
  if (done != total) {
    PngRelease(buffer);
    png->error = kPngFileError;
    return false;
  }
  return PngAttachInput(png, buffer, total, kPngFromFile);
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
