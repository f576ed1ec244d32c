#include "journal/practice_record.h"

#include <cstdio>
#include <cstring>

#include "settings/config_file_ops.h"

namespace {

struct EventWord {
  const char* word;
  std::size_t length;
  PracticeEvent event;
};

// No word is the start of another, so a line cut within its word never
// reads as a different event.
const EventWord kEventWords[] = {
    {"shown", 5, PracticeEvent::Shown},         {"checked", 7, PracticeEvent::Checked},
    {"dismissed", 9, PracticeEvent::Dismissed}, {"lucid", 5, PracticeEvent::Lucid},
    {"dream", 5, PracticeEvent::Dream},         {"none", 4, PracticeEvent::None},
};

// "YYYY-MM-DD HH:MM:SS," is the fixed part of every line.
constexpr std::size_t kStampLength = 20;

// A record older than a lifetime of heavy use is read from its newest part
// only, so that a runaway file can never take all the memory.
constexpr long kMaxPracticeFileBytes = 64L * 1024 * 1024;

// Two decimal digits at text; -1 when either is not a digit.
inline int TwoDigits(const char* text) {
  const unsigned high = static_cast<unsigned char>(text[0]) - unsigned{'0'};
  const unsigned low = static_cast<unsigned char>(text[1]) - unsigned{'0'};
  return high <= 9 && low <= 9 ? static_cast<int>(high * 10 + low) : -1;
}

bool IsValidPracticeTime(const PracticeTime& when) {
  return IsValidCivil(when.civil) && when.second >= 0 && when.second <= 59;
}

}  // namespace

const char* PracticeEventName(PracticeEvent event) {
  for (const EventWord& w : kEventWords) {
    if (w.event == event) return w.word;
  }
  return "";
}

std::string FormatPracticeLine(const PracticeTime& when, PracticeEvent event) {
  // The fields are written as they are; only a valid time gives a line that
  // reads back, which AppendPracticeEvent makes sure of.
  char stamp[96];
  std::snprintf(stamp, sizeof stamp, "%04d-%02d-%02d %02d:%02d:%02d,", when.civil.year, when.civil.month,
                when.civil.day, when.civil.hour, when.civil.minute, when.second);
  std::string line(stamp);
  line += PracticeEventName(event);
  line += "\r\n";
  return line;
}

bool ParsePracticeLine(const char* text, std::size_t length, PracticeEntry* entry) {
  if (length <= kStampLength || text[4] != '-' || text[7] != '-' || text[10] != ' ' || text[13] != ':' ||
      text[16] != ':' || text[19] != ',') {
    return false;
  }
  const int century = TwoDigits(text), year = TwoDigits(text + 2);
  CivilTime civil;
  civil.month = TwoDigits(text + 5);
  civil.day = TwoDigits(text + 8);
  civil.hour = TwoDigits(text + 11);
  civil.minute = TwoDigits(text + 14);
  const int second = TwoDigits(text + 17);
  if (century < 0 || year < 0 || second < 0 || second > 59) return false;
  civil.year = century * 100 + year;
  // A digit check failed above as -1, which IsValidCivil refuses too.
  if (!IsValidCivil(civil)) return false;

  const char* word = text + kStampLength;
  const std::size_t wordLength = length - kStampLength;
  for (const EventWord& w : kEventWords) {
    if (w.length == wordLength && std::memcmp(w.word, word, wordLength) == 0) {
      entry->minute = ToLocalMinute(civil);
      entry->second = second;
      entry->event = w.event;
      return true;
    }
  }
  return false;
}

std::vector<PracticeEntry> ReadPracticeText(const char* data, std::size_t size) {
  std::vector<PracticeEntry> entries;
  // Lines are about 28 bytes; one reservation covers a typical file.
  entries.reserve(size / 24);
  const char* at = data;
  const char* const end = data + size;
  while (at < end) {
    const char* lineEnd = static_cast<const char*>(std::memchr(at, '\n', static_cast<std::size_t>(end - at)));
    if (lineEnd == nullptr) break;  // torn last line
    std::size_t length = static_cast<std::size_t>(lineEnd - at);
    if (length > 0 && at[length - 1] == '\r') --length;
    PracticeEntry entry;
    if (ParsePracticeLine(at, length, &entry)) entries.push_back(entry);
    at = lineEnd + 1;
  }
  return entries;
}

std::vector<PracticeEntry> ReadPracticeFile(const std::string& path) {
  std::FILE* file = OpenFile(path, "rb");
  if (file == nullptr) return {};
  std::string bytes;
  long size = -1;
  long start = 0;
  if (std::fseek(file, 0, SEEK_END) == 0) size = std::ftell(file);
  // One byte before the newest part tells whether it starts a line.
  if (size > kMaxPracticeFileBytes) start = size - kMaxPracticeFileBytes - 1;
  if (size > 0 && std::fseek(file, start, SEEK_SET) == 0) {
    bytes.resize(static_cast<std::size_t>(size - start));
    bytes.resize(std::fread(&bytes[0], 1, bytes.size(), file));
    if (std::ferror(file) != 0) bytes.clear();
  }
  std::fclose(file);
  std::size_t from = 0;
  if (start > 0) {
    const std::size_t firstEnd = bytes.find('\n');
    from = firstEnd == std::string::npos ? bytes.size() : firstEnd + 1;
  }
  return ReadPracticeText(bytes.data() + from, bytes.size() - from);
}

bool AppendPracticeEvent(const std::string& path, const PracticeTime& when, PracticeEvent event) {
  if (!IsValidPracticeTime(when) || *PracticeEventName(event) == '\0') return false;
  std::FILE* file = OpenFile(path, "a+b");
  if (file == nullptr) return false;
  std::string text;
  if (std::fseek(file, 0, SEEK_END) == 0 && std::ftell(file) != 0) {
    // A last byte that is not a line end, or cannot be read, belongs to a
    // torn line: the new line starts on a line of its own (at worst after
    // an empty line, which reading skips).
    if (std::fseek(file, -1, SEEK_END) != 0 || std::fgetc(file) != '\n') text = "\r\n";
  }
  text += FormatPracticeLine(when, event);
  // Reading and writing a stream in turn needs a seek in between; writes go
  // to the end of the file whatever the position.
  bool ok = std::fseek(file, 0, SEEK_END) == 0 && std::fwrite(text.data(), 1, text.size(), file) == text.size();
  ok = FlushFileToDisk(file) && ok;
  ok = std::fclose(file) == 0 && ok;
  return ok;
}
