// One-call loading of PNG artwork into 32-bit (or palette/grey) top-down
// DIB sections. The caller owns the bitmap.
#pragma once

#include <windows.h>

// Decodes the RT_RCDATA resource with this id of the running executable.
// size receives width and height. False when the resource was not found,
// parsed and decoded (bitmap and size are then left alone).
bool LoadPngResource(HWND window, int resourceId, HBITMAP* bitmap, int size[2]);
// The same for a PNG file on disk.
bool LoadPngFile(HWND window, const char* path, HBITMAP* bitmap, int size[2]);
