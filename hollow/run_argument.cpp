#include "hollow/run_argument.h"

#include <cstring>

namespace {

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool IsSpace(char c) { return c == ' ' || c == '\t'; }

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

std::string RunArgumentValue(const char* commandLine, const char* key) {
  if (!commandLine || !key || !*key) return std::string();
  const std::size_t keyLength = std::strlen(key);
  const char* p = commandLine;
  // The first argument is "-run" (or what passes for it).
  while (*p && !IsSpace(*p)) ++p;
  while (*p) {
    while (IsSpace(*p)) ++p;
    const char* start = p;
    while (*p && !IsSpace(*p)) ++p;
    if (static_cast<std::size_t>(p - start) < keyLength) continue;
    bool named = true;
    for (std::size_t i = 0; i < keyLength && named; ++i) named = LowerAscii(start[i]) == LowerAscii(key[i]);
    if (named) return std::string(start + keyLength, p);
  }
  return std::string();
}
