// The record's life cycle and the header scan: chunk reading, IHDR checks,
// PLTE and IDAT positions, and the sizes derived from the header.
#include "png/png_decoder.h"
#include "png/png_format.h"

#include <cstring>

namespace {

const uint8_t kSignature[8] = {137, 80, 78, 71, 13, 10, 26, 10};

uint32_t ReadBig32(const uint8_t* p) {
  return (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | p[3];
}

// Chunk type letters compared with the case bit of the first letter cleared,
// so "iHDR" counts as IHDR.
bool TypeIs(const uint8_t* type, const char* name) {
  return (type[0] & ~0x20) == uint8_t(name[0]) && type[1] == uint8_t(name[1]) &&
         type[2] == uint8_t(name[2]) && type[3] == uint8_t(name[3]);
}

bool ValidCombination(uint8_t colorType, uint8_t depth) {
  switch (colorType) {
    case 0: return depth == 1 || depth == 2 || depth == 4 || depth == 8 || depth == 16;
    case 3: return depth == 1 || depth == 2 || depth == 4 || depth == 8;
    case 2: case 4: case 6: return depth == 8 || depth == 16;
    default: return false;
  }
}

}  // namespace

bool PngInit(PngDecoder* png) {
  std::memset(png, 0, sizeof(*png));
  return true;
}

bool PngBeginLoad(PngDecoder* png) {
  if (png->state != kPngEmpty || png->source != kPngNoSource || png->input) {
    png->error = kPngNotEmpty;
    return false;
  }
  png->error = kPngOk;
  return true;
}

bool PngAttachInput(PngDecoder* png, const uint8_t* data, uint32_t size, int32_t source) {
  png->input = data;
  png->inputSize = size;
  png->source = source;
  if (PngParseHeader(png)) {
    png->state = kPngParsed;
    return true;
  }
  // A failed load leaves nothing attached; only the error stays.
  uint32_t error = png->error;
  if (source == kPngFromFile) PngRelease(const_cast<uint8_t*>(data));
  PngInit(png);
  png->error = error;
  return false;
}

bool PngReadChunk(PngDecoder* png, PngChunk* chunk) {
  const uint8_t* begin = png->input;
  const uint8_t* cursor = png->cursor;
  if (!cursor || cursor < begin) return false;
  size_t offset = size_t(cursor - begin);
  if (offset >= png->inputSize || png->inputSize - offset < 12) return false;
  size_t left = png->inputSize - offset;
  uint32_t length = ReadBig32(cursor);
  // Data and CRC must lie wholly inside the input (left >= 12 already).
  if (length > left - 12) return false;
  const uint8_t* type = cursor + 4;
  if (TypeIs(type, "IHDR")) chunk->type = kChunkIHDR;
  else if (TypeIs(type, "PLTE")) chunk->type = kChunkPLTE;
  else if (TypeIs(type, "IDAT")) chunk->type = kChunkIDAT;
  else if (TypeIs(type, "IEND")) chunk->type = kChunkIEND;
  else chunk->type = (type[0] & 0x20) ? kChunkOther : kChunkUnknownCritical;
  chunk->length = length;
  chunk->data = cursor + 8;
  chunk->crc = ReadBig32(cursor + 8 + length);
  return true;
}

bool PngParseHeader(PngDecoder* png) {
  png->cursor = nullptr;
  png->header = nullptr;
  png->firstIdat = nullptr;
  png->palette = nullptr;
  png->paletteCount = 0;
  png->error = kPngOk;

  if (!png->input || png->inputSize < 16 || std::memcmp(png->input, kSignature, 8) != 0) {
    png->error = kPngCorrupt;
    return false;
  }
  PngChunk chunk;
  png->cursor = png->input + 8;
  if (!PngReadChunk(png, &chunk) || chunk.type != kChunkIHDR || chunk.length < 13) {
    png->error = kPngCorrupt;
    return false;
  }
  png->header = chunk.data;
  png->width = ReadBig32(chunk.data);
  png->height = ReadBig32(chunk.data + 4);
  // Zero sizes are damage; so are sizes above 2^31 - 1, which the PNG
  // standard forbids and a signed bitmap header cannot hold.
  if (png->width == 0 || png->height == 0 || png->width > 0x7FFFFFFFu || png->height > 0x7FFFFFFFu) {
    png->error = kPngCorrupt;
    return false;
  }

  // Walk every chunk that fits; IEND does not stop the walk.
  for (;;) {
    png->cursor += size_t(chunk.length) + 12;
    if (!PngReadChunk(png, &chunk)) break;
    if (chunk.type == kChunkUnknownCritical) {
      png->error = kPngUnsupported;
      return false;
    }
    if (chunk.type == kChunkPLTE && !png->palette) {
      png->palette = chunk.data;
      png->paletteCount = chunk.length / 3;
    } else if (chunk.type == kChunkIDAT && !png->firstIdat) {
      png->firstIdat = png->cursor;
    }
  }

  const uint8_t* h = png->header;
  png->bitDepth = h[8];
  png->colorType = h[9];
  png->interlace = h[12];
  if (!ValidCombination(png->colorType, png->bitDepth) || h[10] != 0 || h[11] != 0 || h[12] > 1) {
    png->error = kPngUnsupported;
    return false;
  }
  // A palette image needs a palette of at least one entry: without one its
  // indices would refer to nothing.
  if (png->colorType == 3 && png->paletteCount == 0) {
    png->error = kPngCorrupt;
    return false;
  }
  return true;
}

uint32_t PngPassColumns(int pass, uint32_t width) {
  static const uint8_t kStart[7] = {0, 4, 0, 2, 0, 1, 0};
  static const uint8_t kStep[7] = {8, 8, 4, 4, 2, 2, 1};
  if (width <= kStart[pass]) return 0;
  return uint32_t((uint64_t(width) - kStart[pass] + kStep[pass] - 1) / kStep[pass]);
}

uint32_t PngPassRows(int pass, uint32_t height) {
  static const uint8_t kStart[7] = {0, 0, 4, 0, 2, 0, 1};
  static const uint8_t kStep[7] = {8, 8, 8, 4, 4, 2, 2};
  if (height <= kStart[pass]) return 0;
  return uint32_t((uint64_t(height) - kStart[pass] + kStep[pass] - 1) / kStep[pass]);
}

uint32_t PngRawSize(const PngDecoder* png) {
  uint32_t bpp = PngChannels(png->colorType) * png->bitDepth;
  uint64_t total = 0;
  if (png->interlace == 0) {
    total = uint64_t(png->height) * (PngRowBytes(png->width, bpp) + 1);
  } else {
    for (int pass = 0; pass < 7; ++pass) {
      uint32_t columns = PngPassColumns(pass, png->width);
      uint32_t rows = PngPassRows(pass, png->height);
      if (columns && rows) total += uint64_t(rows) * (PngRowBytes(columns, bpp) + 1);
    }
  }
  // Widths and heights are below 2^31, so the 64-bit sums cannot wrap.
  return total > 0xFFFFFFFFu ? 0 : uint32_t(total);
}

uint32_t PngOutputBits(const PngDecoder* png) {
  switch (png->colorType) {
    case 2: return 24;
    case 6: return 32;
    case 4: return 8;
    default:  // grey and palette
      if (png->bitDepth == 2) return 4;
      return png->bitDepth >= 8 ? 8 : png->bitDepth;
  }
}

uint32_t PngOutputStride(const PngDecoder* png) {
  uint64_t stride = (uint64_t(png->width) * PngOutputBits(png) + 31) / 32 * 4;
  return stride > 0xFFFFFFFFu ? 0 : uint32_t(stride);
}

uint32_t PngColorCount(const PngDecoder* png) {
  if (png->colorType == 0 || png->colorType == 4) {
    uint32_t bits = PngOutputBits(png);
    return png->bitDepth == 2 ? 4 : (1u << bits);
  }
  if (png->colorType == 3) return png->paletteCount > 256 ? 256 : png->paletteCount;
  return 0;
}

void PngBuildBitmapInfo(const PngDecoder* png, PngBitmapInfo* info) {
  std::memset(info, 0, sizeof(*info));
  info->size = 40;
  info->width = int32_t(png->width);
  info->height = -int32_t(png->height);  // top-down
  info->planes = 1;
  info->bitCount = uint16_t(PngOutputBits(png));
  uint32_t colors = PngColorCount(png);
  if (png->colorType == 0 || png->colorType == 4) {
    info->colorsUsed = colors;
    for (uint32_t i = 0; i < colors; ++i) {
      uint8_t grey = uint8_t(i * 255 / (colors - 1));
      info->colors[i][0] = info->colors[i][1] = info->colors[i][2] = grey;
    }
  } else if (png->colorType == 3 && png->palette) {
    // At most 256 entries, never past the PLTE data; the rest stays black.
    for (uint32_t i = 0; i < colors; ++i) {
      info->colors[i][0] = png->palette[3 * i + 2];
      info->colors[i][1] = png->palette[3 * i + 1];
      info->colors[i][2] = png->palette[3 * i];
    }
  }
}

bool PngDecode(PngDecoder* png) {
  if (png->state != kPngParsed) {
    png->error = kPngWrongState;
    return false;
  }
  if (!png->firstIdat) {
    png->error = kPngCorrupt;
    return false;
  }
  // Both the inflated data and the bitmap must have sizes that fit; the
  // bitmap's byte count also has to fit a signed 32-bit size for GDI.
  uint32_t rawSize = PngRawSize(png);
  uint32_t stride = PngOutputStride(png);
  if (rawSize == 0 || stride == 0 || uint64_t(stride) * png->height > 0x7FFFFFFFu) {
    png->error = kPngNoMemory;
    return false;
  }
  png->raw = static_cast<uint8_t*>(PngAllocate(rawSize));
  if (!png->raw) {
    png->error = kPngNoMemory;
    return false;
  }
  png->rawSize = rawSize;
  if (!PngInflate(png)) {
    PngRelease(png->raw);
    png->raw = nullptr;
    png->rawSize = 0;
    return false;
  }
  png->state = kPngDecoded;
  png->error = kPngOk;
  return true;
}

bool PngFree(PngDecoder* png) {
  if (png->source == kPngFromFile && png->input) PngRelease(const_cast<uint8_t*>(png->input));
  if (png->state == kPngDecoded && png->raw) PngRelease(png->raw);
  PngInit(png);
  return true;
}
