#include "settings/language_menu.h"

#include "settings/translation.h"

int CheckedLanguageItem(const std::string& setting, const std::vector<std::string>& codes) {
  if (setting == kPseudoLanguage) return -1;
  for (std::size_t i = 0; i < codes.size(); ++i) {
    if (setting.size() == codes[i].size() && MatchLanguage(setting, {codes[i]}) == 0) return static_cast<int>(i) + 1;
  }
  return 0;
}
