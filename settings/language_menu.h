// The Language submenu of the tray's Options: "Windows Default", then each
// language the program carries in its own name, English first. Which item
// carries the check mark for a "language" setting. No windows.h.
#pragma once

#include <string>
#include <vector>

// The tests' pseudo-language: put in use by its setting, never offered.
inline constexpr char kPseudoLanguage[] = "qps";

// The position in the submenu of the item checked for `setting`, given the
// codes of the languages offered after "Windows Default" ("en", "de",
// "pt_BR"): the language's own item when the setting names one of them as
// the program takes it (case, '-' or '_' aside, never by its language
// alone: "pt" is not "pt_BR"); -1 for the pseudo-language, which has no
// item; else 0, "Windows Default", which is what an absent, empty or
// unknown setting stands for.
int CheckedLanguageItem(const std::string& setting, const std::vector<std::string>& codes);
