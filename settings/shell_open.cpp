#include "settings/shell_open.h"

#include <shellapi.h>

#include "settings/share_links.h"

void OpenWithShell(const char* target) { ShellExecuteA(nullptr, "open", target, nullptr, nullptr, SW_SHOWNORMAL); }

void OpenShareLink(int type) {
  const std::string address = ShareAddress(type);
  if (!address.empty()) OpenWithShell(address.c_str());
}
