// Starting and stopping the hollow program (Vododi Reminders). The main
// program keeps no state about it: every call looks at the system afresh.
#pragma once

inline constexpr const char kHollowProcessName[] = "hollow.exe";
inline constexpr const char kHollowWindow1[] = "SM Vododi Reminders 1";
inline constexpr const char kHollowWindow2[] = "SM Vododi Reminders 2";

// True when a running process has this executable file name (ASCII case ignored).
bool IsProcessRunning(const char* name);
// Ends every process with this executable file name, exit code 9, and waits
// (bounded) until each has ended.
void KillProcessesByName(const char* name);
// Starts hollow.exe -run beside the program unless one runs; fatal error 122
// when the shell cannot start it.
void StartHollow();
// Asks both hollow windows to close, then ends whatever hollow.exe is left.
void StopHollow();
