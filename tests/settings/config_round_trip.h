// The agreement of the settings reader and writer, checked on one file's
// bytes. Shared by the host tests and the fuzz target.
#pragma once

#include <string>

// Writes bytes to a file in folder (which must exist, path ending in its
// separator),
// loads it, saves the store to a second file, loads that back and saves it
// once more. Holds when: the entry count is one more than the number of LF
// bytes; no key or value holds a separator or LF; the saved bytes are exactly
// the serialized store and no temporary file is left; the reloaded store is
// the first one without its empty-key entries plus the final empty entry;
// and a second save gives the same bytes. Returns "" when all hold, else
// what broke.
std::string CheckLoadSaveRoundTrip(const std::string& bytes, const std::string& folder);

std::string ReadBytes(const std::string& path);
bool WriteBytes(const std::string& path, const std::string& bytes);
bool Exists(const std::string& path);
