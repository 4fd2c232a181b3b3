#include "engine/PlikDoOdczytu.h"

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include "engine/windows/OtworzWFolderze.h"
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

// Keeps an opened file when it is a file on a disk, to be read; the description of why not, or
// nothing. The name may have been swapped for something else since it was looked at.
std::optional<std::string> SprawdzOtwarty(HANDLE uchwyt, std::intptr_t& wynik,
                                          std::int64_t& rozmiarPliku) {
  BY_HANDLE_FILE_INFORMATION dane{};
  std::optional<std::string> blad;
  if (GetFileType(uchwyt) != FILE_TYPE_DISK) {
    blad = NieRegularny;
  } else if (!GetFileInformationByHandle(uchwyt, &dane)) {
    blad = OpisBleduSystemu(GetLastError());
  } else if (dane.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
    blad = Katalog;
  } else if (dane.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) {
    blad = OpisBleduSystemu(ERROR_CANT_ACCESS_FILE);
  } else {
    wynik = reinterpret_cast<std::intptr_t>(uchwyt);
    rozmiarPliku = static_cast<std::int64_t>(
        (static_cast<std::uint64_t>(dane.nFileSizeHigh) << 32) | dane.nFileSizeLow);
    return std::nullopt;
  }
  CloseHandle(uchwyt);
  return blad;
}

// Others may read the file meanwhile but not write it: a file that someone holds open for
// writing is refused (a sharing violation) rather than read half-written.
constexpr DWORD Wspoldzielenie = FILE_SHARE_READ;

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
  const HANDLE uchwyt = CreateFileW(sciezka->c_str(), GENERIC_READ, Wspoldzielenie, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (uchwyt == INVALID_HANDLE_VALUE) return OpisBleduSystemu(GetLastError());
  return SprawdzOtwarty(uchwyt, wynik, rozmiar);
}

}  // namespace

TPlikDoOdczytu::TPlikDoOdczytu(std::string Sciezka) : sciezka_(std::move(Sciezka)) {
  if (auto blad = OtworzSciezke(sciezka_, uchwyt_, rozmiar_)) opisBledu_ = std::move(*blad);
}

// The handle of no folder stands for the working folder: `Nazwa` is then the user's path.
TPlikDoOdczytu::TPlikDoOdczytu(TUchwytFolderu Folder, const std::string& Nazwa, bool ZaDowiazaniem,
                               std::string Sciezka)
    : sciezka_(std::move(Sciezka)) {
  std::optional<std::string> blad;
  if (Folder == TUchwytFolderu{}) {
    blad = OtworzSciezke(Nazwa, uchwyt_, rozmiar_);
  } else if (const std::optional<std::wstring> nazwa = NaUtf16(Nazwa); !nazwa) {
    blad = OpisBleduSystemu(ERROR_NO_UNICODE_TRANSLATION);
  } else {
    HANDLE uchwyt = INVALID_HANDLE_VALUE;
    const DWORD kod =
        OtworzWFolderze(Uchwyt(static_cast<std::intptr_t>(Folder)), *nazwa, GENERIC_READ,
                        Wspoldzielenie, ZaDowiazaniem ? 0 : FILE_OPEN_REPARSE_POINT, uchwyt);
    blad = kod == ERROR_SUCCESS ? SprawdzOtwarty(uchwyt, uchwyt_, rozmiar_) : OpisBleduSystemu(kod);
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
