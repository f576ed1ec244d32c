// PngLoadFile on Windows: the whole file read into a process-heap block.
#include "png/png_win32.h"

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
