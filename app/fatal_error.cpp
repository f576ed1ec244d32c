#include "app/fatal_error.h"

#include <windows.h>

#include "app/fatal_text.h"

void ShowErrorBox(const char* message) {
  const std::string text = ComposeFatalText(message);
  MessageBoxA(nullptr, text.c_str(), "Error", MB_OK | MB_ICONWARNING);
}

void ShowFatalError(const char* message) {
  ShowErrorBox(message);
  ExitProcess(0);
}
