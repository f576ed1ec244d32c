#include "skin/system_look.h"

#include <cwchar>

namespace {

struct Look {
  bool known = false;
  bool highContrast = false;
  bool animations = true;
};

Look g_look;

bool RunsOnWine() {
  HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  return ntdll && GetProcAddress(ntdll, "wine_get_version");
}

// The high-contrast flags Windows keeps for the user (a decimal number).
// Wine's SystemParametersInfo answers "off" whatever is set; there the
// setting is read from where Windows stores it, so that a user of Wine can
// still ask for it.
bool StoredHighContrast() {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Accessibility\\HighContrast", 0, KEY_QUERY_VALUE, &key) !=
      ERROR_SUCCESS) {
    return false;
  }
  wchar_t flags[16] = {};
  DWORD size = sizeof flags - sizeof flags[0];
  DWORD type = 0;
  const LONG read = RegQueryValueExW(key, L"Flags", nullptr, &type, reinterpret_cast<BYTE*>(flags), &size);
  RegCloseKey(key);
  if (read != ERROR_SUCCESS || type != REG_SZ) return false;
  return (wcstoul(flags, nullptr, 10) & HCF_HIGHCONTRASTON) != 0;
}

// A setting the system cannot tell (older Windows, a failing call) keeps
// the programs' own look: no high contrast, animations on.
Look ReadLook() {
  Look look;
  look.known = true;
  HIGHCONTRASTW contrast = {};
  contrast.cbSize = sizeof contrast;
  if (SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0)) {
    look.highContrast = (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
  }
  if (!look.highContrast && RunsOnWine()) look.highContrast = StoredHighContrast();
  BOOL animations = TRUE;
  if (SystemParametersInfoW(SPI_GETCLIENTAREAANIMATION, 0, &animations, 0)) look.animations = animations != FALSE;
  return look;
}

const Look& CurrentLook() {
  if (!g_look.known) g_look = ReadLook();
  return g_look;
}

}  // namespace

bool HighContrastOn() { return CurrentLook().highContrast; }

bool AnimationsOn() { return CurrentLook().animations; }

bool SystemLookChanged(UINT message, WPARAM wParam) {
  if (message == WM_SYSCOLORCHANGE) {
    g_look = ReadLook();
    return g_look.highContrast;
  }
  if (message != WM_SETTINGCHANGE) return false;
  if (wParam != SPI_SETHIGHCONTRAST && wParam != SPI_SETCLIENTAREAANIMATION) return false;
  g_look = ReadLook();
  return wParam == SPI_SETHIGHCONTRAST;
}
