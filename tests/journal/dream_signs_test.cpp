// Dream signs over the last 90 days, the weighted pick, case folding for
// the search, and the list made from a Dreams folder.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "journal/dream_scan.h"
#include "journal/dream_signs.h"
#include "journal/text_fold.h"

namespace {

Dream WithSigns(const std::vector<std::string>& signs) {
  Dream dream;
  dream.signs = signs;
  return dream;
}

std::string Listed(const std::vector<SignCount>& counts) {
  std::string s;
  for (const SignCount& c : counts) s += c.sign + "=" + std::to_string(c.count) + " ";
  return s;
}

TEST(DreamSigns, CountsTheNinetyDaysEndingTodayMergingCaseInAnyScript) {
  const std::int64_t today = 20500;
  DreamFile now, first, left, tomorrow, month;
  now.dreams = {WithSigns({"Flying", "flying"}), WithSigns({"ПОЛЁТ", "teeth"})};  // twice in a dream counts once
  first.dreams = {WithSigns({"FLYING", "Полёт"}), WithSigns({"flying"})};        // the first day counted
  left.dreams = {WithSigns({"teeth", "Water"})};                                // the first day left out
  tomorrow.dreams = {WithSigns({"teeth"})};                                     // a clock set back
  month.dreams = {WithSigns({"полёт", "water", "flying"}), WithSigns({})};
  const std::vector<DatedDreamFile> mornings = {
      {today, &now}, {today - 89, &first}, {today - 90, &left}, {today + 1, &tomorrow}, {today - 30, &month}};
  // "flying" is the most used spelling; the Cyrillic spellings are used
  // once each, so the first seen is shown.
  EXPECT_EQ(Listed(CountDreamSigns(mornings, today)), "flying=4 ПОЛЁТ=3 teeth=1 water=1 ");
  EXPECT_EQ(Listed(CountDreamSigns(mornings, today - 90)), "teeth=1 Water=1 ");
}

TEST(DreamSigns, TopTenByCountThenByNameWhateverTheCase) {
  DreamFile file;
  const struct {
    const char* sign;
    int dreams;
  } kSigns[] = {{"Zebra", 1}, {"Cherry", 3}, {"mouse", 1}, {"eel", 2}, {"kite", 5}, {"Owl", 1},
                {"apple", 3}, {"Lamp", 1},   {"Door", 2},  {"nut", 1}, {"Banana", 3}, {"key", 1}};
  for (const auto& s : kSigns) {
    for (int i = 0; i < s.dreams; ++i) file.dreams.push_back(WithSigns({s.sign}));
  }
  const std::vector<DatedDreamFile> mornings = {{100, &file}};
  EXPECT_EQ(Listed(CountDreamSigns(mornings, 100)),
            "kite=5 apple=3 Banana=3 Cherry=3 Door=2 eel=2 key=1 Lamp=1 mouse=1 nut=1 ");
  EXPECT_EQ(Listed(CountDreamSigns(mornings, 100, 3)), "kite=5 apple=3 Banana=3 ");
}

TEST(PickDreamSign, FollowsTheCountsAndPicksNothingFromNothing) {
  CheckRandom random(2026);
  const std::vector<SignCount> signs = {{"flying", 6}, {"teeth", 3}, {"water", 1}};
  int picked[3] = {};
  const int draws = 30000;
  for (int i = 0; i < draws; ++i) {
    const int pick = PickDreamSign(signs, random);
    ASSERT_TRUE(pick >= 0 && pick < 3) << pick;
    ++picked[pick];
  }
  EXPECT_NEAR(picked[0], draws * 0.6, draws * 0.03);
  EXPECT_NEAR(picked[1], draws * 0.3, draws * 0.03);
  EXPECT_NEAR(picked[2], draws * 0.1, draws * 0.03);

  for (int i = 0; i < 100; ++i) {
    EXPECT_EQ(PickDreamSign({{"alone", 1}}, random), 0);
    EXPECT_EQ(PickDreamSign({{"never", 0}, {"always", 2}}, random), 1);
  }
  EXPECT_EQ(PickDreamSign({}, random), -1);
  EXPECT_EQ(PickDreamSign({{"never", 0}}, random), -1);
}

TEST(TextFold, LowersLatinGreekAndCyrillicAndPassesTheRestThrough) {
  const struct {
    std::string text;
    std::string folded;
  } kCases[] = {
      {"Flying OVER the Sea 42!", "flying over the sea 42!"},
      {"ÀÉÎÕÜÝ ÆØÞ ß × Ÿ µ", "àéîõüý æøþ ß × ÿ μ"},
      {"ĀĂĄĆ ŁŃŇ ŊŐŒŠŤ ŹŻŽ İ ı ſ ĸ ŉ", "āăąć łńň ŋőœšť źżž i ı s ĸ ŉ"},
      {"ΣΟΦΊΑ ΆΈΉΊΌΎΏ ΪΫ ς ϐϑϕϖϰϱϵ Ϣ Ͻ", "σοφία άέήίόύώ ϊϋ σ βθφπκρε ϣ ͻ"},
      {"ЁЖИК ЇЖАК ЎЄЂЏ Ґ Ѣ Ӂ Ӑ Ԁ Ӏ", "ёжик їжак ўєђџ ґ ѣ ӂ ӑ ԁ ӏ"},
      {"夢 ゆめ 꿈 😀 Ⅻ", "夢 ゆめ 꿈 😀 Ⅻ"},
      {"A\xC3(\xFF\xC3", "a\xC3(\xFF\xC3"},
  };
  for (const auto& c : kCases) EXPECT_EQ(FoldCase(c.text), c.folded) << c.text;
}

TEST(DreamSearch, EveryWordMustOccurInTheTextOrTheSignsWhateverTheCase) {
  Dream dream;
  dream.signs = {"Полёт", "Café de Flore"};
  dream.text = "Я летал над ГОРОДОМ.\nThe waiter smiled.";
  const struct {
    const char* query;
    bool matches;
  } kQueries[] = {
      {"", true},          {" \t ", true},          {"ЛЕТАЛ", true},          {"ПОЛЁТ город", true},
      {"CAFÉ", true},      {"flore\tWAITER", true}, {"smiled полёт", true},   {"лет smi", true},
      {"cafe", false},     {"полет", false},        {"летал кот", false},     {"smiled.полёт", false},
  };
  for (const auto& q : kQueries) EXPECT_EQ(DreamMatches(dream, FoldCase(q.query)), q.matches) << q.query;
}

TEST(DreamScan, ListsMorningsNewestFirstWithTheirMarksAndSearchesThem) {
  const std::vector<DreamFileBytes> files = {
      {"2026-03-01.md", "## Dream\r\nDream signs: teeth\r\nMy teeth\r\nfell out.\r\n"},
      {"notes.txt", "## Lucid dream\nnot a dream file"},
      {"2026-03-03.md", "# Night\n\n## Fragment\nA red door.\n\n## Lucid dream\nDream signs: Flying\nI flew over the town.\n"},
      {"2026-03-03 (2).md", "## Dream\nA copy saved while the file changed.\n"},
      {"2026-03-02.md", "caf\xE9"},
      {"2026-03-04.md", "Only notes\nof the night.\n"},
      {"2026-02-30.md", "## Dream\nno such day\n"},
  };
  const std::vector<JournalMorning> mornings = ScanDreamFiles(files);
  std::vector<std::string> rows;
  for (const JournalMorning& m : mornings) {
    rows.push_back(m.fileName + (m.unreadable ? " unreadable" : "") + (m.lucid ? " lucid" : "") + ": " + m.firstWords);
  }
  EXPECT_EQ(rows, (std::vector<std::string>{
                      "2026-03-04.md: Only notes of the night.",
                      "2026-03-03.md lucid: A red door.",
                      "2026-03-03 (2).md: A copy saved while the file changed.",
                      "2026-03-02.md unreadable: ",
                      "2026-03-01.md: My teeth fell out.",
                  }));
  ASSERT_EQ(mornings.size(), 5u);
  const std::int64_t march4 = DayOf(ToLocalMinute(CivilTime{2026, 3, 4, 0, 0}));
  EXPECT_EQ(mornings[0].day, march4);

  const struct {
    const char* query;
    std::vector<std::size_t> rows;
  } kQueries[] = {
      {"", {0, 1, 2, 3, 4}}, {"FLEW", {1}},      {"flying TOWN", {1}}, {"door town", {}},  // one dream holds every word
      {"NIGHT", {0, 1}},     {"the", {0, 1, 2}}, {"caf", {}},
  };
  for (const auto& q : kQueries) EXPECT_EQ(FilterMornings(mornings, q.query), q.rows) << q.query;

  EXPECT_EQ(Listed(CountJournalSigns(mornings, march4)), "Flying=1 teeth=1 ");
}

}  // namespace
