// The Win32 half of the dream journal's files: the Dreams folder beside
// config.txt, reading it, saving one morning's file safely, and moving a
// file to the Recycle Bin. Paths are UTF-8 and meet the system as UTF-16.
#pragma once

#include <string>
#include <vector>

#include "journal/dream_scan.h"
#include "journal/dream_signs.h"

// The Dreams folder beside config.txt, with a trailing backslash (UTF-8).
std::string DreamsFolderPath();
// Every "*.md" file directly in the folder (names and contents as bytes;
// names UTF-8 from the wide API), each read whole when at most
// kMaxDreamFileBytes, else its first kMaxDreamFileBytes + 1 bytes so that
// the scan lists it as unreadable. A missing folder reads as empty.
std::vector<DreamFileBytes> ReadDreamFolder(const std::string& folder);
// The names of the dream files directly in the folder ("YYYY-MM-DD.md" and
// their "(n)" copies), UTF-8; a missing folder has none.
std::vector<std::string> ListDreamFolder(const std::string& folder);
// The top dream signs of the 90 days ending today, from the Dreams folder.
std::vector<SignCount> RecentDreamSigns();

// One file's bytes, at most kMaxDreamFileBytes + 1 of them. False when it
// does not exist or cannot be read.
bool ReadDreamBytes(const std::string& path, std::string* bytes);
// Writes the whole file through a temporary file beside it that then
// replaces it in one step, creating the folder when needed: the file is
// always either the old or the new one. False on failure.
bool SaveDreamBytes(const std::string& path, const std::string& bytes);
// Moves the file to the Recycle Bin, never deleting it outright. False on
// failure, the file then left where it was.
bool RecycleDreamFile(const std::string& path);
