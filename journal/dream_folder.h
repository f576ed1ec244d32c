// The Win32 half of the dream journal's files: the Dreams folder beside
// config.txt (wherever the settings live) and reading it. Paths are UTF-8
// and meet the system as UTF-16.
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
// The top dream signs of the 90 days ending today, from the Dreams folder.
std::vector<SignCount> RecentDreamSigns();
