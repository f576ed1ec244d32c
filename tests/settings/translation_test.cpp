// The translations' lookup: compiled catalogues read safely, the right
// text, context and plural form found, placeholders filled, and a wanted
// language matched to the ones the program has.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/translation.h"

namespace {

// A compiled catalogue as tools/compile-po writes it.
std::vector<std::uint8_t> Compiled(const std::string& code, const std::string& plural,
                                   const std::vector<std::pair<std::string, std::string>>& pairs) {
  std::string blob = std::string("SMXL1") + '\0' + code + '\0' + plural + '\0';
  for (const auto& [key, value] : pairs) blob += key + '\0' + value + '\0';
  return std::vector<std::uint8_t>(blob.begin(), blob.end());
}

// Russian's three forms for n = 0 .. 199, as compile-po works them out.
std::string RussianForms() {
  std::string forms;
  for (int n = 0; n < 200; ++n) {
    const int form = n % 10 == 1 && n % 100 != 11 ? 0 : n % 10 >= 2 && n % 10 <= 4 && (n % 100 < 10 || n % 100 >= 20) ? 1 : 2;
    forms += static_cast<char>('0' + form);
  }
  return forms;
}

struct CatalogInUse {
  explicit CatalogInUse(const TranslationCatalog* c) { UseCatalog(c); }
  ~CatalogInUse() { UseCatalog(nullptr); }
};

TEST(Catalog, ReadsTextsContextsAndPluralForms) {
  const std::vector<std::uint8_t> data =
      Compiled("ru", RussianForms(),
               {{"Set", "Задать"},
                {std::string("menu") + '\x04' + "Test", "Проверить"},
                {"{count} night", std::string("{count} ночь") + '\x01' + "{count} ночи" + '\x01' + "{count} ночей"}});
  TranslationCatalog catalog;
  ASSERT_TRUE(ParseCatalog(data.data(), data.size(), &catalog));
  EXPECT_EQ(catalog.code, "ru");
  CatalogInUse use(&catalog);
  EXPECT_EQ(LanguageInUse(), "ru");
  EXPECT_STREQ(Tr("Set"), "Задать");
  EXPECT_STREQ(Tr("Not translated"), "Not translated");
  EXPECT_STREQ(TrC("menu", "Test"), "Проверить");
  EXPECT_STREQ(Tr("Test"), "Test");  // the context belongs to the key
  EXPECT_STREQ(TrC("other", "Set"), "Set");
  const char* one = "{count} night";
  const char* many = "{count} nights";
  EXPECT_STREQ(TrN(one, many, 1), "{count} ночь");
  EXPECT_STREQ(TrN(one, many, 3), "{count} ночи");
  EXPECT_STREQ(TrN(one, many, 5), "{count} ночей");
  EXPECT_STREQ(TrN(one, many, 11), "{count} ночей");
  EXPECT_STREQ(TrN(one, many, 21), "{count} ночь");
  EXPECT_STREQ(TrN(one, many, 1001), "{count} ночь");   // past the table: 100 + n % 100
  EXPECT_STREQ(TrN(one, many, 1012), "{count} ночей");
  EXPECT_STREQ(TrN(one, many, 4000000022UL), "{count} ночи");
  // A plural entry asked for as one text gives the English, never a form
  // that has the others glued on.
  EXPECT_STREQ(Tr(one), one);
}

TEST(Catalog, EnglishWithoutOne) {
  UseCatalog(nullptr);
  EXPECT_EQ(LanguageInUse(), "en");
  EXPECT_STREQ(Tr("Set"), "Set");
  EXPECT_STREQ(TrN("{count} night", "{count} nights", 1), "{count} night");
  EXPECT_STREQ(TrN("{count} night", "{count} nights", 0), "{count} nights");
}

TEST(Catalog, RefusesWhatIsNotOne) {
  const std::string forms(200, '0');
  const std::vector<std::uint8_t> good = Compiled("de", forms, {{"a", "b"}});
  TranslationCatalog c;
  // Every cut short of the whole fails cleanly, but the one right after
  // the header, which leaves a catalogue without messages.
  const std::size_t header = 6 + 3 + 201;
  for (std::size_t size = 0; size < good.size(); ++size) {
    const bool ok = ParseCatalog(good.data(), size, &c);
    EXPECT_EQ(ok, size == header) << "cut at " << size;
    EXPECT_TRUE(c.messages.empty());
  }
  EXPECT_TRUE(ParseCatalog(good.data(), good.size(), &c));
  EXPECT_FALSE(ParseCatalog(nullptr, 10, &c));
  std::vector<std::uint8_t> bad = good;
  bad[0] = 'X';
  EXPECT_FALSE(ParseCatalog(bad.data(), bad.size(), &c));
  const std::vector<std::uint8_t> shortTable = Compiled("de", std::string(199, '0'), {});
  EXPECT_FALSE(ParseCatalog(shortTable.data(), shortTable.size(), &c));
  const std::vector<std::uint8_t> letterInTable = Compiled("de", std::string(199, '0') + "x", {});
  EXPECT_FALSE(ParseCatalog(letterInTable.data(), letterInTable.size(), &c));
  const std::vector<std::uint8_t> noCode = Compiled("", forms, {});
  EXPECT_FALSE(ParseCatalog(noCode.data(), noCode.size(), &c));
  // A key without its translation.
  std::vector<std::uint8_t> odd = Compiled("de", forms, {});
  const std::string key = std::string("lonely") + '\0';
  odd.insert(odd.end(), key.begin(), key.end());
  EXPECT_FALSE(ParseCatalog(odd.data(), odd.size(), &c));
}

TEST(FillText, FillsNamedPlaceholdersOnly) {
  EXPECT_EQ(FillText("{count} nights in a row", {{"count", "3"}}), "3 nights in a row");
  EXPECT_EQ(FillText("{a}{b}{a}", {{"a", "x"}, {"b", "{a}"}}), "x{a}x");  // values are not filled again
  EXPECT_EQ(FillText("keep {unknown} and { and }", {{"count", "3"}}), "keep {unknown} and { and }");
  EXPECT_EQ(FillText("open {", {{"", "never"}}), "open {");
  EXPECT_EQ(FillText("", {}), "");
}

TEST(MatchLanguage, SameCodeThenSameLanguage) {
  const std::vector<std::string> codes = {"en", "de", "fr", "es", "pt_BR", "ru", "ja"};
  EXPECT_EQ(MatchLanguage("pt-BR", codes), 4);
  EXPECT_EQ(MatchLanguage("PT_br", codes), 4);
  EXPECT_EQ(MatchLanguage("pt_PT", codes), 4);   // Portuguese of Portugal: the Brazilian one is closer than English
  EXPECT_EQ(MatchLanguage("de_AT", codes), 1);
  EXPECT_EQ(MatchLanguage("ja_JP", codes), 6);
  EXPECT_EQ(MatchLanguage("zh_CN", codes), -1);
  EXPECT_EQ(MatchLanguage("", codes), -1);
  EXPECT_EQ(MatchLanguage("d", codes), -1);       // not a prefix match
  EXPECT_EQ(MatchLanguage("de", {"de_CH", "de"}), 1);  // the exact one before the first of its language
}

}  // namespace
