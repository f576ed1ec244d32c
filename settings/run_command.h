// The command line stored in the Run value. No windows.h.
#pragma once

#include <string>

// Registry value name under the current user's Run key.
inline constexpr const char kRunValueName[] = "Somnivex";

// The executable path between double quotes, then " -m" (a start from the
// Run key comes up hidden in the tray).
std::string BuildRunCommand(const std::string& executablePath);
