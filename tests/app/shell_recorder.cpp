// Stands in for the browser in the shell-association tests: appends the
// address it was asked to open and its show command to a log file, the
// address as UTF-8 so that a path in any script arrives as it was sent.
// Usage: shell_recorder LOGFILE ADDRESS
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <string>

#include "settings/wide_text.h"

int main() {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (!argv || argc < 3) return 1;
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  GetStartupInfoA(&si);
  const int show = (si.dwFlags & STARTF_USESHOWWINDOW) ? si.wShowWindow : -1;
  FILE* log = _wfopen(argv[1], L"ab");
  if (!log) return 1;
  std::wstring address = argv[2];
  for (int i = 3; i < argc; ++i) address += std::wstring(L" ") + argv[i];
  std::fprintf(log, "%d %s\n", show, Utf8(address).c_str());
  std::fclose(log);
  return 0;
}
