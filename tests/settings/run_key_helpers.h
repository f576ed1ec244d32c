// Reading and preparing the current user's Run key from Win32 tests.
#pragma once

#include <windows.h>

#include <string>

namespace runkey {

inline constexpr const char kPath[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// Makes sure the key exists, as it does on every Windows installation.
inline void Ensure() {
  HKEY key = nullptr;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, kPath, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) ==
      ERROR_SUCCESS) {
    RegCloseKey(key);
  }
}

inline bool KeyExists() {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, kPath, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

// The value's data when it exists as REG_SZ; false otherwise.
inline bool Read(const char* name, std::string* data) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, kPath, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  char buffer[2048] = {};
  DWORD size = sizeof buffer - 1, type = 0;
  const LONG result = RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
  RegCloseKey(key);
  if (result != ERROR_SUCCESS || type != REG_SZ) return false;
  if (data) *data = buffer;
  return true;
}

inline void Write(const char* name, const std::string& data) {
  Ensure();
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, kPath, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) return;
  RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                 static_cast<DWORD>(data.size() + 1));
  RegCloseKey(key);
}

inline void Delete(const char* name) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, kPath, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) return;
  RegDeleteValueA(key, name);
  RegCloseKey(key);
}

}  // namespace runkey
