// The languages a program carries (compiled catalogues among its
// resources) and the choice of one: the setting "language", else Windows'
// display language where the program has it, else English.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct LanguageChoice {
  std::string code;  // "en", "de", "pt_BR"
  std::string name;  // in its own words: "English", "Deutsch"
};

// English first, then the program's catalogues in their resource order.
// Read from the resources once.
const std::vector<LanguageChoice>& ProgramLanguages();

// Windows' display language as a code ("de_DE", "ja_JP"), empty when
// Windows does not say.
std::string WindowsLanguage();

// The code a "language" setting stands for: one of ProgramLanguages' codes
// (any case, '-' or '_'), "qps" for the tests' pseudo-language, else
// (empty, unknown) Windows' language where the program has it, else "en".
std::string ResolveLanguage(const std::string& setting);

// Puts the language of a setting in use for Tr and its kin.
void ApplyLanguageSetting(const std::string& setting);

// Sent (not posted) to every top-level window of the program's thread when
// the language changes: a window that shows words redraws them, relays
// itself out and answers TRUE. Menus, the tray tip and hollow are renewed
// by the code that changes the language.
inline constexpr UINT kLanguageChangedMessage = WM_APP + 0x71;

// hollow's command line names the language after "-run": "-run language=de".
inline constexpr char kHollowLanguageArgument[] = "language=";
