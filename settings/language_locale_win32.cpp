#include "settings/language_locale.h"

#include "settings/translation.h"

namespace {

constexpr LCID kEnglish = MAKELCID(MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), SORT_DEFAULT);

std::wstring Wide(const char* utf8) {
  const int length = MultiByteToWideChar(CP_UTF8, 0, utf8, -1, nullptr, 0);
  if (length <= 1) return std::wstring();
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8, -1, &wide[0], length);
  wide.resize(static_cast<std::size_t>(length) - 1);
  return wide;
}

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
  const std::wstring picture = Wide(utf8Picture);
  wchar_t text[80] = {};
  for (LCID locale : {LanguageLocale(), kEnglish}) {
    if (GetDateFormatW(locale, 0, &date, picture.empty() ? nullptr : picture.c_str(), text, 80) > 0) return text;
  }
  return std::wstring();
}
