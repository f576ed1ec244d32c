// Stands in for the browser in the shell-association tests: appends the
// address it was asked to open and its show command to a log file.
// Usage: shell_recorder LOGFILE ADDRESS
#include <windows.h>

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
  if (argc < 3) return 1;
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  GetStartupInfoA(&si);
  const int show = (si.dwFlags & STARTF_USESHOWWINDOW) ? si.wShowWindow : -1;
  FILE* log = std::fopen(argv[1], "ab");
  if (!log) return 1;
  std::string address = argv[2];
  for (int i = 3; i < argc; ++i) address += std::string(" ") + argv[i];
  std::fprintf(log, "%d %s\n", show, address.c_str());
  std::fclose(log);
  return 0;
}
