// The PNG decoder record and its operations: header scan, inflation of the
// IDAT stream, unfiltering, conversion into bitmap rows and Adam7 scatter.
// Portable C++ without windows.h; the Win32 edge (resources, files, DIB
// sections) lives in png_win32.cpp and png_loader.cpp.
//
// Life of a record: PngInit -> load (attach + PngParseHeader, state 1) ->
// PngDecode (inflate into raw, state 2) -> PngWriteRows into the bitmap's
// memory, any number of times -> PngFree.
#pragma once

#include <cstddef>
#include <cstdint>

// Error codes kept in PngDecoder::error.
enum : uint32_t {
  kPngOk = 0x0000,
  kPngFileError = 0x1000,      // file cannot be opened, sized or read
  kPngNoMemory = 0x1001,       // no memory for the file buffer or raw (or too large)
  kPngNotEmpty = 0x1002,       // load into a record that already holds an image
  kPngCorrupt = 0x2000,        // not a PNG, or damaged (also every inflate failure)
  kPngUnsupported = 0x2001,    // unknown critical chunk, bad type/depth/method
  kPngWrongState = 0x2003,     // decode needs state 1, bitmap needs state 2
  kPngNoBitmap = 0x2006,       // the DIB section cannot be created
  kPngNoResource = 0x3001,     // no RT_RCDATA resource of that name
  kPngResourceError = 0x3002,  // resource cannot be loaded, or is empty
};

// Record states.
enum : int32_t { kPngEmpty = 0, kPngParsed = 1, kPngDecoded = 2 };
// Where input came from.
enum : int32_t { kPngNoSource = 0, kPngFromFile = 1, kPngFromResource = 2 };
// Chunk type codes of PngReadChunk.
enum : uint32_t { kChunkOther = 0, kChunkIHDR = 1, kChunkPLTE = 2, kChunkIDAT = 3, kChunkIEND = 4,
                  kChunkUnknownCritical = 5 };

#pragma pack(push, 1)
struct PngDecoder {
  uint32_t width;
  uint32_t height;
  uint32_t error;
  uint32_t paletteCount;
  uint8_t colorType;
  uint8_t bitDepth;
  uint8_t interlace;
  const uint8_t* input;
  uint32_t inputSize;
  const uint8_t* cursor;
  uint8_t* raw;
  uint32_t rawSize;
  const uint8_t* palette;
  int32_t source;
  const uint8_t* header;
  const uint8_t* firstIdat;
  int32_t state;
};
#pragma pack(pop)

// One chunk as PngReadChunk sees it at cursor.
struct PngChunk {
  uint32_t type;      // kChunk* code
  uint32_t length;    // data length
  uint32_t crc;       // stored CRC, never verified
  const uint8_t* data;
};

// Laid out exactly like BITMAPINFOHEADER followed by 256 RGBQUADs, so the
// Win32 half hands it to CreateDIBSection as a BITMAPINFO.
struct PngBitmapInfo {
  uint32_t size;
  int32_t width;
  int32_t height;
  uint16_t planes;
  uint16_t bitCount;
  uint32_t compression;
  uint32_t sizeImage;
  int32_t xPelsPerMeter;
  int32_t yPelsPerMeter;
  uint32_t colorsUsed;
  uint32_t colorsImportant;
  uint8_t colors[256][4];  // blue, green, red, 0
};
static_assert(sizeof(PngBitmapInfo) == 40 + 256 * 4, "BITMAPINFO layout");

// Heap of the decoder: the process heap on Win32, malloc on the host
// (png_memory_win32.cpp / png_memory_host.cpp). Null on failure.
void* PngAllocate(uint32_t size);
void PngRelease(void* block);

bool PngInit(PngDecoder* png);
// First step of every load: sets error to 0, or fails with 0x1002 (and
// changes nothing else) when the record already holds an image.
bool PngBeginLoad(PngDecoder* png);
// Attaches size bytes at data as input (source kPngFromFile: the block came
// from PngAllocate and now belongs to the record; kPngFromResource: module
// memory, never freed) and scans the header. On failure nothing stays
// attached (a file block is released) and the state stays 0.
bool PngAttachInput(PngDecoder* png, const uint8_t* data, uint32_t size, int32_t source);
bool PngLoadFile(PngDecoder* png, const char* path);
bool PngParseHeader(PngDecoder* png);
bool PngReadChunk(PngDecoder* png, PngChunk* chunk);
bool PngDecode(PngDecoder* png);
bool PngFree(PngDecoder* png);

// Exact length of the inflated data; 0 when it does not fit in 32 bits.
uint32_t PngRawSize(const PngDecoder* png);
bool PngInflate(PngDecoder* png);

// Output format of the bitmap for the record's colour type and depth.
uint32_t PngOutputBits(const PngDecoder* png);
// Bytes per bitmap row (a multiple of 4); 0 when it does not fit.
uint32_t PngOutputStride(const PngDecoder* png);
// Entries of the colour table: grey-ramp length, PLTE count capped at 256, or 0.
uint32_t PngColorCount(const PngDecoder* png);
// Fills the header and colour table (everything else zero).
void PngBuildBitmapInfo(const PngDecoder* png, PngBitmapInfo* info);

// Unfilters, converts and places every row of raw into bits (height rows of
// PngOutputStride bytes, top row first). False on a filter type above 4
// (error unchanged) or when the row buffers cannot be had (0x1001).
bool PngWriteRows(PngDecoder* png, uint8_t* bits);

// Row converters: source row, destination, source byte count.
void PngConvertCopy(const uint8_t* src, uint8_t* dst, uint32_t count);
void PngConvertGrey2(const uint8_t* src, uint8_t* dst, uint32_t count);
void PngConvertFirstOf2(const uint8_t* src, uint8_t* dst, uint32_t count);
void PngConvertFirstOf4(const uint8_t* src, uint8_t* dst, uint32_t count);
void PngConvertRgb8(const uint8_t* src, uint8_t* dst, uint32_t count);
void PngConvertRgb16(const uint8_t* src, uint8_t* dst, uint32_t count);
void PngConvertRgba8(const uint8_t* src, uint8_t* dst, uint32_t count);
void PngConvertRgba16(const uint8_t* src, uint8_t* dst, uint32_t count);

// Adam7 scatter of one converted pass row (pixels wide, pass 0..6, row r of
// the pass) into the bitmap, by output bits per pixel: 1, 2, 4, 8 and more.
void PngScatterPass1(int pass, uint32_t bitsPerPixel, uint32_t stride, const uint8_t* passRow,
                     uint32_t pixels, uint32_t r, uint8_t* bits);
void PngScatterPass2(int pass, uint32_t bitsPerPixel, uint32_t stride, const uint8_t* passRow,
                     uint32_t pixels, uint32_t r, uint8_t* bits);
void PngScatterPass4(int pass, uint32_t bitsPerPixel, uint32_t stride, const uint8_t* passRow,
                     uint32_t pixels, uint32_t r, uint8_t* bits);
void PngScatterPass8(int pass, uint32_t bitsPerPixel, uint32_t stride, const uint8_t* passRow,
                     uint32_t pixels, uint32_t r, uint8_t* bits);

// Adam7 geometry: pixel count of pass p (0..6) over a full size of n
// columns (or rows); 0 when the pass is empty.
uint32_t PngPassColumns(int pass, uint32_t width);
uint32_t PngPassRows(int pass, uint32_t height);
