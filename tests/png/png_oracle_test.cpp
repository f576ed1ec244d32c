// Oracle tests: images written by libpng over every colour type, depth,
// interlace, filter, zlib level and strategy, with the stream split over
// many (and empty) IDAT chunks, decoded by the decoder and compared pixel
// by pixel with what libpng reads from the same file under the bitmap
// conversions (16-bit to high byte, indices kept, alpha of grey dropped).
#include <png.h>
#include <zlib.h>

#include <gtest/gtest.h>

#include <csetjmp>
#include <cstring>

#include "tests/png/png_test_util.h"

namespace {

struct Params {
  uint32_t width, height;
  int colorType, depth, interlace;
  int filters = PNG_ALL_FILTERS;
  int level = 6;
  int strategy = Z_DEFAULT_STRATEGY;
  size_t idatSize = 8192;  // libpng's compression buffer: one IDAT per fill
  bool emptyIdats = false;
  uint32_t seed = 1;
};

int Channels(int colorType) {
  switch (colorType) {
    case 2: return 3;
    case 4: return 2;
    case 6: return 4;
    default: return 1;
  }
}

uint32_t PaletteSize(const Params& p) { return p.depth == 8 ? 200 : (1u << p.depth); }

// Smooth areas, edges and noise, so that every filter has work to do.
uint32_t Sample(const Params& p, uint32_t x, uint32_t y, int c) {
  uint32_t h = (x * 7919u + y * 104729u + uint32_t(c) * 31u + p.seed * 2654435761u);
  h ^= h >> 13;
  h *= 0x5bd1e995u;
  h ^= h >> 15;
  uint32_t maxValue = (1u << p.depth) - 1;
  uint32_t v = ((x + y) / 3 % 4 == 0) ? h : (x * 5 + y * 3 + uint32_t(c) * 40) * 257u;
  if (p.colorType == 3) return v % PaletteSize(p);
  return v & maxValue;
}

void WriteToVector(png_structp png, png_bytep data, png_size_t length) {
  Bytes* out = static_cast<Bytes*>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + length);
}

void NoFlush(png_structp) {}

Bytes PackRow(const Params& p, uint32_t y) {
  int channels = Channels(p.colorType);
  Bytes row((size_t(p.width) * channels * p.depth + 7) / 8, 0);
  for (uint32_t x = 0; x < p.width; ++x) {
    for (int c = 0; c < channels; ++c) {
      uint32_t v = Sample(p, x, y, c);
      size_t index = size_t(x) * channels + c;
      if (p.depth == 16) {
        row[2 * index] = uint8_t(v >> 8);
        row[2 * index + 1] = uint8_t(v);
      } else if (p.depth == 8) {
        row[index] = uint8_t(v);
      } else {
        size_t bit = index * p.depth;
        row[bit / 8] |= uint8_t(v << (8 - p.depth - bit % 8));
      }
    }
  }
  return row;
}

// After every IDAT an empty one.
Bytes WithEmptyIdats(const Bytes& file) {
  Bytes out(file.begin(), file.begin() + 8);
  size_t pos = 8;
  while (pos + 12 <= file.size()) {
    uint32_t length = (uint32_t(file[pos]) << 24) | (file[pos + 1] << 16) | (file[pos + 2] << 8) | file[pos + 3];
    out.insert(out.end(), file.begin() + long(pos), file.begin() + long(pos + length + 12));
    if (std::memcmp(&file[pos + 4], "IDAT", 4) == 0) {
      Bytes empty = Chunk("IDAT", {});
      out.insert(out.end(), empty.begin(), empty.end());
    }
    pos += length + 12;
  }
  return out;
}

Bytes Encode(const Params& p) {
  Bytes out;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  std::vector<Bytes> rows(p.height);
  for (uint32_t y = 0; y < p.height; ++y) rows[y] = PackRow(p, y);
  std::vector<png_bytep> pointers(p.height);
  for (uint32_t y = 0; y < p.height; ++y) pointers[y] = rows[y].data();
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return {};
  }
  png_set_write_fn(png, &out, WriteToVector, NoFlush);
  png_set_IHDR(png, info, p.width, p.height, p.depth, p.colorType, p.interlace ? PNG_INTERLACE_ADAM7 : 0,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  std::vector<png_color> palette;
  if (p.colorType == 3) {
    for (uint32_t i = 0; i < PaletteSize(p); ++i)
      palette.push_back({uint8_t(i * 37 + 5), uint8_t(255 - i), uint8_t(i * 11)});
    png_set_PLTE(png, info, palette.data(), int(palette.size()));
  }
  png_set_filter(png, 0, p.filters);
  png_set_compression_level(png, p.level);
  png_set_compression_strategy(png, p.strategy);
  png_set_compression_buffer_size(png, p.idatSize);
  png_write_info(png, info);
  if (p.interlace) png_set_interlace_handling(png);
  png_write_image(png, pointers.data());
  png_write_end(png, info);
  png_destroy_write_struct(&png, &info);
  return p.emptyIdats ? WithEmptyIdats(out) : out;
}

struct Reader {
  const Bytes* file;
  size_t pos;
};

void ReadFromVector(png_structp png, png_bytep data, png_size_t length) {
  Reader* r = static_cast<Reader*>(png_get_io_ptr(png));
  if (r->pos + length > r->file->size()) png_error(png, "short");
  std::memcpy(data, r->file->data() + r->pos, length);
  r->pos += length;
}

// libpng's reading: rows of samples as stored, and the PLTE.
bool OracleRead(const Bytes& file, std::vector<Bytes>* rows, std::vector<png_color>* palette) {
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  Reader reader = {&file, 0};
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_read_struct(&png, &info, nullptr);
    return false;
  }
  png_set_read_fn(png, &reader, ReadFromVector);
  png_read_info(png, info);
  if (png_get_interlace_type(png, info) != PNG_INTERLACE_NONE) png_set_interlace_handling(png);
  png_read_update_info(png, info);
  uint32_t height = png_get_image_height(png, info);
  size_t rowBytes = png_get_rowbytes(png, info);
  rows->assign(height, Bytes(rowBytes));
  std::vector<png_bytep> pointers(height);
  for (uint32_t y = 0; y < height; ++y) pointers[y] = (*rows)[y].data();
  png_read_image(png, pointers.data());
  png_colorp entries = nullptr;
  int count = 0;
  if (png_get_PLTE(png, info, &entries, &count)) palette->assign(entries, entries + count);
  png_destroy_read_struct(&png, &info, nullptr);
  return true;
}

uint32_t StoredSample(const Bytes& row, int depth, size_t index) {
  if (depth == 16) return row[2 * index];  // high byte
  if (depth == 8) return row[index];
  size_t bit = index * depth;
  return (row[bit / 8] >> (8 - depth - bit % 8)) & ((1u << depth) - 1);
}

// The bitmap pixel bytes libpng's samples should become.
Bytes ExpectedPixel(const Params& p, const Bytes& row, uint32_t x) {
  switch (p.colorType) {
    case 2: return {uint8_t(StoredSample(row, p.depth, 3 * x + 2)), uint8_t(StoredSample(row, p.depth, 3 * x + 1)),
                    uint8_t(StoredSample(row, p.depth, 3 * x))};
    case 6: return {uint8_t(StoredSample(row, p.depth, 4 * x + 2)), uint8_t(StoredSample(row, p.depth, 4 * x + 1)),
                    uint8_t(StoredSample(row, p.depth, 4 * x)), uint8_t(StoredSample(row, p.depth, 4 * x + 3))};
    case 4: return {uint8_t(StoredSample(row, p.depth, 2 * x))};
    default: return {uint8_t(StoredSample(row, p.depth, x))};
  }
}

Bytes BitmapPixel(const Decoded& d, uint32_t x, uint32_t y) {
  const uint8_t* row = d.bits.data() + size_t(y) * d.stride;
  if (d.bitCount < 8) {
    size_t bit = size_t(x) * d.bitCount;
    return {uint8_t((row[bit / 8] >> (8 - d.bitCount - bit % 8)) & ((1u << d.bitCount) - 1))};
  }
  uint32_t bytes = d.bitCount / 8;
  return Bytes(row + size_t(x) * bytes, row + size_t(x + 1) * bytes);
}

std::string Describe(const Params& p) {
  char text[160];
  std::snprintf(text, sizeof(text), "%ux%u type %d depth %d interlace %d filters 0x%x level %d strategy %d idat %zu%s",
                p.width, p.height, p.colorType, p.depth, p.interlace, p.filters, p.level, p.strategy, p.idatSize,
                p.emptyIdats ? " +empty" : "");
  return text;
}

void ExpectSameAsLibpng(const Params& p) {
  SCOPED_TRACE(Describe(p));
  Bytes file = Encode(p);
  ASSERT_FALSE(file.empty());
  std::vector<Bytes> rows;
  std::vector<png_color> palette;
  ASSERT_TRUE(OracleRead(file, &rows, &palette));
  Decoded d = DecodePng(file);
  ASSERT_TRUE(d.rows) << "error " << d.error;
  EXPECT_EQ(p.width, d.width);
  EXPECT_EQ(p.height, d.height);

  // Colour table: the grey ramp, or the PLTE in blue, green, red order.
  if (p.colorType == 0 || p.colorType == 4) {
    uint32_t n = p.colorType == 4 || p.depth >= 8 ? 256 : 1u << (p.depth == 2 ? 2 : p.depth);
    ASSERT_EQ(n, d.colors);
    for (uint32_t i = 0; i < n; ++i) {
      uint8_t grey = uint8_t(i * 255 / (n - 1));
      ASSERT_EQ(Bytes({grey, grey, grey, 0}), Bytes(d.table.begin() + 4 * i, d.table.begin() + 4 * i + 4)) << i;
    }
  } else if (p.colorType == 3) {
    ASSERT_EQ(palette.size(), d.colors);
    for (size_t i = 0; i < palette.size(); ++i)
      ASSERT_EQ(Bytes({palette[i].blue, palette[i].green, palette[i].red, 0}),
                Bytes(d.table.begin() + 4 * long(i), d.table.begin() + 4 * long(i) + 4)) << i;
  } else {
    EXPECT_EQ(0u, d.colors);
  }

  int mismatches = 0;
  for (uint32_t y = 0; y < p.height && mismatches < 5; ++y)
    for (uint32_t x = 0; x < p.width && mismatches < 5; ++x)
      if (ExpectedPixel(p, rows[y], x) != BitmapPixel(d, x, y)) {
        ADD_FAILURE() << "pixel " << x << "," << y;
        ++mismatches;
      }
}

struct Format {
  int colorType, depth;
};
const Format kFormats[] = {{0, 1}, {0, 2}, {0, 4}, {0, 8}, {0, 16}, {2, 8}, {2, 16}, {3, 1},
                           {3, 2}, {3, 4}, {3, 8}, {4, 8}, {4, 16}, {6, 8}, {6, 16}};
const int kFilters[] = {PNG_FILTER_NONE, PNG_FILTER_SUB, PNG_FILTER_UP, PNG_FILTER_AVG, PNG_FILTER_PAETH,
                        PNG_ALL_FILTERS};
const int kStrategies[] = {Z_DEFAULT_STRATEGY, Z_FIXED, Z_HUFFMAN_ONLY, Z_RLE, Z_FILTERED};
const uint32_t kSizes[][2] = {{1, 1}, {1, 9}, {9, 1}, {3, 3}, {7, 7}, {13, 5}, {1000, 3}, {61, 33}, {2, 17}};

// Every format, interlaced and not, over every size; filters, levels,
// strategies and IDAT splits rotate through the cases so that each one
// meets many formats.
TEST(PngOracle, EveryFormatSizeFilterAndLevelMatchesLibpng) {
  uint32_t k = 0;
  for (const Format& f : kFormats)
    for (int interlace = 0; interlace < 2; ++interlace)
      for (const auto& size : kSizes) {
        Params p = {size[0], size[1], f.colorType, f.depth, interlace};
        p.filters = kFilters[k % 6];
        p.level = int(k % 10);
        p.strategy = kStrategies[k / 10 % 5];
        p.idatSize = k % 3 == 0 ? 37 : 8192;
        p.emptyIdats = k % 4 == 1;
        p.seed = k;
        ExpectSameAsLibpng(p);
        ++k;
      }
}

// Each filter forced on its own and each zlib level, on the widest formats.
TEST(PngOracle, EachFilterAndLevelOnLargerImages) {
  for (int filter : kFilters)
    for (int level = 0; level <= 9; level += 3)
      for (const Format& f : {Format{6, 8}, Format{2, 16}, Format{0, 2}}) {
        Params p = {97, 41, f.colorType, f.depth, 0};
        p.filters = filter;
        p.level = level;
        ExpectSameAsLibpng(p);
        p.interlace = 1;
        ExpectSameAsLibpng(p);
      }
  for (int level = 0; level <= 9; ++level) {
    Params p = {200, 50, 6, 8, 0};
    p.level = level;
    ExpectSameAsLibpng(p);
  }
}

// A stream with a long stored part (level 0 over 70 000 bytes) uses
// several stored blocks.
TEST(PngOracle, ManyStoredBlocks) {
  Params p = {300, 60, 6, 8, 0};
  p.level = 0;
  p.idatSize = 1000;
  ExpectSameAsLibpng(p);
}

TEST(PngInterlace, GivesTheSameBitmapAsNonInterlaced) {
  const uint32_t sizes[][2] = {{1, 1}, {1, 6}, {6, 1}, {3, 3}, {9, 11}, {17, 4}};
  for (const Format& f : kFormats)
    for (const auto& size : sizes) {
      Params p = {size[0], size[1], f.colorType, f.depth, 0};
      SCOPED_TRACE(Describe(p));
      Decoded plain = DecodePng(Encode(p));
      p.interlace = 1;
      Decoded adam7 = DecodePng(Encode(p));
      ASSERT_TRUE(plain.rows);
      ASSERT_TRUE(adam7.rows);
      // Row padding past the pixels is not part of the image.
      uint32_t used = (size[0] * plain.bitCount + 7) / 8;
      for (uint32_t y = 0; y < size[1]; ++y) {
        const uint8_t* a = plain.bits.data() + size_t(y) * plain.stride;
        const uint8_t* b = adam7.bits.data() + size_t(y) * adam7.stride;
        EXPECT_EQ(Bytes(a, a + used), Bytes(b, b + used)) << "row " << y;
      }
    }
}

// Paeth ties: when "above" and "upper-left" are equally near, above wins;
// when "left" ties with either, left wins.
TEST(PngFilters, PaethTiesFollowTheStandardOrder) {
  struct Tie {
    uint8_t upperLeft, above, left, expected;
  };
  // a = left, b = above, c = upper-left.
  for (const Tie& t : {Tie{100, 80, 110, 80}, Tie{100, 110, 80, 80}, Tie{50, 50, 50, 50}}) {
    // 2x2 grey: row 0 unfiltered, row 1 Paeth with filtered bytes chosen so
    // that pixel (0,1) is `left` and pixel (1,1) is its predictor + 5.
    uint8_t first = uint8_t(t.left - t.upperLeft);  // predictor of (0,1) is above = upperLeft
    Bytes raw = {0, t.upperLeft, t.above, 4, first, 5};
    Decoded d = DecodePng(PngFile({Ihdr(2, 2, 8, 0), Chunk("IDAT", ZlibStored(raw)), Chunk("IEND", {})}));
    ASSERT_TRUE(d.rows);
    EXPECT_EQ(t.left, d.bits[d.stride]);
    EXPECT_EQ(uint8_t(t.expected + 5), d.bits[d.stride + 1]);
  }
}

}  // namespace
