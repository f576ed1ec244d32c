#include "hollow/run_argument.h"

namespace {

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

bool IsRunArgument(const char* commandLine) {
  if (!commandLine) return false;
  const char expected[] = "-ru";
  for (int i = 0; i < 3; ++i) {
    // A shorter text ends with its terminator, which never matches.
    if (LowerAscii(commandLine[i]) != expected[i]) return false;
  }
  return true;
}
