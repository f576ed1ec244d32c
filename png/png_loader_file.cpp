// LoadPngFile: LoadPngResource's twin for a PNG file on disk.
#include "png/png_loader.h"

#include "png/png_win32.h"

bool LoadPngFile(HWND window, const char* path, HBITMAP* bitmap, int size[2]) {
  PngDecoder png;
  PngInit(&png);
  if (!PngLoadFile(&png, path)) {
    PngFree(&png);
    return false;
  }
  return PngDecodeInto(&png, window, bitmap, size);
}
