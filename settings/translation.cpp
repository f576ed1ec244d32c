#include "settings/translation.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr char kMagic[] = "SMXL1";  // followed by its NUL
constexpr std::size_t kPluralTable = 200;
const TranslationCatalog* g_catalog = nullptr;

// The NUL-ended text at *at, moving *at past it; false when no NUL comes
// before the end.
bool NextText(const std::uint8_t* data, std::size_t size, std::size_t* at, std::string_view* text) {
  if (*at >= size) return false;
  const void* end = std::memchr(data + *at, 0, size - *at);
  if (!end) return false;
  const std::size_t length = static_cast<const std::uint8_t*>(end) - (data + *at);
  *text = std::string_view(reinterpret_cast<const char*>(data + *at), length);
  *at += length + 1;
  return true;
}

}  // namespace

bool ParseCatalog(const std::uint8_t* data, std::size_t size, TranslationCatalog* out) {
  *out = TranslationCatalog();
  if (!data) return false;
  std::size_t at = 0;
  std::string_view magic, code, plural;
  if (!NextText(data, size, &at, &magic) || magic != kMagic) return false;
  if (!NextText(data, size, &at, &code) || code.empty()) return false;
  if (!NextText(data, size, &at, &plural) || plural.size() != kPluralTable) return false;
  TranslationCatalog c;
  c.code = std::string(code);
  for (char digit : plural) {
    if (digit < '0' || digit > '9') return false;
    c.plural.push_back(static_cast<std::uint8_t>(digit - '0'));
  }
  while (at < size) {
    std::string_view key, value;
    if (!NextText(data, size, &at, &key) || !NextText(data, size, &at, &value)) return false;
    std::vector<std::string> forms;
    for (;;) {
      const std::size_t cut = value.find('\x01');
      forms.emplace_back(value.substr(0, cut));
      if (cut == std::string_view::npos) break;
      value.remove_prefix(cut + 1);
    }
    c.messages.emplace_back(std::string(key), std::move(forms));
  }
  std::stable_sort(c.messages.begin(), c.messages.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  *out = std::move(c);
  return true;
}

const std::vector<std::string>* FindTranslation(const TranslationCatalog& catalog, std::string_view key) {
  auto it = std::lower_bound(catalog.messages.begin(), catalog.messages.end(), key,
                             [](const auto& entry, std::string_view k) { return entry.first < k; });
  if (it == catalog.messages.end() || it->first != key) return nullptr;
  return &it->second;
}

unsigned PluralForm(const TranslationCatalog& catalog, unsigned long n) {
  if (catalog.plural.size() != kPluralTable) return n == 1 ? 0 : 1;
  return catalog.plural[n < kPluralTable ? n : 100 + n % 100];
}

void UseCatalog(const TranslationCatalog* catalog) { g_catalog = catalog; }
const TranslationCatalog* CatalogInUse() { return g_catalog; }
std::string LanguageInUse() { return g_catalog ? g_catalog->code : std::string("en"); }

namespace {

// A one-form translation of a key, or the English text.
const char* Lookup(const std::string& key, const char* english) {
  if (!g_catalog || !english) return english;
  const std::vector<std::string>* found = FindTranslation(*g_catalog, key);
  return found && found->size() == 1 ? (*found)[0].c_str() : english;
}

}  // namespace

const char* Tr(const char* english) { return g_catalog && english ? Lookup(english, english) : english; }

const char* TrC(const char* context, const char* english) {
  if (!g_catalog || !english) return english;
  std::string key = context;
  key += '\x04';
  key += english;
  return Lookup(key, english);
}

const char* TrN(const char* one, const char* many, unsigned long n) {
  const char* english = n == 1 ? one : many;
  if (!g_catalog) return english;
  const std::vector<std::string>* found = FindTranslation(*g_catalog, one);
  if (!found) return english;
  const unsigned form = PluralForm(*g_catalog, n);
  return form < found->size() ? (*found)[form].c_str() : english;
}

std::string FillText(std::string_view text,
                     std::initializer_list<std::pair<std::string_view, std::string_view>> values) {
  std::string out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    if (text[i] == '{') {
      const std::size_t close = text.find('}', i);
      if (close != std::string_view::npos) {
        const std::string_view name = text.substr(i + 1, close - i - 1);
        auto it = std::find_if(values.begin(), values.end(), [name](const auto& v) { return v.first == name; });
        if (it != values.end()) {
          out += it->second;
          i = close + 1;
          continue;
        }
      }
    }
    out += text[i++];
  }
  return out;
}

namespace {

std::string NormalCode(std::string_view code) {
  std::string out;
  for (char c : code) out += c == '-' ? '_' : (c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c);
  return out;
}

std::string PrimaryCode(std::string_view code) {
  std::string normal = NormalCode(code);
  return normal.substr(0, normal.find('_'));
}

}  // namespace

int MatchLanguage(std::string_view wanted, const std::vector<std::string>& codes) {
  const std::string want = NormalCode(wanted);
  if (want.empty()) return -1;
  for (std::size_t i = 0; i < codes.size(); ++i) {
    if (NormalCode(codes[i]) == want) return static_cast<int>(i);
  }
  const std::string primary = PrimaryCode(wanted);
  for (std::size_t i = 0; i < codes.size(); ++i) {
    if (PrimaryCode(codes[i]) == primary) return static_cast<int>(i);
  }
  return -1;
}
