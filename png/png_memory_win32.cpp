// The decoder's heap on Windows: the process heap, no flags.
#include <windows.h>

#include "png/png_decoder.h"

void* PngAllocate(uint32_t size) { return HeapAlloc(GetProcessHeap(), 0, size ? size : 1); }

void PngRelease(void* block) {
  if (block) HeapFree(GetProcessHeap(), 0, block);
}
