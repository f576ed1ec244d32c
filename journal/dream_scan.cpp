#include "journal/dream_scan.h"

#include <algorithm>
#include <utility>

#include "journal/text_fold.h"

bool ScanMorning(std::string_view name, const char* data, std::size_t size, JournalMorning* out) {
  JournalMorning morning;
  if (!ParseDreamFileName(name, &morning.date, &morning.copy)) return false;
  morning.fileName.assign(name);
  morning.day = DayOf(ToLocalMinute(morning.date));
  if (ParseDreamFile(data, size, &morning.file) != DreamFileStatus::Ok) {
    morning.unreadable = true;
    *out = std::move(morning);
    return true;
  }
  const DreamFile& file = morning.file;
  morning.searchTexts.reserve(file.dreams.size() + 1);
  for (const Dream& dream : file.dreams) {
    morning.lucid = morning.lucid || dream.kind == DreamKind::Lucid;
    if (morning.firstWords.empty()) morning.firstWords = FirstWords(dream.text, kPreviewChars);
    morning.searchTexts.push_back(DreamSearchText(dream));
  }
  if (morning.firstWords.empty()) morning.firstWords = FirstWords(file.preamble, kPreviewChars);
  morning.searchTexts.push_back(FoldCase(file.preamble));
  *out = std::move(morning);
  return true;
}

std::vector<JournalMorning> ScanDreamFiles(const std::vector<DreamFileBytes>& files) {
  std::vector<JournalMorning> mornings;
  mornings.reserve(files.size());
  for (const DreamFileBytes& f : files) {
    JournalMorning morning;
    if (ScanMorning(f.name, f.bytes.data(), f.bytes.size(), &morning)) mornings.push_back(std::move(morning));
  }
  std::sort(mornings.begin(), mornings.end(), [](const JournalMorning& a, const JournalMorning& b) {
    if (a.day != b.day) return a.day > b.day;
    if (a.copy != b.copy) return a.copy < b.copy;
    return a.fileName < b.fileName;  // ".md" and ".MD" of one morning
  });
  return mornings;
}

std::vector<std::size_t> FilterMornings(const std::vector<JournalMorning>& mornings, std::string_view query) {
  const std::string folded = FoldCase(query);
  const std::vector<std::string_view> words = QueryWords(folded);
  std::vector<std::size_t> matches;
  for (std::size_t i = 0; i < mornings.size(); ++i) {
    bool match = words.empty();
    for (std::size_t k = 0; !match && k < mornings[i].searchTexts.size(); ++k) {
      match = SearchTextMatches(mornings[i].searchTexts[k], words);
    }
    if (match) matches.push_back(i);
  }
  return matches;
}

std::vector<SignCount> CountJournalSigns(const std::vector<JournalMorning>& mornings, std::int64_t today,
                                         std::size_t top) {
  std::vector<DatedDreamFile> dated;
  dated.reserve(mornings.size());
  for (const JournalMorning& m : mornings) {
    if (!m.unreadable) dated.push_back({m.day, &m.file});
  }
  return CountDreamSigns(dated, today, top);
}
