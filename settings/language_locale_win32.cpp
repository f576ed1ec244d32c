#include "settings/language_locale.h"

#include "settings/translation.h"
#include "settings/wide_text.h"

namespace {

constexpr LCID kEnglish = MAKELCID(MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), SORT_DEFAULT);

}  // namespace

LCID LanguageLocale() {
  const std::string code = LanguageInUse();
  if (code == "en" || code == "qps") return kEnglish;
  // "pt_BR" is "pt-BR" to Windows; a language alone ("ja") stands for its
  // main country's locale.
  std::wstring name;
  for (char c : code) name += c == '_' ? L'-' : static_cast<wchar_t>(static_cast<unsigned char>(c));
  const LCID locale = LocaleNameToLCID(name.c_str(), 0);
  return locale ? locale : kEnglish;
}

std::wstring FormatLanguageDate(const SYSTEMTIME& date, const char* utf8Picture) {
  const std::wstring picture = Widen(utf8Picture);
  wchar_t text[80] = {};
  for (LCID locale : {LanguageLocale(), kEnglish}) {
    if (GetDateFormatW(locale, 0, &date, picture.empty() ? nullptr : picture.c_str(), text, 80) > 0) return text;
  }
  return std::wstring();
}
