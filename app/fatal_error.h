// How somnivex reports a failure: the box titled "Error" with the message
// and the support lines, in the language in use (warning icon, OK only, no
// owner).
#pragma once

// Shows the box and returns once the user has closed it: the program goes on.
void ShowErrorBox(const char* message);
// Shows the box and ends the process with exit code 0 once the box is
// closed. Nothing else runs: no save, no clean-up. Never returns.
[[noreturn]] void ShowFatalError(const char* message);
