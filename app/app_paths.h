// Absolute locations of the program's companion files, worked out once at
// start-up from the executable's own path. No windows.h.
#pragma once

#include <string>

struct AppPaths {
  std::string executable;                   // full path of the running executable
  std::string settingsFile = "config.txt";
  std::string helpPage = "help.html";
  std::string reminderSound = "ting.wav";
  std::string hollowProgram = "hollow.exe";
};

// Stores the executable path and puts its folder (everything up to and
// including the last backslash) in front of each of the four file names, in
// the order hollow program, help page, settings file, reminder sound.
// A path without any backslash leaves the file names relative (to the
// current folder), which is where such a program would look for them anyway.
void DeriveAppPaths(AppPaths& paths, const std::string& executablePath);

// The help page of a language, beside the English one: "C:\A\help.html"
// and "de" give "C:\A\help.de.html". English ("en"), the tests'
// pseudo-language ("qps") and anything that is not a plain language code
// (letters, digits and '_') keep the English page, as does a page whose
// name does not end in ".html".
std::string HelpPageInLanguage(const std::string& helpPage, const std::string& language);

// Where config.txt lives. Beside the program whenever its folder takes new
// files (the portable case). Otherwise (Program Files, a read-only share) in
// the user's own folder, which starts from a copy of the file beside the
// program when there is one. When neither folder can be written the file
// stays beside the program, where start-up then reports why.
struct SettingsPlace {
  std::string file;
  std::string seedFrom;  // copy this file to `file` unless it exists; empty: nothing to copy
};

// perUserFolder ends in a backslash; empty when it could not be found.
SettingsPlace ChooseSettingsPlace(const AppPaths& paths, bool programFolderWritable, const std::string& perUserFolder,
                                  bool perUserFolderWritable, bool settingsBesideExist);
