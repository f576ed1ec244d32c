// The two start-up options of somnivex, read from the command line after
// the program name. No windows.h: the rules are tested on the host.
#pragma once

struct StartOptions {
  bool activateRunningInstance = true;  // cleared by "-run" (any "-r..." start)
  bool hiddenStart = false;             // set by "-m": start hidden in the tray
};

// An option is only considered when the text is longer than one character.
// "-run": the first two characters equal "-r", ignoring case.
// "-m": the whole text equals "-m", ignoring case.
StartOptions ParseCommandLine(const char* text);
