#include "app/option_menus.h"

#include <string>

#include "settings/wide_text.h"
#include "reminders/reminder_gate.h"
#include "resources/resource_ids.h"
#include "settings/language.h"
#include "settings/language_menu.h"
#include "settings/translation.h"

namespace {

HMENU g_pauseMenu = nullptr;
HMENU g_optionsMenu = nullptr;
HMENU g_languageMenu = nullptr;

struct PauseItem {
  UINT id;
  const char* text;  // English, shown with Tr
  PauseChoice choice;
};

const PauseItem kPauseItems[] = {
    // Translators: an item of the tray menu's "Pause Reminders" submenu;
    // about 30 characters at most.
    {IDM_PAUSE_30, N_("For 30 Minutes"), PauseChoice::Minutes30},
    // Translators: an item of the tray menu's "Pause Reminders" submenu.
    {IDM_PAUSE_60, N_("For 1 Hour"), PauseChoice::Hour1},
    // Translators: an item of the tray menu's "Pause Reminders" submenu.
    {IDM_PAUSE_180, N_("For 3 Hours"), PauseChoice::Hours3},
    // Translators: an item of the tray menu's "Pause Reminders" submenu: a
    // pause until 07:00 of the coming morning.
    {IDM_PAUSE_TOMORROW, N_("Until Tomorrow"), PauseChoice::Tomorrow},
};

// One item of "Options": its text, whether it shows a check mark, and what
// choosing it writes into the store.
struct OptionItem {
  UINT id;
  std::string (*text)(const OptionalSettings&);
  bool (*checked)(const OptionalSettings&);
  void (*choose)(ConfigStore&, const OptionalSettings&);
};

const OptionItem kOptionItems[] = {
    // Translators: an item of the tray menu's Options submenu: reminders
    // wait while another program fills the screen or a presentation runs.
    // About 40 characters at most.
    {IDM_WAIT_FULLSCREEN, [](const OptionalSettings&) { return std::string(Tr("Wait While Full-Screen Or Presenting")); },
     [](const OptionalSettings& s) { return s.waitWhileFullScreen; },
     [](ConfigStore& store, const OptionalSettings& s) {
       store.SetString(kKeyFullScreen, s.waitWhileFullScreen ? kFullScreenShow : kFullScreenWait);
     }},
    {IDM_QUIET_HOURS, QuietHoursItemText, [](const OptionalSettings& s) { return s.hasQuiet; },
     [](ConfigStore& store, const OptionalSettings& s) {
       if (s.hasQuiet) {
         store.Remove(kKeyQuiet);
       } else {
         store.SetString(kKeyQuiet, FormatQuietHours(kMenuQuietHours));
       }
     }},
    // Translators: an item of the tray menu's Options submenu: the gaps
    // between reminders vary at random around the interval.
    {IDM_RANDOM_TIMES, [](const OptionalSettings&) { return std::string(Tr("Random Times")); },
     [](const OptionalSettings& s) { return s.randomTiming; },
     [](ConfigStore& store, const OptionalSettings& s) {
       store.SetString(kKeyTiming, s.randomTiming ? kTimingFixed : kTimingRandom);
     }},
    // Translators: an item of the tray menu's Options submenu: the reality
    // check shows one of several kinds (hand, nose, palm, clock, text).
    {IDM_VARY_CHECKS, [](const OptionalSettings&) { return std::string(Tr("Vary The Reality Check")); },
     [](const OptionalSettings& s) { return s.varyChecks; },
     [](ConfigStore& store, const OptionalSettings& s) {
       store.SetString(kKeyChecks, s.varyChecks ? kChecksHand : kChecksVary);
     }},
    // Translators: an item of the tray menu's Options submenu: a small
    // window asks each morning how the night went.
    {IDM_MORNING_QUESTION, [](const OptionalSettings&) { return std::string(Tr("Morning Question")); },
     [](const OptionalSettings& s) { return s.morningQuestion; },
     [](ConfigStore& store, const OptionalSettings& s) {
       store.SetString(kKeyMorning, s.morningQuestion ? kMorningOff : kMorningOn);
     }},
};

void Append(HMENU menu, UINT flags, UINT_PTR id, const char* text) {
  AppendMenuW(menu, flags, id, Widen(text).c_str());
}

// The codes of the Language submenu's languages, in its order after
// "Windows Default"; as many as it has room for.
std::vector<std::string> MenuLanguageCodes() {
  std::vector<std::string> codes;
  for (const LanguageChoice& c : ProgramLanguages()) {
    if (codes.size() > IDM_LANGUAGE_LAST - IDM_LANGUAGE_FIRST) break;
    codes.push_back(c.code);
  }
  return codes;
}

void AppendLanguageMenu(HMENU optionsMenu) {
  g_languageMenu = CreatePopupMenu();
  // Translators: the first item of the Language submenu: the words follow
  // Windows' display language (English where the program lacks it).
  Append(g_languageMenu, MF_STRING, IDM_LANGUAGE_DEFAULT, Tr("Windows Default"));
  AppendMenuW(g_languageMenu, MF_SEPARATOR, 0, nullptr);
  // Each language in its own words, the same in every language.
  const std::vector<LanguageChoice>& languages = ProgramLanguages();
  const std::size_t count = MenuLanguageCodes().size();
  for (std::size_t i = 0; i < count; ++i) {
    Append(g_languageMenu, MF_STRING, IDM_LANGUAGE_FIRST + i, languages[i].name.c_str());
  }
  // Translators: the submenu of the tray menu's Options that chooses the
  // language of the program's words; about 25 characters at most.
  Append(optionsMenu, MF_POPUP, reinterpret_cast<UINT_PTR>(g_languageMenu), Tr("Language"));
}

// The radio mark on the language of the setting; none for a language the
// menu does not offer.
void MarkLanguage(const std::string& setting) {
  const std::vector<std::string> codes = MenuLanguageCodes();
  const int item = CheckedLanguageItem(setting, codes);
  const UINT last = IDM_LANGUAGE_FIRST + static_cast<UINT>(codes.size()) - 1;
  if (item < 0) {
    CheckMenuItem(g_languageMenu, IDM_LANGUAGE_DEFAULT, MF_BYCOMMAND | MF_UNCHECKED);
    for (UINT id = IDM_LANGUAGE_FIRST; id <= last; ++id) CheckMenuItem(g_languageMenu, id, MF_BYCOMMAND | MF_UNCHECKED);
    return;
  }
  const UINT id = item == 0 ? IDM_LANGUAGE_DEFAULT : IDM_LANGUAGE_FIRST + static_cast<UINT>(item) - 1;
  CheckMenuRadioItem(g_languageMenu, IDM_LANGUAGE_DEFAULT, last, id, MF_BYCOMMAND);
}

}  // namespace

void AppendOptionMenus(HMENU trayMenu) {
  g_pauseMenu = CreatePopupMenu();
  for (const PauseItem& item : kPauseItems) Append(g_pauseMenu, MF_STRING, item.id, Tr(item.text));
  AppendMenuW(g_pauseMenu, MF_SEPARATOR, 0, nullptr);
  // Translators: the last item of the "Pause Reminders" submenu: ends a
  // pause at once.
  Append(g_pauseMenu, MF_STRING | MF_GRAYED, IDM_RESUME, Tr("Resume Reminders"));
  // Translators: an item of the tray menu that opens a submenu of pauses;
  // about 25 characters at most.
  Append(trayMenu, MF_POPUP, reinterpret_cast<UINT_PTR>(g_pauseMenu), Tr("Pause Reminders"));

  g_optionsMenu = CreatePopupMenu();
  const OptionalSettings none;
  for (const OptionItem& item : kOptionItems) Append(g_optionsMenu, MF_STRING, item.id, item.text(none).c_str());
  AppendLanguageMenu(g_optionsMenu);
  // Translators: an item of the tray menu that opens the submenu of
  // settings; about 25 characters at most.
  Append(trayMenu, MF_POPUP, reinterpret_cast<UINT_PTR>(g_optionsMenu), Tr("Options"));
}

void UpdateOptionMenus(const OptionalSettings& settings, LocalMinute now) {
  if (!g_pauseMenu || !g_optionsMenu) return;
  EnableMenuItem(g_pauseMenu, IDM_RESUME, MF_BYCOMMAND | (IsPaused(settings, now) ? MF_ENABLED : MF_GRAYED));
  for (const OptionItem& item : kOptionItems) {
    const std::wstring text = Widen(item.text(settings));
    ModifyMenuW(g_optionsMenu, item.id, MF_BYCOMMAND | MF_STRING | (item.checked(settings) ? MF_CHECKED : MF_UNCHECKED),
                item.id, text.c_str());
  }
  MarkLanguage(settings.language);
}

bool ApplyOptionCommand(UINT id, ConfigStore& store, const OptionalSettings& settings, LocalMinute now) {
  for (const PauseItem& item : kPauseItems) {
    if (item.id == id) {
      store.SetString(kKeyPause, FormatDateTime(PauseEnd(item.choice, now)));
      return true;
    }
  }
  if (id == IDM_RESUME) {
    store.Remove(kKeyPause);
    return true;
  }
  for (const OptionItem& item : kOptionItems) {
    if (item.id == id) {
      item.choose(store, settings);
      return true;
    }
  }
  // "Windows Default" leaves no trace in the file; a language is stored by
  // its code.
  if (id == IDM_LANGUAGE_DEFAULT) {
    store.Remove(kKeyLanguage);
    return true;
  }
  const std::vector<std::string> codes = MenuLanguageCodes();
  if (id >= IDM_LANGUAGE_FIRST && id < IDM_LANGUAGE_FIRST + codes.size()) {
    store.SetString(kKeyLanguage, codes[id - IDM_LANGUAGE_FIRST]);
    return true;
  }
  return false;
}

unsigned OptionMenuMarks() {
  if (!g_pauseMenu || !g_optionsMenu) return 0;
  unsigned marks = 0;
  if (GetMenuState(g_optionsMenu, IDM_WAIT_FULLSCREEN, MF_BYCOMMAND) & MF_CHECKED) marks |= 1;
  if (GetMenuState(g_optionsMenu, IDM_QUIET_HOURS, MF_BYCOMMAND) & MF_CHECKED) marks |= 2;
  if (GetMenuState(g_optionsMenu, IDM_RANDOM_TIMES, MF_BYCOMMAND) & MF_CHECKED) marks |= 8;
  if (GetMenuState(g_optionsMenu, IDM_VARY_CHECKS, MF_BYCOMMAND) & MF_CHECKED) marks |= 16;
  if (GetMenuState(g_optionsMenu, IDM_MORNING_QUESTION, MF_BYCOMMAND) & MF_CHECKED) marks |= 32;
  if (!(GetMenuState(g_pauseMenu, IDM_RESUME, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED))) marks |= 4;
  if (g_languageMenu) {
    if (GetMenuState(g_languageMenu, IDM_LANGUAGE_DEFAULT, MF_BYCOMMAND) & MF_CHECKED) marks |= 1u << 8;
    for (UINT id = IDM_LANGUAGE_FIRST; id <= IDM_LANGUAGE_LAST; ++id) {
      const UINT state = GetMenuState(g_languageMenu, id, MF_BYCOMMAND);
      if (state != static_cast<UINT>(-1) && (state & MF_CHECKED)) marks |= (id - IDM_LANGUAGE_FIRST + 2) << 8;
    }
  }
  return marks;
}
