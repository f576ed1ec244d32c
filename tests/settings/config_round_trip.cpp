#include "tests/settings/config_round_trip.h"

#include <cstdio>

#include "settings/config_store.h"

std::string ReadBytes(const std::string& path) {
  std::string out;
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (f == nullptr) return out;
  char chunk[65536];
  std::size_t got;
  while ((got = std::fread(chunk, 1, sizeof chunk, f)) > 0) out.append(chunk, got);
  std::fclose(f);
  return out;
}

bool WriteBytes(const std::string& path, const std::string& bytes) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (f == nullptr) return false;
  const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  return std::fclose(f) == 0 && ok;
}

bool Exists(const std::string& path) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (f != nullptr) std::fclose(f);
  return f != nullptr;
}

std::string CheckLoadSaveRoundTrip(const std::string& bytes, const std::string& folder) {
  const std::string in = folder + "in.txt", out = folder + "out.txt", again = folder + "again.txt";
  if (!WriteBytes(in, bytes)) return "cannot write the input file";

  ConfigStore first(in, '=');
  if (!first.Load()) return "Load failed";
  if (first.keys.size() != first.values.size()) return "keys and values differ in length";
  std::size_t lineFeeds = 0;
  for (char c : bytes) lineFeeds += c == '\n';
  if (first.keys.size() != lineFeeds + 1) return "entry count is not the line count";
  for (std::size_t i = 0; i < first.keys.size(); ++i) {
    if (first.keys[i].find_first_of("=\n") != std::string::npos) return "a key holds = or LF";
    if (first.values[i].find_first_of("=\n") != std::string::npos) return "a value holds = or LF";
  }

  first.SetPath(out);
  if (!first.Save()) return "Save failed";
  const std::string saved = ReadBytes(out);
  if (saved != SerializeConfig(first)) return "saved bytes differ from the store";
  if (Exists(ConfigTempPath(out))) return "temporary file left behind";

  ConfigStore second(out, '=');
  if (!second.Load()) return "reload failed";
  ConfigStore expected(out, '=');
  for (std::size_t i = 0; i < first.keys.size(); ++i) {
    if (first.keys[i].empty()) continue;
    expected.keys.push_back(first.keys[i]);
    expected.values.push_back(first.values[i]);
  }
  expected.keys.emplace_back();
  expected.values.emplace_back();
  if (second.keys != expected.keys || second.values != expected.values) return "reloaded entries differ";

  second.SetPath(again);
  if (!second.Save()) return "second Save failed";
  if (ReadBytes(again) != saved) return "second save gives other bytes";
  return "";
}
