#include "journal/dream_signs.h"

#include <algorithm>
#include <random>
#include <unordered_map>
#include <utility>

#include "journal/text_fold.h"

namespace {

// What separates the words of a query; a line break pasted into the search
// box separates too, so that no word holds one.
constexpr char kQuerySpaces[] = " \t\r\n";

struct Spelling {
  std::string text;
  int count = 0;
};

// One sign whatever its case, with every spelling in the order first seen.
struct Tally {
  std::string folded;
  int count = 0;
  std::vector<Spelling> spellings;
};

const std::string& MostUsedSpelling(const Tally& tally) {
  const Spelling* best = &tally.spellings.front();
  for (const Spelling& s : tally.spellings) {
    if (s.count > best->count) best = &s;
  }
  return best->text;
}

}  // namespace

bool InsideSignWindow(std::int64_t day, std::int64_t today) {
  return day <= today && day > today - kSignWindowDays;
}

std::vector<SignCount> CountDreamSigns(const std::vector<DatedDreamFile>& mornings, std::int64_t today,
                                       std::size_t top) {
  std::vector<Tally> tallies;
  std::unordered_map<std::string, std::size_t> index;
  std::vector<std::size_t> inDream;  // tallies already counted for the current dream
  for (const DatedDreamFile& morning : mornings) {
    if (morning.file == nullptr || !InsideSignWindow(morning.day, today)) continue;
    for (const Dream& dream : morning.file->dreams) {
      inDream.clear();
      for (const std::string& sign : dream.signs) {
        std::string folded = FoldCase(sign);
        auto found = index.find(folded);
        if (found == index.end()) {
          found = index.emplace(folded, tallies.size()).first;
          tallies.push_back({std::move(folded), 0, {}});
        }
        const std::size_t t = found->second;
        if (std::find(inDream.begin(), inDream.end(), t) != inDream.end()) continue;
        inDream.push_back(t);
        Tally& tally = tallies[t];
        ++tally.count;
        auto spelling = std::find_if(tally.spellings.begin(), tally.spellings.end(),
                                     [&](const Spelling& s) { return s.text == sign; });
        if (spelling == tally.spellings.end()) {
          tally.spellings.push_back({sign, 1});
        } else {
          ++spelling->count;
        }
      }
    }
  }
  std::sort(tallies.begin(), tallies.end(), [](const Tally& a, const Tally& b) {
    return a.count != b.count ? a.count > b.count : a.folded < b.folded;
  });
  std::vector<SignCount> counts;
  for (std::size_t i = 0; i < tallies.size() && i < top; ++i) {
    counts.push_back({MostUsedSpelling(tallies[i]), tallies[i].count});
  }
  return counts;
}

int PickDreamSign(const std::vector<SignCount>& signs, CheckRandom& random) {
  std::int64_t total = 0;
  for (const SignCount& s : signs) total += std::max(s.count, 0);
  if (total <= 0) return -1;
  std::int64_t draw = std::uniform_int_distribution<std::int64_t>(0, total - 1)(random);
  for (std::size_t i = 0; i < signs.size(); ++i) {
    draw -= std::max(signs[i].count, 0);
    if (draw < 0) return static_cast<int>(i);
  }
  return -1;  // not reached: the draw is below the total
}

std::vector<std::string_view> QueryWords(std::string_view foldedQuery) {
  std::vector<std::string_view> words;
  std::size_t at = 0;
  while (at < foldedQuery.size()) {
    const std::size_t begin = foldedQuery.find_first_not_of(kQuerySpaces, at);
    if (begin == std::string_view::npos) break;
    std::size_t end = foldedQuery.find_first_of(kQuerySpaces, begin);
    if (end == std::string_view::npos) end = foldedQuery.size();
    words.push_back(foldedQuery.substr(begin, end - begin));
    at = end;
  }
  return words;
}

std::string DreamSearchText(const Dream& dream) {
  std::string text = FoldCase(dream.text);
  for (const std::string& sign : dream.signs) {
    text += '\n';
    text += FoldCase(sign);
  }
  return text;
}

bool SearchTextMatches(std::string_view searchText, const std::vector<std::string_view>& words) {
  for (std::string_view word : words) {
    if (!ContainsFolded(searchText, word)) return false;
  }
  return true;
}

bool DreamMatches(const Dream& dream, const std::string& foldedQuery) {
  const std::vector<std::string_view> words = QueryWords(foldedQuery);
  return words.empty() || SearchTextMatches(DreamSearchText(dream), words);
}
