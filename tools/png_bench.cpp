// png-bench [FILE.png ...]
// Decodes a corpus with the project's decoder (the programs' pipeline into
// a bitmap buffer) and with libpng on the same files in the same run, and
// prints the time ratio project / libpng per image and over the corpus.
// The corpus is generated here (photo-like colour and palette images of 1
// to 4 megapixels, encoded by libpng with its defaults) plus the files
// given. Each decode is repeated and its fastest run counts, which keeps
// the figure steady on a shared machine.
#include <png.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "png/png_decoder.h"

namespace {

using Bytes = std::vector<uint8_t>;

struct Image {
  std::string name;
  Bytes file;
};

void WriteToVector(png_structp png, png_bytep data, png_size_t length) {
  Bytes* out = static_cast<Bytes*>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + length);
}

void NoFlush(png_structp) {}

Bytes Encode(uint32_t w, uint32_t h, int colorType, const std::vector<Bytes>& rows, int paletteSize) {
  Bytes out;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return {};
  }
  png_set_write_fn(png, &out, WriteToVector, NoFlush);
  png_set_IHDR(png, info, w, h, 8, colorType, 0, 0, 0);
  std::vector<png_color> palette;
  for (int i = 0; i < paletteSize; ++i) palette.push_back({uint8_t(i), uint8_t(i * 3), uint8_t(255 - i)});
  if (colorType == 3) png_set_PLTE(png, info, palette.data(), paletteSize);
  png_write_info(png, info);
  for (const Bytes& row : rows) png_write_row(png, const_cast<png_bytep>(row.data()));
  png_write_end(png, info);
  png_destroy_write_struct(&png, &info);
  return out;
}

uint32_t Noise(uint32_t x, uint32_t y, uint32_t salt) {
  uint32_t h = x * 374761393u + y * 668265263u + salt * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  return h ^ (h >> 16);
}

// Smooth light and colour fields, a few hard-edged shapes, mild sensor noise.
Bytes PhotoRow(uint32_t w, uint32_t h, uint32_t y, int channels) {
  Bytes row(size_t(w) * channels);
  for (uint32_t x = 0; x < w; ++x) {
    double fx = double(x) / w, fy = double(y) / h;
    double light = 0.5 + 0.35 * std::sin(fx * 6.1 + fy * 2.3) * std::cos(fy * 4.7 - fx);
    bool shape = (std::fmod(fx * 7 + fy * 3, 1.0) < 0.2) && fy > 0.3;
    for (int c = 0; c < channels; ++c) {
      double v;
      if (c == 3) {
        v = 0.5 + 0.5 * std::sin(fx * 3.0 + fy * 5.0);
      } else {
        v = light * (0.7 + 0.3 * std::sin(fx * (2 + c) + fy * (3 - c)));
        if (shape) v = 1.0 - v;
      }
      int n = int(Noise(x, y, uint32_t(c)) % 9) - 4;
      int value = int(v * 255) + n;
      row[size_t(x) * channels + c] = uint8_t(value < 0 ? 0 : value > 255 ? 255 : value);
    }
  }
  return row;
}

// Flat regions of a few colours with dithered edges, like posterised art.
Bytes PaletteRow(uint32_t w, uint32_t h, uint32_t y, int colors) {
  Bytes row(w);
  for (uint32_t x = 0; x < w; ++x) {
    double fx = double(x) / w, fy = double(y) / h;
    double field = std::sin(fx * 9) + std::cos(fy * 7 + fx * 3);
    int index = int((field + 2) / 4 * colors) + int(Noise(x, y, 9) % 3) - 1;
    row[x] = uint8_t(index < 0 ? 0 : index >= colors ? colors - 1 : index);
  }
  return row;
}

Image Generate(const char* name, uint32_t w, uint32_t h, int colorType) {
  std::vector<Bytes> rows;
  int channels = colorType == 6 ? 4 : colorType == 2 ? 3 : 1;
  for (uint32_t y = 0; y < h; ++y)
    rows.push_back(colorType == 3 ? PaletteRow(w, h, y, 64) : PhotoRow(w, h, y, channels));
  return {name, Encode(w, h, colorType, rows, 64)};
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

// libpng into the same output layout: BGR(A), 16-bit stripped, grey alpha
// dropped, indices kept.
bool LibpngDecode(const Bytes& file, Bytes* out) {
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  Reader reader = {&file, 0};
  std::vector<png_bytep> rows;
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_read_struct(&png, &info, nullptr);
    return false;
  }
  png_set_read_fn(png, &reader, ReadFromVector);
  png_read_info(png, info);
  png_set_bgr(png);
  png_set_strip_16(png);
  if (png_get_color_type(png, info) == PNG_COLOR_TYPE_GRAY_ALPHA) png_set_strip_alpha(png);
  if (png_get_interlace_type(png, info)) png_set_interlace_handling(png);
  png_read_update_info(png, info);
  size_t stride = (png_get_rowbytes(png, info) + 3) & ~size_t(3);
  uint32_t height = png_get_image_height(png, info);
  out->resize(stride * height);
  rows.resize(height);
  for (uint32_t y = 0; y < height; ++y) rows[y] = out->data() + y * stride;
  png_read_image(png, rows.data());
  png_read_end(png, nullptr);
  png_destroy_read_struct(&png, &info, nullptr);
  return true;
}

// Time of the row stage of the last ProjectDecode (the rest is the header
// scan and inflation).
double g_rowSeconds = 0;

bool ProjectDecode(const Bytes& file, Bytes* out) {
  PngDecoder png;
  PngInit(&png);
  if (!PngBeginLoad(&png) || !PngAttachInput(&png, file.data(), uint32_t(file.size()), kPngFromResource)) return false;
  bool ok = PngDecode(&png);
  if (ok) {
    out->resize(size_t(PngOutputStride(&png)) * png.height);
    auto start = std::chrono::steady_clock::now();
    ok = PngWriteRows(&png, out->data());
    std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    g_rowSeconds = took.count();
  }
  PngFree(&png);
  return ok;
}

template <typename F>
double Fastest(F decode, int runs) {
  double best = 1e30;
  for (int i = 0; i < runs; ++i) {
    auto start = std::chrono::steady_clock::now();
    if (!decode()) return -1;
    std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    if (took.count() < best) best = took.count();
  }
  return best;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<Image> corpus;
  corpus.push_back(Generate("photo-rgb-1mp", 1200, 860, 2));
  corpus.push_back(Generate("photo-rgba-2mp", 1700, 1200, 6));
  corpus.push_back(Generate("photo-rgb-4mp", 2400, 1700, 2));
  corpus.push_back(Generate("palette-1mp", 1000, 1000, 3));
  corpus.push_back(Generate("palette-4mp", 2000, 2000, 3));
  for (int i = 1; i < argc; ++i) {
    std::ifstream in(argv[i], std::ios::binary);
    Bytes data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (data.empty()) continue;
    std::string name = argv[i];
    corpus.push_back({name.substr(name.find_last_of('/') + 1), data});
  }

  Bytes bufferA, bufferB;
  double totalProject = 0, totalLibpng = 0, artProject = 0, artLibpng = 0;
  std::printf("%-24s %9s %11s %9s %11s %7s\n", "image", "bytes", "project ms", "(rows ms)", "libpng ms", "ratio");
  for (size_t i = 0; i < corpus.size(); ++i) {
    const Image& image = corpus[i];
    bool generated = i < 5;
    int runs = generated ? 5 : 30;
    double project = Fastest([&] { return ProjectDecode(image.file, &bufferA); }, runs);
    ProjectDecode(image.file, &bufferA);  // the row-stage share of one more run
    double libpng = Fastest([&] { return LibpngDecode(image.file, &bufferB); }, runs);
    if (project < 0 || libpng < 0) {
      std::printf("%-24s decode failed (project %s, libpng %s)\n", image.name.c_str(), project < 0 ? "no" : "ok",
                  libpng < 0 ? "no" : "ok");
      continue;
    }
    std::printf("%-24s %9zu %11.3f %9.3f %11.3f %7.2f\n", image.name.c_str(), image.file.size(), project * 1e3,
                g_rowSeconds * 1e3, libpng * 1e3, project / libpng);
    (generated ? totalProject : artProject) += project;
    (generated ? totalLibpng : artLibpng) += libpng;
  }
  std::printf("ratio project/libpng, generated corpus: %.2f\n", totalProject / totalLibpng);
  if (artLibpng > 0) {
    std::printf("ratio project/libpng, artwork files:    %.2f\n", artProject / artLibpng);
    std::printf("all %zu artwork files decoded: project %.2f ms, libpng %.2f ms\n", corpus.size() - 5,
                artProject * 1e3, artLibpng * 1e3);
  }
  return 0;
}
