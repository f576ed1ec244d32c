#include "app/app_paths.h"

void DeriveAppPaths(AppPaths& paths, const std::string& executablePath) {
  paths.executable = executablePath;
  const std::string::size_type slash = executablePath.rfind('\\');
  const std::string folder = slash == std::string::npos ? std::string() : executablePath.substr(0, slash + 1);
  paths.hollowProgram = folder + paths.hollowProgram;
  paths.helpPage = folder + paths.helpPage;
  paths.settingsFile = folder + paths.settingsFile;
  paths.reminderSound = folder + paths.reminderSound;
}

std::string HelpPageInLanguage(const std::string& helpPage, const std::string& language) {
  static const std::string kExtension = ".html";
  if (language.empty() || language == "en" || language == "qps") return helpPage;
  for (char c : language) {
    const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
    if (!plain) return helpPage;
  }
  if (helpPage.size() < kExtension.size() ||
      helpPage.compare(helpPage.size() - kExtension.size(), kExtension.size(), kExtension) != 0) {
    return helpPage;
  }
  return helpPage.substr(0, helpPage.size() - kExtension.size()) + "." + language + kExtension;
}

SettingsPlace ChooseSettingsPlace(const AppPaths& paths, bool programFolderWritable, const std::string& perUserFolder,
                                  bool perUserFolderWritable, bool settingsBesideExist) {
  if (programFolderWritable || perUserFolder.empty() || !perUserFolderWritable) return {paths.settingsFile, ""};
  return {perUserFolder + "config.txt", settingsBesideExist ? paths.settingsFile : ""};
}
