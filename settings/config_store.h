// The settings store: an ordered list of key/value text pairs bound to a
// file path and a separator character, read from and written to a plain
// text file (config.txt). No windows.h.
#pragma once

#include <string>
#include <vector>

// Largest file Load accepts. config.txt holds three short lines; anything
// bigger than this is no settings file of ours, and refusing it keeps the
// memory a hostile file can make us allocate bounded.
inline constexpr std::size_t kMaxConfigFileBytes = 16u * 1024u * 1024u;

struct ConfigStore {
  ConfigStore(std::string filePath, char separatorChar);

  // keys[i] belongs to values[i]; both lists always have the same length.
  // Keys compare ignoring ASCII case; the first match wins.
  char separator;
  std::vector<std::string> keys;
  std::vector<std::string> values;
  std::string path;

  void SetPath(const std::string& filePath);

  // Index of the first key equal to key ignoring ASCII case, or -1.
  int Find(const std::string& key) const;
  // Value of the first match; when the key is absent, the value of the first
  // entry (empty when the store is empty).
  std::string GetString(const std::string& key) const;
  // Value of the first match read as a decimal integer (leading white space,
  // optional sign, digits up to the first non-digit; none gives 0; out of
  // range saturates). Absent key: -1.
  int GetInt(const std::string& key) const;
  // Replace the value of the first match. An absent key is appended at the
  // end, so that a setting changed on a file that lacks its line is kept.
  void SetString(const std::string& key, const std::string& value);
  void SetInt(const std::string& key, int value);
  // Appends the entry unless a key equal ignoring ASCII case exists.
  void AddIfAbsent(const std::string& key, const std::string& value);
  // Removes every entry whose key equals key ignoring ASCII case.
  void Remove(const std::string& key);
  // Empties both lists; path and separator stay.
  void Clear();

  // Appends the entries of the file at path (see config_store.cpp for the
  // line rules). False, with the store unchanged, when the file cannot be
  // opened or read, or is larger than kMaxConfigFileBytes.
  bool Load();
  // Writes every entry with a non-empty key as key, separator, value, CR LF.
  // The bytes go to a temporary file beside path which then replaces the
  // file in one step; on any failure the old file stays whole, the temporary
  // file is removed and the result is false. Where no temporary file can be
  // made beside it, an existing file that is not marked read-only is
  // rewritten in place instead.
  bool Save() const;
};

// The file bytes Save writes for the store.
std::string SerializeConfig(const ConfigStore& store);
// Appends the entries of file bytes to the store, as Load does.
void ParseConfig(ConfigStore& store, const std::string& bytes);
// The name of the temporary file Save writes before replacing path.
std::string ConfigTempPath(const std::string& path);
