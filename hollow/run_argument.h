// The command line of hollow: it runs only when started with "-run", and
// the program that starts it names its language there ("-run language=de",
// the key being kHollowLanguageArgument of settings/language.h).
#pragma once

#include <string>

// True when the text after the program name begins with the first three
// characters of "-run", ASCII case ignored (so "-ru", "-RUN", "-rux" run).
bool IsRunArgument(const char* commandLine);

// What follows `key` ("language=") in the first argument after "-run"
// that starts with it, the key's ASCII case ignored: "de" of
// "-run language=de". Empty when no argument names it, and hollow then
// speaks Windows' language. Arguments are separated by spaces or tabs.
std::string RunArgumentValue(const char* commandLine, const char* key);
