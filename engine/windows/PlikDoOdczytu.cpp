#include "engine/PlikDoOdczytu.h"

#include <windows.h>

#include <optional>
#include <utility>

#include "text/windows/OpisBledu.h"
#include "text/windows/Utf16.h"

namespace {

HANDLE Uchwyt(std::intptr_t uchwyt) {
  return reinterpret_cast<HANDLE>(uchwyt);
}

constexpr const char* NieRegularny = "Not a regular file";
constexpr const char* Katalog = "Is a directory";

// "CON", "NUL", "COM1", "C:\dane\nul.txt" and the like name devices wherever they stand; the full
// path shows it as \\.\NAME. Opening a device can wait for a keyboard or a line, so such a path
// is refused unopened.
bool Urzadzenie(const std::wstring& sciezka) {
  const DWORD dlugosc = GetFullPathNameW(sciezka.c_str(), 0, nullptr, nullptr);
  if (dlugosc == 0) return false;
  std::wstring pelna(dlugosc, L'\0');
  const DWORD zapisane = GetFullPathNameW(sciezka.c_str(), dlugosc, pelna.data(), nullptr);
  if (zapisane == 0 || zapisane >= dlugosc) return false;
  pelna.resize(zapisane);
  return pelna.starts_with(L"\\\\.\\");
}

}  // namespace

TPlikDoOdczytu::TPlikDoOdczytu(std::string Sciezka) : sciezka_(std::move(Sciezka)) {
  const std::optional<std::wstring> sciezka = NaUtf16(sciezka_);
  if (!sciezka) {
    opisBledu_ = OpisBleduSystemu(ERROR_NO_UNICODE_TRANSLATION);
    return;
  }
  if (Urzadzenie(*sciezka)) {
    opisBledu_ = NieRegularny;
    return;
  }
  WIN32_FILE_ATTRIBUTE_DATA atrybuty{};
  if (!GetFileAttributesExW(sciezka->c_str(), GetFileExInfoStandard, &atrybuty)) {
    opisBledu_ = OpisBleduSystemu(GetLastError());
    return;
  }
  if (atrybuty.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
    opisBledu_ = Katalog;
    return;
  }
  if (atrybuty.dwFileAttributes & FILE_ATTRIBUTE_DEVICE) {
    opisBledu_ = NieRegularny;
    return;
  }
  // Others may read the file meanwhile but not write it: a file that someone holds open for
  // writing is refused (a sharing violation) rather than read half-written.
  const HANDLE uchwyt = CreateFileW(sciezka->c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (uchwyt == INVALID_HANDLE_VALUE) {
    opisBledu_ = OpisBleduSystemu(GetLastError());
    return;
  }
  // The path may have been swapped for something else meanwhile; only a file on a disk is read.
  LARGE_INTEGER rozmiar{};
  if (GetFileType(uchwyt) != FILE_TYPE_DISK) {
    opisBledu_ = NieRegularny;
  } else if (!GetFileSizeEx(uchwyt, &rozmiar)) {
    opisBledu_ = OpisBleduSystemu(GetLastError());
  } else {
    uchwyt_ = reinterpret_cast<std::intptr_t>(uchwyt);
    rozmiar_ = rozmiar.QuadPart;
    return;
  }
  CloseHandle(uchwyt);
}

TPlikDoOdczytu::~TPlikDoOdczytu() {
  if (Otwarty()) CloseHandle(Uchwyt(uchwyt_));
}

std::int64_t TPlikDoOdczytu::Czytaj(std::int64_t Od, void* Bufor, std::size_t Ile) {
  // The offset goes with each read, so no reader depends on where another left the position.
  OVERLAPPED miejsce{};
  miejsce.Offset = static_cast<DWORD>(static_cast<std::uint64_t>(Od));
  miejsce.OffsetHigh = static_cast<DWORD>(static_cast<std::uint64_t>(Od) >> 32);
  const DWORD najwyzej = Ile > MAXDWORD ? MAXDWORD : static_cast<DWORD>(Ile);
  DWORD przeczytane = 0;
  if (ReadFile(Uchwyt(uchwyt_), Bufor, najwyzej, &przeczytane, &miejsce)) return przeczytane;
  return GetLastError() == ERROR_HANDLE_EOF ? 0 : -1;
}
