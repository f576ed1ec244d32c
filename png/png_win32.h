// The Win32 operations of the decoder record: attaching a PNG from a
// module's RT_RCDATA resource or from a file (PngLoadFile, declared in
// png_decoder.h), and delivering the decoded image as a DIB section.
#pragma once

#include <windows.h>

#include "png/png_decoder.h"

// name: resource name or MAKEINTRESOURCE id. 0x3001 when there is no such
// RT_RCDATA resource, 0x3002 when it cannot be loaded or is empty.
bool PngLoadResource(PngDecoder* png, HMODULE module, const char* name);
// A top-down DIB section in the output format of the record's image, or
// null: 0x2003 before a decode, 0x2006 when the section cannot be made,
// error unchanged when a row has an unknown filter type.
HBITMAP PngCreateBitmap(PngDecoder* png, HWND window);

// The last steps of LoadPngResource and LoadPngFile after a successful
// load: decode, create the bitmap, write handle and size, free the record.
// False (outputs untouched) when the decode fails; true otherwise, even
// when no bitmap could be made (the handle written is then null).
bool PngDecodeInto(PngDecoder* png, HWND window, HBITMAP* bitmap, int size[2]);
