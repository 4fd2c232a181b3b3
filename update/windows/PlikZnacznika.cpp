#include "update/PlikZnacznika.h"

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

HANDLE Uchwyt(std::intptr_t uchwyt) {
  return reinterpret_cast<HANDLE>(uchwyt);
}

constexpr DWORD NieZnacznik =
    FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DEVICE;

// Attribute access is all the check needs: reading the time and, where allowed, setting it. The
// file's content is never opened, so nobody is kept from writing it meanwhile.
HANDLE OtworzAtrybuty(const std::wstring& sciezka, DWORD dostep) {
  return CreateFileW(sciezka.c_str(), dostep,
                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                     FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
}

}  // namespace

TPlikZnacznika::TPlikZnacznika(const std::string& Sciezka) {
  const std::optional<std::wstring> sciezka = NaUtf16(Sciezka);
  WIN32_FILE_ATTRIBUTE_DATA atrybuty{};
  if (!sciezka || !GetFileAttributesExW(sciezka->c_str(), GetFileExInfoStandard, &atrybuty) ||
      (atrybuty.dwFileAttributes & NieZnacznik)) {
    return;
  }
  // A link is opened as itself (FILE_FLAG_OPEN_REPARSE_POINT) and refused below, so that a marker
  // swapped for a link meanwhile never leads to another file.
  HANDLE plik = OtworzAtrybuty(*sciezka, FILE_READ_ATTRIBUTES | FILE_WRITE_ATTRIBUTES);
  if (plik == INVALID_HANDLE_VALUE) plik = OtworzAtrybuty(*sciezka, FILE_READ_ATTRIBUTES);
  if (plik == INVALID_HANDLE_VALUE) return;
  BY_HANDLE_FILE_INFORMATION dane{};
  if (GetFileType(plik) != FILE_TYPE_DISK || !GetFileInformationByHandle(plik, &dane) ||
      (dane.dwFileAttributes & NieZnacznik)) {
    CloseHandle(plik);
    return;
  }
  uchwyt_ = reinterpret_cast<std::intptr_t>(plik);
}

TPlikZnacznika::~TPlikZnacznika() {
  if (Istnieje()) CloseHandle(Uchwyt(uchwyt_));
}

std::optional<TCzasLokalny> TPlikZnacznika::CzasZapisu() const {
  FILETIME czas{};
  if (!Istnieje() || !GetFileTime(Uchwyt(uchwyt_), nullptr, nullptr, &czas)) return std::nullopt;
  return NaLokalny(czas);
}

bool TPlikZnacznika::UstawCzasZapisu(const TCzasLokalny& Czas) {
  const std::optional<FILETIME> czas = ZLokalnego(Czas);
  BY_HANDLE_FILE_INFORMATION dane{};
  if (!Istnieje() || !czas || !GetFileInformationByHandle(Uchwyt(uchwyt_), &dane)) return false;
  // Windows itself leaves a read-only file's times alone only when it is opened for writing;
  // through attribute access the attribute is asked here, for an administrator too.
  if (dane.dwFileAttributes & FILE_ATTRIBUTE_READONLY) return false;
  // Creation and last-access times stay as they were.
  return SetFileTime(Uchwyt(uchwyt_), nullptr, nullptr, &*czas) != FALSE;
}
