#include "settings/language.h"

#include <memory>

#include "resources/resource_ids.h"
#include "settings/translation.h"

namespace {

struct Loaded {
  std::vector<LanguageChoice> choices;
  std::vector<std::unique_ptr<TranslationCatalog>> catalogs;  // beside choices[1..]
  std::unique_ptr<TranslationCatalog> pseudo;
  bool pseudoRead = false;
};

Loaded& Languages() {
  static Loaded loaded;
  return loaded;
}

// A compiled catalogue among this program's raw-data resources.
std::unique_ptr<TranslationCatalog> ReadCatalog(int id) {
  HMODULE module = GetModuleHandleA(nullptr);
  HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(10));  // RT_RCDATA
  if (!found) return nullptr;
  HGLOBAL handle = LoadResource(module, found);
  const void* data = handle ? LockResource(handle) : nullptr;
  if (!data) return nullptr;
  auto catalog = std::make_unique<TranslationCatalog>();
  if (!ParseCatalog(static_cast<const std::uint8_t*>(data), SizeofResource(module, found), catalog.get())) {
    return nullptr;
  }
  return catalog;
}

const TranslationCatalog* CatalogFor(const std::string& code) {
  Loaded& l = Languages();
  ProgramLanguages();
  for (std::size_t i = 1; i < l.choices.size(); ++i) {
    if (l.choices[i].code == code) return l.catalogs[i - 1].get();
  }
  if (code == "qps") {
    if (!l.pseudoRead) l.pseudo = ReadCatalog(IDS_LANGUAGE_PSEUDO);
    l.pseudoRead = true;
    return l.pseudo.get();
  }
  return nullptr;
}

std::string LocaleText(LCID locale, LCTYPE what) {
  wchar_t text[16] = {};
  if (GetLocaleInfoW(locale, what, text, 16) <= 0) return std::string();
  std::string out;
  for (const wchar_t* p = text; *p; ++p) out += static_cast<char>(*p < 128 ? *p : '?');
  return out;
}

}  // namespace

const std::vector<LanguageChoice>& ProgramLanguages() {
  Loaded& l = Languages();
  if (!l.choices.empty()) return l.choices;
  l.choices.push_back({"en", "English"});
  // The catalogues are numbered from the base without gaps; the first
  // number without one ends the list.
  for (int id = IDS_LANGUAGE_BASE; id < IDS_LANGUAGE_PSEUDO; ++id) {
    std::unique_ptr<TranslationCatalog> catalog = ReadCatalog(id);
    if (!catalog) break;
    // Translators: this language's own name, as its speakers write it
    // ("Deutsch", "Français"), shown in the Language menu.
    const std::string key = std::string("language name\x04") + NC_("language name", "English");
    const std::vector<std::string>* name = FindTranslation(*catalog, key);
    l.choices.push_back({catalog->code, name && !name->empty() ? (*name)[0] : catalog->code});
    l.catalogs.push_back(std::move(catalog));
  }
  return l.choices;
}

std::string WindowsLanguage() {
  const LCID locale = MAKELCID(GetUserDefaultUILanguage(), SORT_DEFAULT);
  const std::string language = LocaleText(locale, LOCALE_SISO639LANGNAME);
  if (language.empty()) return std::string();
  const std::string region = LocaleText(locale, LOCALE_SISO3166CTRYNAME);
  return region.empty() ? language : language + "_" + region;
}

std::string ResolveLanguage(const std::string& setting) {
  const std::vector<LanguageChoice>& choices = ProgramLanguages();
  std::vector<std::string> codes;
  for (const LanguageChoice& c : choices) codes.push_back(c.code);
  if (!setting.empty()) {
    if (setting == "qps" && CatalogFor("qps")) return "qps";
    // A chosen language is taken only as it is named, never by its region.
    for (const LanguageChoice& c : choices) {
      if (MatchLanguage(setting, {c.code}) == 0 && setting.size() == c.code.size()) return c.code;
    }
  }
  const int windows = MatchLanguage(WindowsLanguage(), codes);
  return windows >= 0 ? codes[static_cast<std::size_t>(windows)] : std::string("en");
}

void ApplyLanguageSetting(const std::string& setting) {
  UseCatalog(CatalogFor(ResolveLanguage(setting)));
}
