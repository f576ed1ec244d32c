#include "settings/shell_open.h"

#include <shellapi.h>

#include "app/app_paths.h"
#include "app/maker_info.h"
#include "settings/wide_text.h"
#include "settings/share_links.h"
#include "settings/translation.h"

// Through the wide call: a share text in the language in use may hold any
// letters.
void OpenWithShell(const char* target) {
  ShellExecuteW(nullptr, L"open", Widen(target).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void OpenShareLink(int type) {
  const std::string address = ShareAddress(type);
  if (!address.empty()) OpenWithShell(address.c_str());
}

void OpenHelpPage(const std::string& helpPage) {
  std::wstring page = Widen(HelpPageInLanguage(helpPage, LanguageInUse()));
  if (GetFileAttributesW(page.c_str()) == INVALID_FILE_ATTRIBUTES) page = Widen(helpPage);
  const HINSTANCE local = ShellExecuteW(nullptr, L"open", page.c_str(), nullptr, nullptr, SW_SHOWMAXIMIZED);
  if (reinterpret_cast<INT_PTR>(local) <= 32) {
    ShellExecuteA(nullptr, "open", kOnlineHelpPage, nullptr, nullptr, SW_SHOWNORMAL);
  }
}
