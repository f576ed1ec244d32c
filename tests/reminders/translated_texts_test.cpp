// The run-time texts of the reminders and settings in a language other than
// English: the translation's own order of words around the filled-in
// values, and the Language menu's check mark for each "language" setting.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "reminders/reminder_gate.h"
#include "reminders/sign_check.h"
#include "settings/config_store.h"
#include "settings/language_menu.h"
#include "settings/settings_keys.h"
#include "settings/share_links.h"
#include "settings/translation.h"

namespace {

// A catalogue made by hand, as a compiled language file would give it.
TranslationCatalog Catalog(std::vector<std::pair<std::string, std::string>> texts) {
  TranslationCatalog c;
  c.code = "xx";
  c.plural.assign(200, 1);
  c.plural[1] = 0;
  for (auto& t : texts) c.messages.push_back({t.first, {t.second}});
  std::sort(c.messages.begin(), c.messages.end());
  return c;
}

LocalMinute At(const char* text) {
  LocalMinute m = 0;
  EXPECT_TRUE(ParseDateTime(text, &m)) << text;
  return m;
}

class Translated : public ::testing::Test {
 protected:
  void TearDown() override { UseCatalog(nullptr); }
};

TEST_F(Translated, TrayTipAndMenuTextsPlaceTheirValuesWhereTheTranslationSays) {
  const TranslationCatalog c = Catalog({
      {"Somnivex - paused until {time}", "Pause bis {time} - Somnivex"},
      {"Somnivex - paused until {weekday} {time}", "Somnivex: Pause bis {weekday}., {time}"},
      {std::string("weekday\x04") + "Fri", "Fr"},
      {"Quiet Hours {start} - {end}", "Ruhezeit {start}–{end}"},
  });
  UseCatalog(&c);
  OptionalSettings s;
  const LocalMinute now = At("2026-12-31 23:45");
  EXPECT_EQ(TrayTipText(s, now), "Somnivex");  // the name alone is never translated
  s.hasPause = true;
  s.pauseUntil = At("2026-12-31 23:50");
  EXPECT_EQ(TrayTipText(s, now), "Pause bis 23:50 - Somnivex");
  s.pauseUntil = At("2027-01-01 07:00");
  EXPECT_EQ(TrayTipText(s, now), "Somnivex: Pause bis Fr., 07:00");
  // A text the catalogue lacks stays English, with its English weekday.
  s.pauseUntil = At("2027-01-02 07:00");
  EXPECT_EQ(TrayTipText(s, now), "Somnivex: Pause bis Sat., 07:00");
  s.pauseUntil = At("2027-01-09 07:00");
  EXPECT_EQ(TrayTipText(s, now), "Somnivex - paused until 2027-01-09 07:00");
  EXPECT_EQ(QuietHoursItemText(s), "Ruhezeit 23:00–07:00");
}

TEST_F(Translated, SignCaptionAndShareTextKeepTheirValues) {
  const TranslationCatalog c = Catalog({
      {"Dream sign: {sign}", "«{sign}» — знак сна"},
      {"Hey Friends ! Checkout Somnivex that helps you to do reality checks for lucid dreams.Download At {address}",
       "{address} : Somnivex"},
  });
  UseCatalog(&c);
  EXPECT_EQ(SignCheckCaption("летать"), "«летать» — знак сна");
  // A sign that looks like a placeholder is the user's text, kept as it is.
  EXPECT_EQ(SignCheckCaption("{sign}"), "«{sign}» — знак сна");
  const std::string share = ShareText();
  EXPECT_EQ(share.substr(share.size() - 11), " : Somnivex");
  EXPECT_EQ(share.find('{'), std::string::npos);
}

TEST(LanguageMenu, TheCheckedItemForEachSetting) {
  const std::vector<std::string> codes = {"en", "de", "pt_BR", "ja"};
  const struct {
    const char* setting;
    int item;
  } cases[] = {
      {"", 0},       {"en", 1},     {"de", 2},  {"DE", 2},     {"pt_BR", 3}, {"pt-br", 3},
      {"ja", 4},     {"pt", 0},     {"de_AT", 0}, {"it", 0},   {"qps", -1},
  };
  for (const auto& c : cases) EXPECT_EQ(CheckedLanguageItem(c.setting, codes), c.item) << c.setting;
}

TEST(LanguageMenu, TheSettingIsReadThroughTheTableOfOptionalKeys) {
  auto read = [](const std::string& file) {
    ConfigStore store("config.txt", '=');
    ParseConfig(store, file);
    return ReadOptionalSettings(store).language;
  };
  EXPECT_EQ(read("time=30\r\nhollow=off\r\nstartup=0\r\n"), "");
  EXPECT_EQ(read("Language=pt_BR\r\n"), "pt_BR");
  EXPECT_EQ(read("language=qps\r\n"), "qps");
  // A value that is no language code counts as absent: Windows' language.
  EXPECT_EQ(read("language=\r\n"), "");
  EXPECT_EQ(read("language=de rm\r\n"), "");
  EXPECT_EQ(read("language=..\\de\r\n"), "");
}

}  // namespace
