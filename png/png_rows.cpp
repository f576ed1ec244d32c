// The row stage: unfiltering of each scanline of raw (PNG filter types 0 to
// 4), conversion into the bitmap's pixel format, and placement of the rows,
// with Adam7 passes spread back into place.
#include <cstring>

#include "png/png_decoder.h"
#include "png/png_format.h"

namespace {

const uint8_t kPassStartColumn[7] = {0, 4, 0, 2, 0, 1, 0};
const uint8_t kPassStartRow[7] = {0, 0, 4, 0, 2, 0, 1};
const uint8_t kPassColumnStep[7] = {8, 8, 4, 4, 2, 2, 1};
const uint8_t kPassRowStep[7] = {8, 8, 8, 4, 4, 2, 2};

typedef void (*Converter)(const uint8_t*, uint8_t*, uint32_t);

Converter PickConverter(uint8_t colorType, uint8_t depth) {
  switch (colorType) {
    case 0:
      if (depth == 16) return PngConvertFirstOf2;
      return depth == 2 ? PngConvertGrey2 : PngConvertCopy;
    case 3: return depth == 2 ? PngConvertGrey2 : PngConvertCopy;
    case 4: return depth == 16 ? PngConvertFirstOf4 : PngConvertFirstOf2;
    case 2: return depth == 16 ? PngConvertRgb16 : PngConvertRgb8;
    default: return depth == 16 ? PngConvertRgba16 : PngConvertRgba8;
  }
}

inline uint8_t Paeth(uint8_t a, uint8_t b, uint8_t c) {
  int p = a + b - c;
  int pa = p > a ? p - a : a - p;
  int pb = p > b ? p - b : b - p;
  int pc = p > c ? p - c : c - p;
  if (pa <= pb && pa <= pc) return a;
  return pb <= pc ? b : c;
}

// Unfilters n bytes of a filtered row (type 1 to 4) into out. prev is the
// previous unfiltered row of the same pass, or null on a pass's first row
// (where "above" and "upper-left" are 0). dist is the filter distance.
void Unfilter(uint8_t type, const uint8_t* in, const uint8_t* prev, uint8_t* out, uint32_t n,
              uint32_t dist) {
  uint32_t head = dist < n ? dist : n;  // bytes with no left neighbour
  switch (type) {
    case 1:  // Sub
      std::memcpy(out, in, head);
      for (uint32_t i = head; i < n; ++i) out[i] = uint8_t(in[i] + out[i - dist]);
      break;
    case 2:  // Up
      if (!prev) {
        std::memcpy(out, in, n);
      } else {
        for (uint32_t i = 0; i < n; ++i) out[i] = uint8_t(in[i] + prev[i]);
      }
      break;
    case 3:  // Average, the sum taken in 9 bits
      if (!prev) {
        std::memcpy(out, in, head);
        for (uint32_t i = head; i < n; ++i) out[i] = uint8_t(in[i] + (out[i - dist] >> 1));
      } else {
        for (uint32_t i = 0; i < head; ++i) out[i] = uint8_t(in[i] + (prev[i] >> 1));
        for (uint32_t i = head; i < n; ++i)
          out[i] = uint8_t(in[i] + ((unsigned(out[i - dist]) + prev[i]) >> 1));
      }
      break;
    default:  // 4, Paeth; on a first row the predictor is always "left"
      if (!prev) {
        std::memcpy(out, in, head);
        for (uint32_t i = head; i < n; ++i) out[i] = uint8_t(in[i] + out[i - dist]);
      } else {
        for (uint32_t i = 0; i < head; ++i) out[i] = uint8_t(in[i] + prev[i]);
        for (uint32_t i = head; i < n; ++i)
          out[i] = uint8_t(in[i] + Paeth(out[i - dist], prev[i], prev[i - dist]));
      }
      break;
  }
}

}  // namespace

void PngConvertCopy(const uint8_t* src, uint8_t* dst, uint32_t count) { std::memcpy(dst, src, count); }

// Four 2-bit samples per byte become four 4-bit nibbles in two bytes.
void PngConvertGrey2(const uint8_t* src, uint8_t* dst, uint32_t count) {
  for (uint32_t i = 0; i < count; ++i) {
    uint8_t b = src[i];
    dst[2 * i] = uint8_t(((b & 0xC0) >> 2) | ((b & 0x30) >> 4));
    dst[2 * i + 1] = uint8_t(((b & 0x0C) << 2) | (b & 0x03));
  }
}

// High byte of each 16-bit grey sample, or the grey of each 8-bit grey+alpha pixel.
void PngConvertFirstOf2(const uint8_t* src, uint8_t* dst, uint32_t count) {
  for (uint32_t i = 0; i < count / 2; ++i) dst[i] = src[2 * i];
}

// High byte of grey of each 16-bit grey+alpha pixel.
void PngConvertFirstOf4(const uint8_t* src, uint8_t* dst, uint32_t count) {
  for (uint32_t i = 0; i < count / 4; ++i) dst[i] = src[4 * i];
}

void PngConvertRgb8(const uint8_t* src, uint8_t* dst, uint32_t count) {
  for (uint32_t i = 0; i + 3 <= count; i += 3) {
    dst[i] = src[i + 2];
    dst[i + 1] = src[i + 1];
    dst[i + 2] = src[i];
  }
}

void PngConvertRgb16(const uint8_t* src, uint8_t* dst, uint32_t count) {
  for (uint32_t i = 0; i < count / 6; ++i) {
    dst[3 * i] = src[6 * i + 4];
    dst[3 * i + 1] = src[6 * i + 2];
    dst[3 * i + 2] = src[6 * i];
  }
}

// Red and blue swap places inside each 32-bit pixel; alpha stays straight.
void PngConvertRgba8(const uint8_t* src, uint8_t* dst, uint32_t count) {
  for (uint32_t i = 0; i + 4 <= count; i += 4) {
    uint32_t v;
    std::memcpy(&v, src + i, 4);  // little-endian: R in the low byte
    v = (v & 0xFF00FF00u) | ((v >> 16) & 0xFFu) | ((v & 0xFFu) << 16);
    std::memcpy(dst + i, &v, 4);
  }
}

// High bytes of each 8-byte pixel as blue, green, red, alpha; two pixels per
// step, then a last single one.
void PngConvertRgba16(const uint8_t* src, uint8_t* dst, uint32_t count) {
  uint32_t pixels = count / 8;
  uint32_t i = 0;
  for (; i + 2 <= pixels; i += 2) {
    const uint8_t* s = src + 8 * i;
    uint8_t* d = dst + 4 * i;
    d[0] = s[4]; d[1] = s[2]; d[2] = s[0]; d[3] = s[6];
    d[4] = s[12]; d[5] = s[10]; d[6] = s[8]; d[7] = s[14];
  }
  if (i < pixels) {
    const uint8_t* s = src + 8 * i;
    uint8_t* d = dst + 4 * i;
    d[0] = s[4]; d[1] = s[2]; d[2] = s[0]; d[3] = s[6];
  }
}

namespace {

// Below 8 bits per pixel: pixel k's bits (most significant first in both
// rows) are OR-ed into column start + k * step of the zeroed output row.
void ScatterBits(int pass, uint32_t b, uint32_t stride, const uint8_t* passRow, uint32_t pixels,
                 uint32_t r, uint8_t* bits) {
  uint8_t* row = bits + size_t(kPassStartRow[pass] + size_t(r) * kPassRowStep[pass]) * stride;
  uint32_t perByte = 8 / b;
  uint32_t mask = (1u << b) - 1;
  size_t x = kPassStartColumn[pass];
  for (uint32_t k = 0; k < pixels; ++k, x += kPassColumnStep[pass]) {
    uint32_t value = (passRow[k / perByte] >> (8 - b - (k % perByte) * b)) & mask;
    row[x / perByte] |= uint8_t(value << (8 - b - (x % perByte) * b));
  }
}

}  // namespace

void PngScatterPass1(int pass, uint32_t, uint32_t stride, const uint8_t* passRow, uint32_t pixels,
                     uint32_t r, uint8_t* bits) {
  ScatterBits(pass, 1, stride, passRow, pixels, r, bits);
}

void PngScatterPass2(int pass, uint32_t, uint32_t stride, const uint8_t* passRow, uint32_t pixels,
                     uint32_t r, uint8_t* bits) {
  ScatterBits(pass, 2, stride, passRow, pixels, r, bits);
}

void PngScatterPass4(int pass, uint32_t, uint32_t stride, const uint8_t* passRow, uint32_t pixels,
                     uint32_t r, uint8_t* bits) {
  ScatterBits(pass, 4, stride, passRow, pixels, r, bits);
}

// From 8 bits per pixel up, each pixel's bytes are copied into place.
void PngScatterPass8(int pass, uint32_t bitsPerPixel, uint32_t stride, const uint8_t* passRow,
                     uint32_t pixels, uint32_t r, uint8_t* bits) {
  uint32_t bytes = bitsPerPixel / 8;
  uint8_t* to = bits + size_t(kPassStartRow[pass] + size_t(r) * kPassRowStep[pass]) * stride +
                size_t(kPassStartColumn[pass]) * bytes;
  size_t step = size_t(kPassColumnStep[pass]) * bytes;
  for (uint32_t k = 0; k < pixels; ++k, to += step, passRow += bytes) std::memcpy(to, passRow, bytes);
}

bool PngWriteRows(PngDecoder* png, uint8_t* bits) {
  if (png->state != kPngDecoded || !png->raw || !bits) return false;
  const uint32_t bpp = PngChannels(png->colorType) * png->bitDepth;
  const uint32_t dist = bpp >= 8 ? bpp / 8 : 1;
  const uint32_t outBits = PngOutputBits(png);
  const uint32_t stride = PngOutputStride(png);
  const Converter convert = PickConverter(png->colorType, png->bitDepth);
  // PngDecode made sure raw and the bitmap have sizes that fit 32 bits, so
  // one row of either fits too.
  const uint32_t rowMax = uint32_t(PngRowBytes(png->width, bpp));
  uint64_t work = 2 * uint64_t(rowMax) + (png->interlace ? uint64_t(stride) + 8 : 0);
  if (work > 0xFFFFFFFFu) {
    png->error = kPngNoMemory;
    return false;
  }
  uint8_t* buffers = static_cast<uint8_t*>(PngAllocate(uint32_t(work)));
  if (!buffers) {
    png->error = kPngNoMemory;
    return false;
  }
  uint8_t* rowA = buffers;
  uint8_t* rowB = buffers + rowMax;
  // The 2-bit widening writes whole bytes of pairs, up to one byte past the
  // pass row's pixels; the extra 8 bytes of the pass-row buffer cover it.
  uint8_t* passRow = buffers + 2 * size_t(rowMax);

  const uint8_t* src = png->raw;
  const uint8_t* end = png->raw + png->rawSize;
  bool ok = true;
  if (!png->interlace) {
    const uint8_t* prev = nullptr;
    uint32_t n = rowMax;
    for (uint32_t y = 0; y < png->height && ok; ++y) {
      if (end - src < ptrdiff_t(n) + 1) { ok = false; break; }
      uint8_t type = *src;
      const uint8_t* cur = src + 1;
      if (type > 4) { ok = false; break; }
      if (type != 0) {
        uint8_t* out = prev == rowA ? rowB : rowA;
        Unfilter(type, cur, prev, out, n, dist);
        cur = out;
      }
      convert(cur, bits + size_t(y) * stride, n);
      prev = cur;
      src += n + 1;
    }
  } else {
    if (outBits < 8) std::memset(bits, 0, size_t(stride) * png->height);
    for (int pass = 0; pass < 7 && ok; ++pass) {
      uint32_t columns = PngPassColumns(pass, png->width);
      uint32_t rows = PngPassRows(pass, png->height);
      if (!columns || !rows) continue;
      uint32_t n = uint32_t(PngRowBytes(columns, bpp));
      const uint8_t* prev = nullptr;
      for (uint32_t r = 0; r < rows; ++r) {
        if (end - src < ptrdiff_t(n) + 1) { ok = false; break; }
        uint8_t type = *src;
        const uint8_t* cur = src + 1;
        if (type > 4) { ok = false; break; }
        if (type != 0) {
          uint8_t* out = prev == rowA ? rowB : rowA;
          Unfilter(type, cur, prev, out, n, dist);
          cur = out;
        }
        convert(cur, passRow, n);
        switch (outBits) {
          case 1: PngScatterPass1(pass, outBits, stride, passRow, columns, r, bits); break;
          case 2: PngScatterPass2(pass, outBits, stride, passRow, columns, r, bits); break;
          case 4: PngScatterPass4(pass, outBits, stride, passRow, columns, r, bits); break;
          default: PngScatterPass8(pass, outBits, stride, passRow, columns, r, bits); break;
        }
        prev = cur;
        src += n + 1;
      }
    }
  }
  PngRelease(buffers);
  return ok;
}
