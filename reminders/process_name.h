// Matching of executable file names. No windows.h.
#pragma once

// True when the two names are equal ignoring ASCII case only.
bool SameProcessName(const char* a, const char* b);
