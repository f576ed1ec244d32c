#include "settings/autostart.h"

#include <windows.h>

#include <cstring>

#include "app/app_globals.h"
#include "app/tray_icon.h"
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
  RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(data),
                 static_cast<DWORD>(std::strlen(data) + 1));
  RegCloseKey(key);
}

void DeleteRunValue(const char* name) {
  HKEY key = OpenRunKey();
  if (key == nullptr) return;
  RegDeleteValueA(key, name);
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
