// Checks the artwork the build draws: every picture listed in the two
// resource include files, at its size and in the format the programs'
// decoder and the dialog manager expect.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "png/png_decoder.h"

namespace {

std::string ArtDir() { return SMX_ART_DIR; }

std::vector<uint8_t> ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

uint32_t Be32(const std::vector<uint8_t>& b, size_t at) {
  return uint32_t(b[at]) << 24 | uint32_t(b[at + 1]) << 16 | uint32_t(b[at + 2]) << 8 | b[at + 3];
}
uint32_t Le32(const std::vector<uint8_t>& b, size_t at) {
  return uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 | uint32_t(b[at + 3]) << 24;
}
uint16_t Le16(const std::vector<uint8_t>& b, size_t at) { return uint16_t(b[at] | b[at + 1] << 8); }

// Resource name -> (type, file) from one generated include file.
struct Entry {
  std::string type;
  std::string file;
};
std::map<std::string, Entry> ReadIncludeFile(const std::string& name) {
  std::map<std::string, Entry> out;
  std::ifstream in(ArtDir() + "/" + name);
  std::string line;
  std::regex row(R"re(^(\w+)\s+(RCDATA|BITMAP|ICON)\s+"([^"]+)"\s*$)re");
  while (std::getline(in, line)) {
    std::smatch m;
    if (std::regex_match(line, m, row)) out[m[1]] = {m[2], m[3]};
  }
  return out;
}

struct Rgba {
  uint32_t width = 0, height = 0;
  std::vector<uint8_t> px;
  int Alpha(uint32_t x, uint32_t y) const { return px[(size_t(y) * width + x) * 4 + 3]; }
};

// Decodes with the programs' own decoder: 32-bit rows, blue, green, red,
// alpha, top row first. Empty on any failure.
Rgba DecodeRgba(const std::string& path) {
  Rgba out;
  PngDecoder png;
  PngInit(&png);
  if (PngLoadFile(&png, path.c_str()) && PngDecode(&png) && PngOutputBits(&png) == 32 &&
      PngOutputStride(&png) == png.width * 4) {
    std::vector<uint8_t> px(size_t(png.width) * png.height * 4);
    if (PngWriteRows(&png, px.data())) {
      out.width = png.width;
      out.height = png.height;
      out.px = std::move(px);
    }
  }
  PngFree(&png);
  return out;
}

enum class Kind { kSkinned, kPopup };

struct Picture {
  const char* name;  // resource name in the include file
  const char* hover;  // its hover partner, or nullptr
  uint32_t width, height;
  Kind kind;
  int max_alpha_low, max_alpha_high;  // bounds of the largest alpha value
  // The hover picture differs only in a line (the link's underline; its
  // words are drawn by the program).
  bool hover_is_a_line = false;
};

// Sizes: the skinned pictures take their controls' template rectangles in
// pixels (the about box's buttons are sized for their words); the others
// are fixed by the programs that show them.
const Picture kSomnivex[] = {
    {"IDP_TEST", "IDP_TEST_HOVER", 17, 23, Kind::kSkinned, 255, 255},
    {"IDP_SET", "IDP_SET_HOVER", 21, 23, Kind::kSkinned, 255, 255},
    {"IDP_SWITCH_ON", "IDP_SWITCH_OFF", 32, 23, Kind::kSkinned, 255, 255},
    {"IDP_TIPS_PANEL", nullptr, 147, 178, Kind::kSkinned, 255, 255},
    {"IDP_HIDE", "IDP_HIDE_HOVER", 12, 23, Kind::kSkinned, 255, 255},
    {"IDP_ABOUT", "IDP_ABOUT_HOVER", 11, 23, Kind::kSkinned, 255, 255},
    {"IDP_TWITTER", "IDP_TWITTER_HOVER", 17, 23, Kind::kSkinned, 255, 255},
    {"IDP_GOOGLEPLUS", "IDP_GOOGLEPLUS_HOVER", 17, 23, Kind::kSkinned, 255, 255},
    {"IDP_FACEBOOK", "IDP_FACEBOOK_HOVER", 20, 23, Kind::kSkinned, 255, 255},
    {"IDP_WEB", "IDP_WEB_HOVER", 27, 23, Kind::kSkinned, 255, 255},
    {"IDP_VISIT", "IDP_VISIT_HOVER", 138, 23, Kind::kSkinned, 255, 255, true},
    {"IDP_HELP", "IDP_HELP_HOVER", 40, 23, Kind::kSkinned, 255, 255},
    {"IDP_CLOSE", "IDP_CLOSE_HOVER", 62, 24, Kind::kSkinned, 255, 255},
    {"IDP_REALITY_CHECK", nullptr, 337, 222, Kind::kPopup, 255, 255},
    {"IDP_CHECK_NOSE", nullptr, 337, 222, Kind::kPopup, 255, 255},
    {"IDP_CHECK_PALM", nullptr, 337, 222, Kind::kPopup, 255, 255},
    {"IDP_CHECK_CLOCK", nullptr, 337, 222, Kind::kPopup, 255, 255},
    {"IDP_CHECK_TEXT", nullptr, 337, 222, Kind::kPopup, 255, 255},
    {"IDP_CHECK_SIGN", nullptr, 337, 222, Kind::kPopup, 255, 255},
};

// PNG signature, then IHDR as the first chunk: 8-bit RGBA, not interlaced.
void ExpectPngHeader(const std::string& path, uint32_t width, uint32_t height) {
  std::vector<uint8_t> b = ReadBytes(path);
  ASSERT_GE(b.size(), 33u) << path;
  const uint8_t sig[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  EXPECT_TRUE(std::equal(sig, sig + 8, b.begin())) << path;
  EXPECT_EQ(Be32(b, 8), 13u) << path;
  EXPECT_EQ(std::string(b.begin() + 12, b.begin() + 16), "IHDR") << path;
  EXPECT_EQ(Be32(b, 16), width) << path;
  EXPECT_EQ(Be32(b, 20), height) << path;
  EXPECT_EQ(b[24], 8) << path << ": bit depth";
  EXPECT_EQ(b[25], 6) << path << ": colour type";
  EXPECT_EQ(b[26], 0) << path << ": compression";
  EXPECT_EQ(b[27], 0) << path << ": filter method";
  EXPECT_EQ(b[28], 0) << path << ": interlace";
}

void CheckPicture(const std::map<std::string, Entry>& listed, const Picture& p) {
  SCOPED_TRACE(p.name);
  auto it = listed.find(p.name);
  ASSERT_NE(it, listed.end()) << "not listed in the resource include file";
  EXPECT_EQ(it->second.type, "RCDATA");
  ExpectPngHeader(it->second.file, p.width, p.height);
  Rgba img = DecodeRgba(it->second.file);
  ASSERT_EQ(img.width, p.width);
  ASSERT_EQ(img.height, p.height);

  int max_alpha = 0, min_alpha = 255, partial = 0;
  for (uint32_t y = 0; y < img.height; ++y)
    for (uint32_t x = 0; x < img.width; ++x) {
      int a = img.Alpha(x, y);
      max_alpha = std::max(max_alpha, a);
      min_alpha = std::min(min_alpha, a);
      partial += a > 0 && a < 255;
    }
  EXPECT_GE(max_alpha, p.max_alpha_low);
  EXPECT_LE(max_alpha, p.max_alpha_high);
  switch (p.kind) {
    case Kind::kSkinned:
      // Skinned controls copy their pictures without alpha: a see-through
      // pixel would show whatever colour it happens to hold.
      EXPECT_EQ(min_alpha, 255);
      break;
    case Kind::kPopup:
      // Soft edges: clear corners, an opaque middle, a band of partial alpha.
      EXPECT_EQ(img.Alpha(0, 0), 0);
      EXPECT_EQ(img.Alpha(p.width - 1, p.height - 1), 0);
      EXPECT_EQ(img.Alpha(p.width / 2, p.height / 2), 255);
      EXPECT_GT(partial, int(2 * (p.width + p.height)));
      break;
  }
  if (!p.hover) return;
  auto h = listed.find(p.hover);
  ASSERT_NE(h, listed.end()) << p.hover << " not listed";
  ExpectPngHeader(h->second.file, p.width, p.height);
  Rgba hover = DecodeRgba(h->second.file);
  ASSERT_EQ(hover.px.size(), img.px.size());
  // The second picture must differ visibly, not by a stray pixel.
  long changed = 0;
  for (size_t i = 0; i < img.px.size(); i += 4) {
    int d = std::abs(img.px[i] - hover.px[i]) + std::abs(img.px[i + 1] - hover.px[i + 1]) +
            std::abs(img.px[i + 2] - hover.px[i + 2]);
    changed += d > 48;
  }
  const long least = p.hover_is_a_line ? long(p.width / 2) : long(p.width * p.height / 20);
  EXPECT_GT(changed, least) << p.hover << " hardly differs";
}

TEST(ArtPictures, SomnivexPicturesHaveTheirSizeAndFormat) {
  auto listed = ReadIncludeFile("somnivex_art.rc.inc");
  for (const Picture& p : kSomnivex) CheckPicture(listed, p);
}

// hollow draws its questions at run time in the language in use: its
// resources hold only the icon.
TEST(ArtPictures, HollowCarriesNoWordPictures) {
  auto listed = ReadIncludeFile("hollow_art.rc.inc");
  ASSERT_EQ(listed.size(), 1u);
  EXPECT_EQ(listed.begin()->first, "IDI_SOMNIVEX");
}

// BITMAPFILEHEADER + BITMAPINFOHEADER, uncompressed, bottom-up.
void CheckBitmap(const Entry& e, int32_t width, int32_t height, int bpp) {
  SCOPED_TRACE(e.file);
  EXPECT_EQ(e.type, "BITMAP");
  std::vector<uint8_t> b = ReadBytes(e.file);
  ASSERT_GE(b.size(), 54u);
  EXPECT_EQ(b[0], 'B');
  EXPECT_EQ(b[1], 'M');
  EXPECT_EQ(Le32(b, 2), b.size());
  EXPECT_EQ(Le32(b, 14), 40u);
  EXPECT_EQ(int32_t(Le32(b, 18)), width);
  EXPECT_EQ(int32_t(Le32(b, 22)), height);
  EXPECT_EQ(Le16(b, 26), 1);
  EXPECT_EQ(Le16(b, 28), bpp);
  EXPECT_EQ(Le32(b, 30), 0u) << "BI_RGB";
  uint32_t stride = (uint32_t(width) * bpp / 8 + 3) & ~3u;
  uint32_t offset = Le32(b, 10);
  EXPECT_EQ(offset, 54u);
  EXPECT_EQ(b.size(), offset + size_t(stride) * height);
}

TEST(ArtPictures, BackgroundBitmapsHaveTheirSizeAndDepth) {
  auto listed = ReadIncludeFile("somnivex_art.rc.inc");
  ASSERT_TRUE(listed.count("IDB_MAIN_BACKGROUND"));
  ASSERT_TRUE(listed.count("IDB_ABOUT_BACKGROUND"));
  CheckBitmap(listed["IDB_MAIN_BACKGROUND"], 428, 372, 32);
  CheckBitmap(listed["IDB_ABOUT_BACKGROUND"], 290, 322, 24);
}

TEST(ArtPictures, IconHoldsThreeSizes) {
  for (const char* inc : {"somnivex_art.rc.inc", "hollow_art.rc.inc"}) {
    SCOPED_TRACE(inc);
    auto listed = ReadIncludeFile(inc);
    ASSERT_TRUE(listed.count("IDI_SOMNIVEX"));
    EXPECT_EQ(listed["IDI_SOMNIVEX"].type, "ICON");
    std::vector<uint8_t> b = ReadBytes(listed["IDI_SOMNIVEX"].file);
    ASSERT_GE(b.size(), 6u + 3 * 16);
    EXPECT_EQ(Le16(b, 0), 0);
    EXPECT_EQ(Le16(b, 2), 1);
    ASSERT_EQ(Le16(b, 4), 3);
    const int sizes[] = {16, 32, 48};
    for (int i = 0; i < 3; ++i) {
      size_t at = 6 + 16 * i;
      EXPECT_EQ(b[at], sizes[i]);
      EXPECT_EQ(b[at + 1], sizes[i]);
      EXPECT_EQ(Le16(b, at + 6), 32);
      uint32_t len = Le32(b, at + 8), off = Le32(b, at + 12);
      EXPECT_LE(size_t(off) + len, b.size());
    }
  }
}

// Each listed picture must be drawn where its control sits, inside the
// window and clear of every other control's picture.
TEST(ArtPictures, MainWindowPicturesFitTheBackgroundWithoutOverlap) {
  struct Box {
    std::string file;
    int x, y, w, h;
  };
  std::vector<Box> boxes;
  std::ifstream in(ArtDir() + "/layout.txt");
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream row(line);
    std::string id, file, program;
    int x, y;
    row >> id >> file >> program >> x >> y;
    if (program != "main" || x < 0 || id == "combo" || file.find("_hover") != std::string::npos ||
        file == "switch_off.png")
      continue;
    Rgba img = DecodeRgba(ArtDir() + "/" + file);
    boxes.push_back({file, x, y, int(img.width), int(img.height)});
  }
  ASSERT_GE(boxes.size(), 11u);
  for (size_t i = 0; i < boxes.size(); ++i) {
    const Box& a = boxes[i];
    EXPECT_GE(a.x, 0) << a.file;
    EXPECT_GE(a.y, 0) << a.file;
    EXPECT_LE(a.x + a.w, 428) << a.file;
    EXPECT_LE(a.y + a.h, 372) << a.file;
    for (size_t j = i + 1; j < boxes.size(); ++j) {
      const Box& b = boxes[j];
      bool apart = a.x + a.w <= b.x || b.x + b.w <= a.x || a.y + a.h <= b.y || b.y + b.h <= a.y;
      EXPECT_TRUE(apart) << a.file << " overlaps " << b.file;
    }
  }
}

// Blue, green, red of one pixel of an uncompressed bottom-up bitmap file.
struct BitmapFile {
  std::vector<uint8_t> bytes;
  int width = 0, height = 0, bpp = 0;
  uint32_t offset = 0;
  explicit BitmapFile(const std::string& path) : bytes(ReadBytes(path)) {
    if (bytes.size() < 54) return;
    offset = Le32(bytes, 10);
    width = int(Le32(bytes, 18));
    height = int(Le32(bytes, 22));
    bpp = Le16(bytes, 28);
  }
  const uint8_t* At(int x, int y) const {
    size_t stride = (size_t(width) * bpp / 8 + 3) & ~size_t(3);
    size_t at = offset + size_t(height - 1 - y) * stride + size_t(x) * bpp / 8;
    return at + 3 <= bytes.size() ? &bytes[at] : nullptr;
  }
};

// A control's picture replaces the background under it without alpha, so
// its corners must be the background's own pixels there: a picture drawn
// for another place (or another layout) would show as a box.
TEST(ArtPictures, ControlPicturesBlendIntoTheBackgroundAtTheirPlace) {
  BitmapFile main(ArtDir() + "/main_background.bmp"), about(ArtDir() + "/about_background.bmp");
  ASSERT_EQ(main.width, 428);
  ASSERT_EQ(about.width, 290);
  const Rgba practice = DecodeRgba(ArtDir() + "/practice_background.png");
  ASSERT_EQ(practice.width, 460u);
  std::ifstream in(ArtDir() + "/layout.txt");
  std::string line;
  int checked = 0;
  while (std::getline(in, line)) {
    std::istringstream row(line);
    std::string id, file, program;
    int x, y;
    row >> id >> file >> program >> x >> y;
    if (x < 0 || id == "combo") continue;
    const BitmapFile& bg = program == "about" ? about : main;
    Rgba img = DecodeRgba(ArtDir() + "/" + file);
    ASSERT_GT(img.width, 0u) << file;
    for (auto [cx, cy] : {std::pair<uint32_t, uint32_t>{0, 0}, {img.width - 1, 0}, {0, img.height - 1},
                          {img.width - 1, img.height - 1}}) {
      // "My Practice" has a PNG background; the others are bitmap files.
      uint8_t b[3] = {};
      if (program == "practice") {
        const size_t at = (size_t(y + int(cy)) * practice.width + size_t(x + int(cx))) * 4;
        ASSERT_LT(at + 3, practice.px.size()) << file;
        for (int c = 0; c < 3; ++c) b[c] = practice.px[at + c];
      } else {
        const uint8_t* in = bg.At(x + int(cx), y + int(cy));
        ASSERT_TRUE(in) << file;
        for (int c = 0; c < 3; ++c) b[c] = in[c];
      }
      const uint8_t* p = &img.px[(size_t(cy) * img.width + cx) * 4];
      for (int c = 0; c < 3; ++c)
        EXPECT_NEAR(p[c], b[c], 3) << file << " at " << x << "," << y << " corner " << cx << "," << cy;
    }
    ++checked;
  }
  EXPECT_GE(checked, 26);
}

// The words of the main window are drawn by the program, in the language in
// use: the cards they stand on are the cards' flat fill throughout (an
// inset of 4 pixels keeps clear of the rounded edges), at every scale.
TEST(ArtPictures, MainWindowCardsCarryNoWords) {
  const uint8_t fill[3] = {0x4B, 0x1B, 0x16};  // CARD_FILL #161b4b, blue first
  // The two cards on the left and the tips' card above its panel, at 100 %.
  const struct {
    int x, y, w, h;
  } cards[] = {{14, 90, 208, 66}, {14, 174, 208, 119}, {236, 90, 155, 20}};
  BitmapFile main100(ArtDir() + "/main_background.bmp");
  ASSERT_EQ(main100.width, 428);
  for (int scale : {100, 125, 150, 200}) {
    SCOPED_TRACE(scale);
    Rgba set;
    if (scale != 100) {
      set = DecodeRgba(ArtDir() + "/main_background@" + std::to_string(scale) + ".png");
      ASSERT_EQ(set.width, uint32_t(428 * scale / 100));
    }
    int off = 0;
    for (const auto& c : cards) {
      for (int y = c.y * scale / 100 + 2; y < (c.y + c.h) * scale / 100 - 2; ++y) {
        for (int x = c.x * scale / 100 + 2; x < (c.x + c.w) * scale / 100 - 2; ++x) {
          const uint8_t* p = scale == 100 ? main100.At(x, y) : &set.px[(size_t(y) * set.width + x) * 4];
          ASSERT_TRUE(p);
          for (int k = 0; k < 3; ++k) off += std::abs(p[k] - fill[k]) > 3;
        }
      }
    }
    EXPECT_EQ(off, 0) << "pixels of the cards that are not their fill";
  }
}

}  // namespace
