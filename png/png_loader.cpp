// One-call loading of a PNG into a DIB section for every image consumer.
#include "png/png_loader.h"

#include "png/png_win32.h"

bool PngDecodeInto(PngDecoder* png, HWND window, HBITMAP* bitmap, int size[2]) {
  if (!PngDecode(png)) {
    PngFree(png);
    return false;
  }
  *bitmap = PngCreateBitmap(png, window);
  size[0] = int(png->width);
  size[1] = int(png->height);
  PngFree(png);
  return true;
}

bool LoadPngResource(HWND window, int resourceId, HBITMAP* bitmap, int size[2]) {
  PngDecoder png;
  PngInit(&png);
  if (!PngLoadResource(&png, GetModuleHandleA(nullptr), MAKEINTRESOURCEA(resourceId))) {
    PngFree(&png);
    return false;
  }
  return PngDecodeInto(&png, window, bitmap, size);
}
