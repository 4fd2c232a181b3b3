#include "update/CzasZapisuPliku.h"

#include <windows.h>

#include "text/windows/Utf16.h"

namespace {

// Local time by the time-zone rule of the moment itself, not of today: a marker dated at
// midnight in winter still reads as midnight in summer, so its age does not move by a day.
std::optional<TCzasLokalny> NaLokalny(const FILETIME& czas) {
  SYSTEMTIME utc{};
  SYSTEMTIME lokalny{};
  if (!FileTimeToSystemTime(&czas, &utc) ||
      !SystemTimeToTzSpecificLocalTime(nullptr, &utc, &lokalny)) {
    return std::nullopt;
  }
  return TCzasLokalny{.Rok = lokalny.wYear,
                      .Miesiac = lokalny.wMonth,
                      .Dzien = lokalny.wDay,
                      .Godzina = lokalny.wHour,
                      .Minuta = lokalny.wMinute,
                      .Sekunda = lokalny.wSecond};
}

std::optional<FILETIME> ZLokalnego(const TCzasLokalny& czas) {
  const SYSTEMTIME lokalny{.wYear = static_cast<WORD>(czas.Rok),
                           .wMonth = static_cast<WORD>(czas.Miesiac),
                           .wDayOfWeek = 0,
                           .wDay = static_cast<WORD>(czas.Dzien),
                           .wHour = static_cast<WORD>(czas.Godzina),
                           .wMinute = static_cast<WORD>(czas.Minuta),
                           .wSecond = static_cast<WORD>(czas.Sekunda),
                           .wMilliseconds = 0};
  SYSTEMTIME utc{};
  FILETIME wynik{};
  if (!TzSpecificLocalTimeToSystemTime(nullptr, &lokalny, &utc) ||
      !SystemTimeToFileTime(&utc, &wynik)) {
    return std::nullopt;
  }
  return wynik;
}

}  // namespace

std::optional<TCzasLokalny> CzasZapisuPliku(const std::string& Sciezka) {
  const std::optional<std::wstring> sciezka = NaUtf16(Sciezka);
  WIN32_FILE_ATTRIBUTE_DATA dane{};
  if (!sciezka || !GetFileAttributesExW(sciezka->c_str(), GetFileExInfoStandard, &dane) ||
      (dane.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
    return std::nullopt;
  }
  return NaLokalny(dane.ftLastWriteTime);
}

bool UstawCzasZapisuPliku(const std::string& Sciezka, const TCzasLokalny& Czas) {
  const std::optional<std::wstring> sciezka = NaUtf16(Sciezka);
  const std::optional<FILETIME> czas = ZLokalnego(Czas);
  if (!sciezka || !czas) return false;
  // Opening for writing, never creating, is what leaves a read-only or vanished marker alone; no
  // sharing, so nobody writes the file while its date changes.
  const HANDLE plik = CreateFileW(sciezka->c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  if (plik == INVALID_HANDLE_VALUE) return false;
  // Windows refuses to open a read-only file for writing; Wine run by root, which maps the
  // attribute to permission bits, does not, so the attribute is asked once more.
  BY_HANDLE_FILE_INFORMATION dane{};
  const bool doZapisu = GetFileType(plik) == FILE_TYPE_DISK &&
                        GetFileInformationByHandle(plik, &dane) &&
                        !(dane.dwFileAttributes & FILE_ATTRIBUTE_READONLY);
  // Creation and last-access times stay as they were.
  const bool ustawiony = doZapisu && SetFileTime(plik, nullptr, nullptr, &*czas) != FALSE;
  CloseHandle(plik);
  return ustawiony;
}
