#include "app/locate_paths.h"

#include <windows.h>
#include <shlobj.h>

#include <vector>

#include "settings/wide_text.h"
#include "settings/config_file_ops.h"

namespace {

// The executable's full path as UTF-8, however long or in whatever script.
std::string ExecutablePath() {
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return std::string();
    if (length < buffer.size()) return Utf8(buffer.data(), length);
    if (buffer.size() >= 32768) return Utf8(buffer.data(), buffer.size());
    buffer.resize(buffer.size() * 2);
  }
}

// The user's own folder for the settings (...\AppData\Local\Somnivex\),
// created when missing; empty when the system names none.
std::string PerUserFolder() {
  wchar_t base[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT, base))) {
    return std::string();
  }
  const std::wstring folder = std::wstring(base) + L"\\Somnivex";
  CreateDirectoryW(folder.c_str(), nullptr);  // an existing folder is fine
  return Utf8(folder) + "\\";
}

}  // namespace

void LocateAppPaths(AppPaths& paths) {
  DeriveAppPaths(paths, ExecutablePath());
  const std::string besideFile = paths.settingsFile;
  const bool programWritable = FolderTakesNewFiles(FolderOf(besideFile));
  if (programWritable) return;  // the portable case: nothing else is looked at
  const std::string perUser = PerUserFolder();
  const bool perUserWritable = !perUser.empty() && FolderTakesNewFiles(perUser);
  const bool besideExists = GetFileAttributesW(Widen(besideFile).c_str()) != INVALID_FILE_ATTRIBUTES;
  const SettingsPlace place = ChooseSettingsPlace(paths, programWritable, perUser, perUserWritable, besideExists);
  // An existing per-user file is the user's own: the copy never replaces it.
  if (!place.seedFrom.empty()) CopyFileW(Widen(place.seedFrom).c_str(), Widen(place.file).c_str(), TRUE);
  paths.settingsFile = place.file;
}
