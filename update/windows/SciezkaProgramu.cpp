#include "update/SciezkaProgramu.h"

#include <windows.h>

#include <string>

#include "text/windows/Utf16.h"

TSciezkaProgramu SciezkaProgramu() {
  // A path longer than the buffer comes back cut short, so the buffer grows until it fits; a
  // long-path-aware program may lie up to 32767 characters deep.
  std::wstring sciezka(MAX_PATH, L'\0');
  for (;;) {
    const DWORD dlugosc =
        GetModuleFileNameW(nullptr, sciezka.data(), static_cast<DWORD>(sciezka.size()));
    if (dlugosc == 0) return {};
    if (dlugosc < sciezka.size()) {
      sciezka.resize(dlugosc);
      break;
    }
    if (sciezka.size() >= 32768) return {};
    sciezka.resize(sciezka.size() * 2);
  }
  const auto separator = sciezka.find_last_of(L"\\:");
  if (separator == std::wstring::npos) return {};
  return {.Katalog = ZUtf16(std::wstring_view(sciezka).substr(0, separator + 1)),
          .NazwaPliku = ZUtf16(std::wstring_view(sciezka).substr(separator + 1))};
}
