#include "settings/autostart.h"

#include <windows.h>

#include "app/app_globals.h"
#include "app/tray_icon.h"
#include "settings/wide_text.h"
#include "settings/run_command.h"

int g_startupFlag = 0;

namespace {

constexpr const char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// The Run key is opened, never created: without it there is nothing to
// register with, and every registry failure is ignored.
HKEY OpenRunKey() {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, kRunKey, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) return nullptr;
  return key;
}

}  // namespace

void WriteRunValue(const char* name, const char* data) {
  HKEY key = OpenRunKey();
  if (key == nullptr) return;
  // The data holds the program's path (UTF-8), which may be in any script.
  const std::wstring wideData = Widen(data);
  RegSetValueExW(key, Widen(name).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(wideData.c_str()),
                 static_cast<DWORD>((wideData.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(key);
}

void DeleteRunValue(const char* name) {
  HKEY key = OpenRunKey();
  if (key == nullptr) return;
  RegDeleteValueW(key, Widen(name).c_str());
  RegCloseKey(key);
}

// The direction follows the flag alone; the registry is never read, so a
// value deleted from outside is simply "deleted again".
void ToggleAutostart() {
  if (g_startupFlag != 0) {
    DeleteRunValue(kRunValueName);
    SetStartupMenuCheck(false);
    g_startupFlag = 0;
  } else {
    WriteRunValue(kRunValueName, BuildRunCommand(g_paths.executable).c_str());
    SetStartupMenuCheck(true);
    g_startupFlag = 1;
  }
}
