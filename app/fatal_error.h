// The one way somnivex reports a failure it cannot get past.
#pragma once

// Shows the message and the support lines in a box titled "Error" (warning
// icon, OK only, no owner) and ends the process with exit code 0 once the box
// is closed. Nothing else runs: no save, no clean-up. Never returns.
[[noreturn]] void ShowFatalError(const char* message);
