#include "app/fatal_error.h"

#include <windows.h>

#include "app/fatal_text.h"
#include "settings/wide_text.h"

void ShowErrorBox(const char* message) {
  const std::string text = ComposeFatalText(message);
  // Translators: the title of every error box.
  MessageBoxW(nullptr, Widen(text).c_str(), Widen(Tr("Error")).c_str(), MB_OK | MB_ICONWARNING);
}

void ShowFatalError(const char* message) {
  ShowErrorBox(message);
  ExitProcess(0);
}
