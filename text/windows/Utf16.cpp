#include "text/windows/Utf16.h"

#include <windows.h>

#include <climits>

std::optional<std::wstring> NaUtf16(std::string_view Utf8) {
  if (Utf8.empty()) return std::wstring();
  if (Utf8.size() > INT_MAX) return std::nullopt;
  const int dlugosc = static_cast<int>(Utf8.size());
  const int ile =
      MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, Utf8.data(), dlugosc, nullptr, 0);
  if (ile <= 0) return std::nullopt;
  std::wstring wynik(static_cast<std::size_t>(ile), L'\0');
  MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, Utf8.data(), dlugosc, wynik.data(), ile);
  return wynik;
}

std::string ZUtf16(std::wstring_view Utf16) {
  if (Utf16.empty() || Utf16.size() > INT_MAX / 3) return {};
  const int dlugosc = static_cast<int>(Utf16.size());
  const int ile =
      WideCharToMultiByte(CP_UTF8, 0, Utf16.data(), dlugosc, nullptr, 0, nullptr, nullptr);
  if (ile <= 0) return {};
  std::string wynik(static_cast<std::size_t>(ile), '\0');
  WideCharToMultiByte(CP_UTF8, 0, Utf16.data(), dlugosc, wynik.data(), ile, nullptr, nullptr);
  return wynik;
}
