// The command-line check of hollow: it runs only when started with "-run".
#pragma once

// True when the text after the program name begins with the first three
// characters of "-run", ASCII case ignored (so "-ru", "-RUN", "-rux" run).
bool IsRunArgument(const char* commandLine);
