#include "settings/shell_open.h"

#include <shellapi.h>

#include "app/wide_text.h"
#include "settings/share_links.h"

// Through the wide call: a share text in the language in use may hold any
// letters.
void OpenWithShell(const char* target) {
  ShellExecuteW(nullptr, L"open", Widen(target).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void OpenShareLink(int type) {
  const std::string address = ShareAddress(type);
  if (!address.empty()) OpenWithShell(address.c_str());
}
