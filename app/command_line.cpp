#include "app/command_line.h"

#include <cstring>

namespace {

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

StartOptions ParseCommandLine(const char* text) {
  StartOptions options;
  if (text == nullptr || std::strlen(text) <= 1) return options;
  if (text[0] == '-' && LowerAscii(text[1]) == 'r') options.activateRunningInstance = false;
  if (text[0] == '-' && LowerAscii(text[1]) == 'm' && text[2] == '\0') options.hiddenStart = true;
  return options;
}
