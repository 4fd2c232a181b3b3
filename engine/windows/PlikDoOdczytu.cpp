#include "engine/PlikDoOdczytu.h"

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
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

// Opens a file on a disk for reading; without `zaDowiazaniem`, a name that has become a symbolic
// link or another reparse point is refused, not followed. The description of why not, or
// nothing.
std::optional<std::string> OtworzPlik(const std::wstring& sciezka, bool zaDowiazaniem,
                                      std::intptr_t& wynik, std::int64_t& rozmiarPliku) {
  // Others may read the file meanwhile but not write it: a file that someone holds open for
  // writing is refused (a sharing violation) rather than read half-written.
  const HANDLE uchwyt =
      CreateFileW(sciezka.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                  zaDowiazaniem ? FILE_ATTRIBUTE_NORMAL : FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
  if (uchwyt == INVALID_HANDLE_VALUE) return OpisBleduSystemu(GetLastError());
  // The path may have been swapped for something else meanwhile; only a file on a disk is read.
  LARGE_INTEGER rozmiar{};
  BY_HANDLE_FILE_INFORMATION dane{};
  std::optional<std::string> blad;
  if (GetFileType(uchwyt) != FILE_TYPE_DISK) {
    blad = NieRegularny;
  } else if (!GetFileInformationByHandle(uchwyt, &dane) || !GetFileSizeEx(uchwyt, &rozmiar)) {
    blad = OpisBleduSystemu(GetLastError());
  } else if (dane.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
    blad = Katalog;
  } else if (dane.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) {
    blad = OpisBleduSystemu(ERROR_CANT_ACCESS_FILE);
  } else {
    wynik = reinterpret_cast<std::intptr_t>(uchwyt);
    rozmiarPliku = rozmiar.QuadPart;
    return std::nullopt;
  }
  CloseHandle(uchwyt);
  return blad;
}

// A path given by the user, checked before it is opened: devices and folders are refused
// unopened.
std::optional<std::string> OtworzSciezke(const std::string& utf8, std::intptr_t& wynik,
                                         std::int64_t& rozmiar) {
  const std::optional<std::wstring> sciezka = NaUtf16(utf8);
  if (!sciezka) return OpisBleduSystemu(ERROR_NO_UNICODE_TRANSLATION);
  if (Urzadzenie(*sciezka)) return NieRegularny;
  WIN32_FILE_ATTRIBUTE_DATA atrybuty{};
  if (!GetFileAttributesExW(sciezka->c_str(), GetFileExInfoStandard, &atrybuty)) {
    return OpisBleduSystemu(GetLastError());
  }
  if (atrybuty.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return Katalog;
  if (atrybuty.dwFileAttributes & FILE_ATTRIBUTE_DEVICE) return NieRegularny;
  return OtworzPlik(*sciezka, true, wynik, rozmiar);
}

// The folder's path now, ending in a backslash; its \\?\ form knows no length limit and no
// device names. Nothing, with the system's error set, when the handle can't tell.
std::optional<std::wstring> SciezkaFolderu(HANDLE folder) {
  const DWORD dlugosc = GetFinalPathNameByHandleW(folder, nullptr, 0, FILE_NAME_NORMALIZED);
  if (dlugosc == 0) return std::nullopt;
  std::wstring sciezka(dlugosc, L'\0');
  const DWORD zapisane =
      GetFinalPathNameByHandleW(folder, sciezka.data(), dlugosc, FILE_NAME_NORMALIZED);
  if (zapisane == 0 || zapisane >= dlugosc) return std::nullopt;
  sciezka.resize(zapisane);
  if (!sciezka.ends_with(L'\\')) sciezka += L'\\';
  return sciezka;
}

}  // namespace

TPlikDoOdczytu::TPlikDoOdczytu(std::string Sciezka) : sciezka_(std::move(Sciezka)) {
  if (auto blad = OtworzSciezke(sciezka_, uchwyt_, rozmiar_)) opisBledu_ = std::move(*blad);
}

// The handle of no folder stands for the working folder: `Nazwa` is then the user's path. A
// folder's file is opened by the folder's path as its handle tells it now, so that a folder
// moved meanwhile is still the one listed.
TPlikDoOdczytu::TPlikDoOdczytu(TUchwytFolderu Folder, const std::string& Nazwa, bool ZaDowiazaniem,
                               std::string Sciezka)
    : sciezka_(std::move(Sciezka)) {
  std::optional<std::string> blad;
  if (Folder == TUchwytFolderu{}) {
    blad = OtworzSciezke(Nazwa, uchwyt_, rozmiar_);
  } else {
    std::optional<std::wstring> sciezka =
        SciezkaFolderu(Uchwyt(static_cast<std::intptr_t>(Folder)));
    const std::optional<std::wstring> nazwa = NaUtf16(Nazwa);
    if (!sciezka) {
      blad = OpisBleduSystemu(GetLastError());
    } else if (!nazwa) {
      blad = OpisBleduSystemu(ERROR_NO_UNICODE_TRANSLATION);
    } else {
      blad = OtworzPlik(*sciezka + *nazwa, ZaDowiazaniem, uchwyt_, rozmiar_);
    }
  }
  if (blad) opisBledu_ = std::move(*blad);
}

TPlikDoOdczytu::~TPlikDoOdczytu() {
  if (Otwarty()) CloseHandle(Uchwyt(uchwyt_));
}

std::int64_t TPlikDoOdczytu::CzytajZSystemu(std::int64_t Od, void* Bufor, std::size_t Ile) {
  // The offset goes with each read, so no reader depends on where another left the position.
  OVERLAPPED miejsce{};
  miejsce.Offset = static_cast<DWORD>(static_cast<std::uint64_t>(Od));
  miejsce.OffsetHigh = static_cast<DWORD>(static_cast<std::uint64_t>(Od) >> 32);
  const DWORD najwyzej = Ile > MAXDWORD ? MAXDWORD : static_cast<DWORD>(Ile);
  DWORD przeczytane = 0;
  if (ReadFile(Uchwyt(uchwyt_), Bufor, najwyzej, &przeczytane, &miejsce)) return przeczytane;
  return GetLastError() == ERROR_HANDLE_EOF ? 0 : -1;
}
