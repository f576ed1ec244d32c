// The language of the words: taken from config.txt at the start, changed
// from the tray's Language menu without a restart.
#pragma once

#include <windows.h>

#include <string>

// Puts the language of config.txt's "language" setting in use before any
// window shows a word. Reads the file on its own: the settings proper are
// loaded (and a missing file made) later, by the main window.
void ApplyStartLanguage();

// The "language" setting is now `setting`: true when that changes the
// language in use, which it then puts in use.
bool TakeLanguageSetting(const std::string& setting);

// Shows a language just put in use wherever the windows' own drawing does
// not: every tooltip, every top-level window of the thread (told with
// kLanguageChangedMessage, sent), and hollow, started again with it when it
// runs. The tray menu and tip are the caller's.
void AnnounceLanguage();
