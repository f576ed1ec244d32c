// journal-bench: the dream journal's list over ten years of mornings (3,650
// files, about 5 MB of dreams in English, Russian and French), generated in
// memory. Times the scan (read, fold, preview, sort), searches, the dream
// sign count and writing every file back. Prints the best of five runs.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "journal/dream_scan.h"

namespace {

constexpr int kMornings = 3650;
constexpr int kRuns = 5;

const char* const kWords[] = {
    "I",      "was",   "in",     "the",     "old",   "house",  "and",   "my",     "teeth",  "were",
    "loose",  "then",  "flying", "over",    "a",     "town",   "with",  "red",    "roofs",  "school",
    "water",  "rose",  "door",   "stairs",  "never", "ended",  "mother", "called", "phone",  "dark",
    "сон",    "полёт", "над",    "городом", "я",     "летал",  "café",  "rêve",   "forêt",  "élève",
};
const char* const kSigns[] = {
    "flying",  "Flying", "teeth",    "old school", "water", "stairs", "phone",  "dark room", "полёт",
    "Полёт",   "город",  "mother",   "mirror",     "lights", "café",  "forêt",  "exam",      "late",
};

// One morning's file: a note now and then, one to three dreams of about
// 700 bytes each, CR LF line ends.
std::string Morning(std::mt19937& random) {
  auto word = [&] { return std::string(kWords[random() % (sizeof kWords / sizeof kWords[0])]); };
  std::string text;
  if (random() % 5 == 0) text += "Woke at " + std::to_string(4 + random() % 4) + ", slept badly.\r\n\r\n";
  const int dreams = 1 + static_cast<int>(random() % 3);
  for (int d = 0; d < dreams; ++d) {
    const unsigned kind = random() % 6;
    text += kind == 0 ? "## Lucid dream\r\n" : kind == 1 ? "## Fragment\r\n" : "## Dream\r\n";
    const int signs = static_cast<int>(random() % 4);
    for (int s = 0; s < signs; ++s) {
      text += s == 0 ? "Dream signs: " : ", ";
      text += kSigns[random() % (sizeof kSigns / sizeof kSigns[0])];
    }
    if (signs > 0) text += "\r\n";
    const int lines = 6 + static_cast<int>(random() % 8);
    for (int l = 0; l < lines; ++l) {
      for (int w = 0; w < 12; ++w) text += (w > 0 ? " " : "") + word();
      text += ".\r\n";
    }
    text += "\r\n";
  }
  return text;
}

double MillisecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main() {
  std::mt19937 random(20260301);
  std::vector<DreamFileBytes> files;
  std::size_t bytes = 0;
  const std::int64_t firstDay = DayOf(ToLocalMinute(CivilTime{2016, 3, 1, 0, 0}));
  for (int i = 0; i < kMornings; ++i) {
    const CivilTime date = ToCivil((firstDay + i) * kMinutesPerDay);
    files.push_back({DreamFileName(date), Morning(random)});
    bytes += files.back().bytes.size();
  }
  const std::int64_t today = firstDay + kMornings - 1;
  const char* const kQueries[] = {"flying", "ПОЛЁТ городом", "Forêt élève", "mirror", "nothing-like-this"};
  constexpr std::size_t kQueryCount = sizeof kQueries / sizeof kQueries[0];

  double bestScan = 1e30, bestSigns = 1e30, bestWrite = 1e30;
  double bestQuery[kQueryCount];
  std::fill(bestQuery, bestQuery + kQueryCount, 1e30);
  std::size_t found[kQueryCount] = {};
  std::size_t listed = 0, unchanged = 0;
  std::vector<SignCount> signs;
  for (int run = 0; run < kRuns; ++run) {
    auto start = std::chrono::steady_clock::now();
    const std::vector<JournalMorning> mornings = ScanDreamFiles(files);
    bestScan = std::min(bestScan, MillisecondsSince(start));
    listed = mornings.size();

    for (std::size_t q = 0; q < kQueryCount; ++q) {
      start = std::chrono::steady_clock::now();
      found[q] = FilterMornings(mornings, kQueries[q]).size();
      bestQuery[q] = std::min(bestQuery[q], MillisecondsSince(start));
    }

    start = std::chrono::steady_clock::now();
    signs = CountJournalSigns(mornings, today);
    bestSigns = std::min(bestSigns, MillisecondsSince(start));

    // Every file written back from what was read, compared with its bytes
    // (the list is newest first, the files oldest first).
    start = std::chrono::steady_clock::now();
    unchanged = 0;
    for (std::size_t i = 0; i < mornings.size(); ++i) {
      unchanged += FormatDreamFile(mornings[i].file) == files[files.size() - 1 - i].bytes;
    }
    bestWrite = std::min(bestWrite, MillisecondsSince(start));
  }

  if (listed != files.size() || unchanged != files.size() || signs.empty() || found[0] == 0 ||
      found[kQueryCount - 1] != 0) {
    std::fprintf(stderr, "journal-bench: listed %zu and wrote back %zu of %zu files unchanged, %zu signs\n", listed,
                 unchanged, files.size(), signs.size());
    return 1;
  }
  std::printf("dream journal %d files (%zu bytes): scan %.1f ms, signs %.1f ms, write back %.1f ms\n", kMornings,
              bytes, bestScan, bestSigns, bestWrite);
  for (std::size_t q = 0; q < kQueryCount; ++q) {
    std::printf("  search \"%s\": %zu mornings, %.1f ms\n", kQueries[q], found[q], bestQuery[q]);
  }
  std::printf("  top sign: %s (%d dreams in 90 days)\n", signs[0].sign.c_str(), signs[0].count);
  return 0;
}
