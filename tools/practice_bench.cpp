// practice-bench: reads and sums up a practice record of ten years of heavy
// use (200,000 lines, about 55 a day with an answer every morning), written
// afresh into a temporary folder. Prints the best of five runs of each step.
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>

#include "journal/practice_record.h"
#include "journal/practice_summary.h"

namespace {

constexpr int kLines = 200000;
constexpr int kDays = 3652;
constexpr int kRuns = 5;

// Each day: the morning answer, then reminders from 08:00 on, each shown
// and mostly checked, sometimes dismissed, sometimes left to fade.
std::string TenYearsOfPractice(std::int64_t firstDay) {
  std::mt19937 random(20260101);
  std::string text;
  text.reserve(kLines * 30);
  const PracticeEvent answers[] = {PracticeEvent::Lucid, PracticeEvent::Dream, PracticeEvent::None};
  int written = 0;
  for (int i = 0; i < kDays; ++i) {
    const int lines = static_cast<int>((static_cast<std::int64_t>(i) + 1) * kLines / kDays) - written;
    const LocalMinute midnight = (firstDay + i) * kMinutesPerDay;
    auto put = [&](LocalMinute minute, int second, PracticeEvent event) {
      text += FormatPracticeLine({ToCivil(minute), second}, event);
      ++written;
    };
    put(midnight + 7 * 60 + static_cast<int>(random() % 60), static_cast<int>(random() % 60), answers[random() % 3]);
    LocalMinute minute = midnight + 8 * 60;
    for (int k = 1; k < lines; ++k) {
      const int second = static_cast<int>(random() % 50);
      if (k % 2 == 1) {
        minute += 14;
        put(minute, second, PracticeEvent::Shown);
      } else {
        const unsigned r = random() % 10;
        put(minute, second + 9, r < 6 ? PracticeEvent::Checked : r < 9 ? PracticeEvent::Dismissed : PracticeEvent::Shown);
      }
    }
  }
  return text;
}

double MillisecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main() {
  namespace fs = std::filesystem;
  std::error_code error;
  const fs::path folder = fs::temp_directory_path(error) / ("practice-bench-" + std::to_string(getpid()));
  fs::create_directories(folder, error);
  const std::string path = (folder / kPracticeFileName).string();

  const std::int64_t firstDay = DayOf(ToLocalMinute(CivilTime{2026, 1, 1, 0, 0}));
  const std::string text = TenYearsOfPractice(firstDay);
  std::FILE* file = std::fopen(path.c_str(), "wb");
  const bool written = file != nullptr && std::fwrite(text.data(), 1, text.size(), file) == text.size();
  if (file != nullptr && std::fclose(file) != 0) file = nullptr;
  if (!written || file == nullptr) {
    std::fprintf(stderr, "practice-bench: cannot write %s\n", path.c_str());
    fs::remove_all(folder, error);
    return 1;
  }

  double bestRead = 1e30, bestSummary = 1e30;
  std::size_t entryCount = 0;
  int streak = 0;
  for (int run = 0; run < kRuns; ++run) {
    auto start = std::chrono::steady_clock::now();
    const std::vector<PracticeEntry> entries = ReadPracticeFile(path);
    bestRead = std::min(bestRead, MillisecondsSince(start));
    start = std::chrono::steady_clock::now();
    const PracticeSummary summary = SummarisePractice(entries, firstDay + kDays - 1);
    bestSummary = std::min(bestSummary, MillisecondsSince(start));
    entryCount = entries.size();
    streak = summary.streak;
  }
  fs::remove_all(folder, error);

  if (entryCount != kLines || streak <= 0) {
    std::fprintf(stderr, "practice-bench: read %zu of %d lines, streak %d\n", entryCount, kLines, streak);
    return 1;
  }
  std::printf("%s %d lines (%zu bytes): read %.1f ms, summary %.1f ms\n", kPracticeFileName, kLines, text.size(),
              bestRead, bestSummary);
  return 0;
}
