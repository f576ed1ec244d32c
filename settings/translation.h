// The words the user reads, in the language in use. Every text is written
// in the code in English and looked up here by that text: Tr("Set"),
// TrC("context", "Test") where one English text needs two translations,
// TrN("{count} night", "{count} nights", n) where the words follow a
// number. N_("...") and NC_("context", "...") only mark a text in a table
// for tools/extract-messages; the table's user looks it up with Tr or TrC.
// A "// Translators:" comment above a text says where it appears and how
// much room it has; the extractor hands it to the translators.
//
// Catalogues come from the language files the build compiles
// (tools/compile-po); no windows.h here, the Win32 half finds them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#define N_(text) text
#define NC_(context, text) text

// One language's translations, read from its compiled file.
struct TranslationCatalog {
  std::string code;                   // "de", "pt_BR", "qps" for the tests' pseudo-language
  std::vector<std::uint8_t> plural;   // the plural form for n = 0 .. 199
  // Key (context, byte 4, English text; or the English text alone) and its
  // translation: one text, or one per plural form. Sorted by key.
  std::vector<std::pair<std::string, std::vector<std::string>>> messages;
};

// Reads a compiled catalogue. False, with *out empty, for anything that is
// not one (bad magic, a text running past the end, an odd number of texts).
bool ParseCatalog(const std::uint8_t* data, std::size_t size, TranslationCatalog* out);

// The translation of a key, or null when the catalogue has none.
const std::vector<std::string>* FindTranslation(const TranslationCatalog& catalog, std::string_view key);

// Which plural form a catalogue uses for n.
unsigned PluralForm(const TranslationCatalog& catalog, unsigned long n);

// The catalogue in use; null for English. It must live until replaced.
void UseCatalog(const TranslationCatalog* catalog);
const TranslationCatalog* CatalogInUse();
// The code of the language in use: "en" for English.
std::string LanguageInUse();

// UTF-8 texts in the language in use; the English text where there is no
// translation. The pointers live as long as the catalogue (or the literal).
const char* Tr(const char* english);
const char* TrC(const char* context, const char* english);
const char* TrN(const char* one, const char* many, unsigned long n);

// A text with its {name} placeholders filled in; a placeholder without a
// value stays as it is.
std::string FillText(std::string_view text, std::initializer_list<std::pair<std::string_view, std::string_view>> values);

// The best of `codes` for a wanted language ("pt-BR", "de_AT", "ja"): the
// same code (case, '-' and '_' aside), else the first with the same
// language before its region. -1 when none has it.
int MatchLanguage(std::string_view wanted, const std::vector<std::string>& codes);
