// Replays the fuzz seed corpus and every input the fuzzer ever crashed on
// through the whole pipeline under the sanitizers, and holds the decoded
// output of each seed to a checked-in hash, so that any change of output
// shows up as a diff to confirm.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>

#include "png/png_pipeline.h"

namespace {

namespace fs = std::filesystem;

std::vector<uint8_t> ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<fs::path> FilesIn(const char* folder) {
  std::vector<fs::path> files;
  if (fs::is_directory(folder))
    for (const auto& entry : fs::directory_iterator(folder))
      if (entry.is_regular_file() && entry.path().filename().string()[0] != '.') files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  return files;
}

TEST(PngCorpus, CrashersAndSeedsRunCleanly) {
  size_t count = 0;
  for (const char* folder : {SMX_PNG_CRASHERS, SMX_PNG_SEEDS})
    for (const fs::path& file : FilesIn(folder)) {
      std::vector<uint8_t> data = ReadAll(file);
      PngRunPipeline(data.data(), data.size(), 64u << 20);
      ++count;
    }
  EXPECT_GT(count, 0u);
}

// seed_hashes.txt: "<file> <width>x<height> <bits> <FNV-1a hex>" per
// generated seed (seed_*.png; the other corpus files are the fuzzer's).
TEST(PngCorpus, SeedsDecodeToTheirRecordedOutput) {
  std::ifstream table(SMX_PNG_SEED_HASHES);
  ASSERT_TRUE(table.good());
  std::map<std::string, std::string> expected;
  for (std::string line; std::getline(table, line);) {
    std::istringstream fields(line);
    std::string name, rest;
    fields >> name;
    std::getline(fields, rest);
    expected[name] = rest;
  }
  std::vector<fs::path> seeds;
  for (const fs::path& file : FilesIn(SMX_PNG_SEEDS))
    if (file.filename().string().rfind("seed_", 0) == 0) seeds.push_back(file);
  ASSERT_EQ(expected.size(), seeds.size());
  for (const fs::path& file : seeds) {
    std::vector<uint8_t> data = ReadAll(file);
    PngPipelineResult r = PngRunPipeline(data.data(), data.size(), 64u << 20);
    ASSERT_TRUE(r.rows) << file;
    char text[80];
    std::snprintf(text, sizeof(text), " %ux%u %u %016llx", unsigned(r.width), unsigned(r.height),
                  unsigned(r.bitCount), static_cast<unsigned long long>(r.checksum));
    EXPECT_EQ(expected[file.filename().string()], text) << file;
  }
}

}  // namespace
