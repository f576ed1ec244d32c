#include "settings/config_store.h"

#include <climits>
#include <cstdio>
#include <cstring>
#include <utility>

#include "settings/config_file_ops.h"

namespace {

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// Whole string against whole string; only A-Z and a-z are folded, every other
// byte (including NUL and bytes above 127) compares as it is.
bool EqualIgnoringAsciiCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  }
  return true;
}

bool IsCSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

// Decimal reading in the manner of atoi, but with overflow answered by
// saturating at the int range instead of undefined behaviour.
int ParseDecimal(const std::string& text) {
  std::size_t i = 0;
  while (i < text.size() && IsCSpace(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  const long long limit = -static_cast<long long>(INT_MIN);  // 2^31
  long long magnitude = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    // Stays below limit * 10 + 9, far inside long long.
    if (magnitude < limit) magnitude = magnitude * 10 + (text[i] - '0');
  }
  if (magnitude > limit) magnitude = limit;
  if (negative) return static_cast<int>(-magnitude);
  return magnitude > INT_MAX ? INT_MAX : static_cast<int>(magnitude);
}

// One line split at the separator: the key is everything before the first
// separator, the value everything after it up to the next one (the rest is
// dropped). A line without a separator is both key and value. Nothing is
// trimmed, and every byte, NUL included, stays part of the text, so a NUL can
// never cut a key short into another key.
void AppendLine(ConfigStore& store, const char* line, std::size_t length) {
  const char* end = line + length;
  const char* first = static_cast<const char*>(std::memchr(line, store.separator, length));
  if (first == nullptr) {
    store.keys.emplace_back(line, length);
    store.values.emplace_back(line, length);
    return;
  }
  const char* value = first + 1;
  const char* second = static_cast<const char*>(std::memchr(value, store.separator, static_cast<std::size_t>(end - value)));
  store.keys.emplace_back(line, first);
  store.values.emplace_back(value, second != nullptr ? second : end);
}

// Reads the whole file. False on an open or read error (a folder where the
// file should be opens on some systems but cannot be read) or when the file
// exceeds the size limit.
bool ReadWholeFile(const std::string& path, std::string& bytes) {
  std::FILE* file = OpenFile(path, "rb");
  if (file == nullptr) return false;
  bool ok = true;
  char chunk[64 * 1024];
  for (;;) {
    const std::size_t got = std::fread(chunk, 1, sizeof chunk, file);
    if (got > kMaxConfigFileBytes - bytes.size()) {
      ok = false;
      break;
    }
    bytes.append(chunk, got);
    if (got < sizeof chunk) {
      ok = std::ferror(file) == 0;
      break;
    }
  }
  std::fclose(file);
  return ok;
}

}  // namespace

ConfigStore::ConfigStore(std::string filePath, char separatorChar)
    : separator(separatorChar), path(std::move(filePath)) {}

void ConfigStore::SetPath(const std::string& filePath) { path = filePath; }

int ConfigStore::Find(const std::string& key) const {
  for (std::size_t i = 0; i < keys.size(); ++i) {
    if (EqualIgnoringAsciiCase(keys[i], key)) return static_cast<int>(i);
  }
  return -1;
}

std::string ConfigStore::GetString(const std::string& key) const {
  const int index = Find(key);
  if (index >= 0) return values[static_cast<std::size_t>(index)];
  // An absent key reads as the first entry's value; the program never reads
  // an empty store, for which the answer is the empty text.
  return values.empty() ? std::string() : values.front();
}

int ConfigStore::GetInt(const std::string& key) const {
  const int index = Find(key);
  if (index < 0) return -1;
  return ParseDecimal(values[static_cast<std::size_t>(index)]);
}

void ConfigStore::SetString(const std::string& key, const std::string& value) {
  const int index = Find(key);
  if (index >= 0) {
    values[static_cast<std::size_t>(index)] = value;
    return;
  }
  keys.push_back(key);
  values.push_back(value);
}

void ConfigStore::SetInt(const std::string& key, int value) { SetString(key, std::to_string(value)); }

void ConfigStore::AddIfAbsent(const std::string& key, const std::string& value) {
  if (Find(key) >= 0) return;
  keys.push_back(key);
  values.push_back(value);
}

void ConfigStore::Remove(const std::string& key) {
  for (int i = Find(key); i >= 0; i = Find(key)) {
    keys.erase(keys.begin() + i);
    values.erase(values.begin() + i);
  }
}

void ConfigStore::Clear() {
  keys.clear();
  values.clear();
}

// Line rules: a line ends at LF, and a CR directly before that LF is not part
// of it (a lone CR elsewhere is an ordinary byte). Every line counts,
// including the last one, so a file ending with a line break yields a final
// empty entry and an empty file yields one empty entry.
void ParseConfig(ConfigStore& store, const std::string& bytes) {
  std::size_t lines = 1;
  for (char c : bytes) lines += c == '\n' ? 1 : 0;
  store.keys.reserve(store.keys.size() + lines);
  store.values.reserve(store.values.size() + lines);

  const char* start = bytes.data();
  const char* const stop = start + bytes.size();
  for (;;) {
    const char* end = static_cast<const char*>(std::memchr(start, '\n', static_cast<std::size_t>(stop - start)));
    if (end == nullptr) {
      AppendLine(store, start, static_cast<std::size_t>(stop - start));
      return;
    }
    std::size_t length = static_cast<std::size_t>(end - start);
    if (length > 0 && end[-1] == '\r') --length;
    AppendLine(store, start, length);
    start = end + 1;
  }
}

bool ConfigStore::Load() {
  std::string bytes;
  if (!ReadWholeFile(path, bytes)) return false;
  ParseConfig(*this, bytes);
  return true;
}

std::string SerializeConfig(const ConfigStore& store) {
  std::string out;
  for (std::size_t i = 0; i < store.keys.size(); ++i) {
    if (store.keys[i].empty()) continue;  // the empty entry of a final line break
    out += store.keys[i];
    out += store.separator;
    out += store.values[i];
    out += "\r\n";
  }
  return out;
}

std::string ConfigTempPath(const std::string& path) { return path + ".tmp"; }

namespace {

// Writes bytes to an open stream, pushes them to the disk and closes it.
bool WriteAndClose(std::FILE* file, const std::string& bytes) {
  bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  ok = FlushFileToDisk(file) && ok;
  return std::fclose(file) == 0 && ok;
}

// A folder that takes no new files (read-only media, a folder the user may
// change files in but not add to) still lets an existing settings file be
// rewritten where it is. Without this the user's change would silently go
// back at the next start. A file marked read-only is left alone.
bool RewriteExistingFile(const std::string& path, const std::string& bytes) {
  if (IsWriteProtected(path)) return false;
  std::FILE* existing = OpenFile(path, "rb");
  if (existing == nullptr) return false;
  std::fclose(existing);
  std::FILE* file = OpenFile(path, "wb");
  return file != nullptr && WriteAndClose(file, bytes);
}

}  // namespace

// The new content does not overwrite the file in place where it can be
// helped: a crash, a power cut or a full disk in the middle of writing would
// leave a truncated config.txt. It goes to a temporary file in the same
// folder first, is pushed to the disk, and then replaces the old file in one
// step. Only where no temporary file can be made is the file rewritten.
bool ConfigStore::Save() const {
  const std::string bytes = SerializeConfig(*this);
  const std::string temp = ConfigTempPath(path);
  std::FILE* file = OpenFile(temp, "wb");
  if (file == nullptr) return RewriteExistingFile(path, bytes);
  bool ok = WriteAndClose(file, bytes);
  ok = ok && ReplaceFileAtomically(temp, path);
  if (!ok) RemoveFile(temp);
  return ok;
}
