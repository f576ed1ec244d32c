// Starting and stopping the hollow program (Vododi Reminders). The main
// program keeps no state about it: every call looks at the system afresh.
#pragma once

#include <string>

inline constexpr const char kHollowWindow1[] = "SM Vododi Reminders 1";
inline constexpr const char kHollowWindow2[] = "SM Vododi Reminders 2";

// True when a process of this session runs the image file at this full path
// (compared ignoring case). A program of the same name elsewhere does not count.
bool IsProcessRunning(const std::string& imagePath);
// Ends every such process, exit code 9, and waits (bounded) until each has ended.
void KillProcessesByName(const std::string& imagePath);
// Starts hollow.exe beside the program unless it runs, with "-run
// language=<code>" naming the language in use. When the shell
// cannot start it, shows error 122 and returns false: the program goes on.
bool StartHollow();
// Asks both windows of our hollow to close, then ends whatever of it is left.
void StopHollow();
