// The png-decode tool's exact interface: one stdout line, exit status, and
// the OUTPUT file's bytes (colour table, then rows as the bitmap holds them).
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "tests/png/png_test_util.h"

namespace {

namespace fs = std::filesystem;

struct ToolRun {
  int status;
  std::string out;
};

ToolRun Tool(const std::string& args) {
  std::string command = std::string(SMX_PNG_DECODE) + " " + args + " 2>/dev/null";
  FILE* pipe = popen(command.c_str(), "r");
  ToolRun run = {-1, ""};
  if (!pipe) return run;
  char buffer[256];
  while (std::fgets(buffer, sizeof(buffer), pipe)) run.out += buffer;
  int status = pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

Bytes ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class PngDecodeTool : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::path("png_decode_tool_test");
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string Write(const char* name, const Bytes& data) {
    fs::path path = dir_ / name;
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(data.data()), long(data.size()));
    return path.string();
  }
  std::string Path(const char* name) { return (dir_ / name).string(); }
  fs::path dir_;
};

TEST_F(PngDecodeTool, RgbaImageGivesRowsOfBgra) {
  std::string out = Path("rgba.bin");
  ToolRun run = Tool(std::string(SMX_PNG_DATA) + "/rgba_3x2.png " + out);
  EXPECT_EQ(0, run.status);
  EXPECT_EQ("ok 3 2 32 12 0\n", run.out);
  const Bytes expected = {0,   0,   255, 255, 0, 255, 0, 128, 200, 20, 10, 0,
                          255, 255, 255, 255, 0, 0,   0, 1,   99,  88, 77, 0};
  EXPECT_EQ(expected, ReadAll(out));
}

TEST_F(PngDecodeTool, GreyImageGivesRampThenPaddedRows) {
  std::string out = Path("grey.bin");
  ToolRun run = Tool("--repeat 3 " + std::string(SMX_PNG_DATA) + "/grey2_4x1.png " + out);
  EXPECT_EQ(0, run.status);
  EXPECT_EQ("ok 4 1 4 4 4\n", run.out);
  const Bytes expected = {0, 0, 0, 0, 85, 85, 85, 0, 170, 170, 170, 0, 255, 255, 255, 0,  // ramp
                          0x01, 0x23, 0, 0};                                              // one row
  EXPECT_EQ(expected, ReadAll(out));
}

TEST_F(PngDecodeTool, PaletteCountIsCappedAt256) {
  Bytes plte(3 * 300, 7);
  std::string in = Write("pal.png", PngFile({Ihdr(1, 1, 8, 3), Chunk("PLTE", plte),
                                             Chunk("IDAT", ZlibStored({0, 0})), Chunk("IEND", {})}));
  ToolRun run = Tool(in);
  EXPECT_EQ(0, run.status);
  EXPECT_EQ("ok 1 1 8 4 256\n", run.out);
}

TEST_F(PngDecodeTool, FailuresPrintTheirCodeAndWriteNothing) {
  const Bytes good = PngFile({Ihdr(3, 1, 8, 0), Chunk("IDAT", ZlibStored({0, 1, 2, 3})), Chunk("IEND", {})});
  Bytes badSignature = good;
  badSignature[0] = 0;
  Bytes badNlen = good;
  badNlen[33 + 8 + 5] ^= 1;  // IDAT data starts at 33 + 8; NLEN's low byte
  const struct {
    const char* name;
    Bytes file;
    const char* line;
  } cases[] = {
      {"sig.png", badSignature, "error 0x2000\n"},
      {"rgb4.png", PngFile({Ihdr(3, 1, 4, 2)}), "error 0x2001\n"},
      {"nlen.png", badNlen, "error 0x2000\n"},
      {"filter5.png", PngFile({Ihdr(3, 1, 8, 0), Chunk("IDAT", ZlibStored({5, 1, 2, 3})), Chunk("IEND", {})}),
       "error rows\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::string out = Path("out.bin");
    ToolRun run = Tool(Write(c.name, c.file) + " " + out);
    EXPECT_EQ(1, run.status);
    EXPECT_EQ(c.line, run.out);
    EXPECT_FALSE(fs::exists(out));
  }
  ToolRun missing = Tool(Path("missing.png"));
  EXPECT_EQ(1, missing.status);
  EXPECT_EQ("error 0x1000\n", missing.out);
}

}  // namespace
