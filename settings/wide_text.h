// File paths and the words the user reads travel through the program as
// UTF-8 and meet the system as UTF-16, so that a folder named in any script
// (C:\Users\Алексей\...) and a text in any language work whatever the
// system's code page. Texts that are interfaces (window titles, class
// names, settings keys) stay plain 8-bit.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

inline std::wstring Widen(std::string_view utf8) {
  if (utf8.empty()) return std::wstring();
  const int size = static_cast<int>(utf8.size());
  const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
  if (length <= 0) return std::wstring();
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, &wide[0], length);
  return wide;
}

// A C string; null reads as empty.
inline std::wstring Widen(const char* utf8) { return utf8 ? Widen(std::string_view(utf8)) : std::wstring(); }

inline std::string Utf8(const wchar_t* wide, std::size_t count) {
  if (count == 0) return std::string();
  const int size = static_cast<int>(count);
  const int length = WideCharToMultiByte(CP_UTF8, 0, wide, size, nullptr, 0, nullptr, nullptr);
  if (length <= 0) return std::string();
  std::string text(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide, size, &text[0], length, nullptr, nullptr);
  return text;
}

inline std::string Utf8(const std::wstring& wide) { return Utf8(wide.data(), wide.size()); }
