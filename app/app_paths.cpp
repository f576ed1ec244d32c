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

SettingsPlace ChooseSettingsPlace(const AppPaths& paths, bool programFolderWritable, const std::string& perUserFolder,
                                  bool perUserFolderWritable, bool settingsBesideExist) {
  if (programFolderWritable || perUserFolder.empty() || !perUserFolderWritable) return {paths.settingsFile, ""};
  return {perUserFolder + "config.txt", settingsBesideExist ? paths.settingsFile : ""};
}
