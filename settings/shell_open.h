// Handing documents and web addresses to the shell.
#pragma once

#include <windows.h>

#include <string>

// "open" on the file or address (UTF-8), shown normally; the outcome is not
// examined.
void OpenWithShell(const char* target);
// Opens the address of share type 1 to 4 the same way.
void OpenShareLink(int type);
// Opens the help page (UTF-8 path of help.html) in the language in use,
// maximised: help.<code>.html beside it where that file is there, else
// help.html itself. When the shell cannot open the local page (no file, no
// browser) the online help page opens instead, shown normally.
void OpenHelpPage(const std::string& helpPage);
