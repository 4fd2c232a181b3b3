#include "cli/Folder.h"

#include <windows.h>

#include <optional>
#include <string_view>

#include "text/windows/OpisBledu.h"
#include "text/windows/Utf16.h"

namespace {

HANDLE UchwytSystemu(std::intptr_t uchwyt) {
  return reinterpret_cast<HANDLE>(uchwyt);
}

// A folder is opened to be listed and to have files opened inside it; others may do anything
// with it meanwhile, as they may with a folder a program only looks into.
HANDLE OtworzFolder(const std::wstring& sciezka, DWORD flagi) {
  return CreateFileW(sciezka.c_str(), FILE_LIST_DIRECTORY | FILE_READ_ATTRIBUTES,
                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                     FILE_FLAG_BACKUP_SEMANTICS | flagi, nullptr);
}

// The folder's path now, from its handle: it follows the folder wherever it has been moved,
// and its \\?\ form knows no length limit and no device names.
std::optional<std::wstring> SciezkaFolderu(HANDLE folder, std::string& blad) {
  const DWORD dlugosc = GetFinalPathNameByHandleW(folder, nullptr, 0, FILE_NAME_NORMALIZED);
  if (dlugosc == 0) {
    blad = OpisBleduSystemu(GetLastError());
    return std::nullopt;
  }
  std::wstring sciezka(dlugosc, L'\0');
  const DWORD zapisane =
      GetFinalPathNameByHandleW(folder, sciezka.data(), dlugosc, FILE_NAME_NORMALIZED);
  if (zapisane == 0 || zapisane >= dlugosc) {
    blad = OpisBleduSystemu(zapisane == 0 ? GetLastError() : ERROR_INSUFFICIENT_BUFFER);
    return std::nullopt;
  }
  sciezka.resize(zapisane);
  if (!sciezka.ends_with(L'\\')) sciezka += L'\\';
  return sciezka;
}

TRodzajWpisu Rodzaj(DWORD atrybuty) {
  const bool dowiazanie = atrybuty & FILE_ATTRIBUTE_REPARSE_POINT;
  if (atrybuty & FILE_ATTRIBUTE_DIRECTORY) {
    return dowiazanie ? TRodzajWpisu::DowiazanieDoFolderu : TRodzajWpisu::Folder;
  }
  if (atrybuty & FILE_ATTRIBUTE_DEVICE) return TRodzajWpisu::Nieregularny;
  return dowiazanie ? TRodzajWpisu::DowiazanieDoPliku : TRodzajWpisu::Plik;
}

struct TZamknijSzukanie {
  void operator()(HANDLE uchwyt) const { FindClose(uchwyt); }
};

}  // namespace

std::unique_ptr<TFolder> TFolder::Przyjmij(std::intptr_t Wynik, std::string& Blad) {
  const HANDLE uchwyt = UchwytSystemu(Wynik);
  if (uchwyt == INVALID_HANDLE_VALUE) {
    Blad = OpisBleduSystemu(GetLastError());
    return nullptr;
  }
  BY_HANDLE_FILE_INFORMATION dane{};
  if (!GetFileInformationByHandle(uchwyt, &dane)) {
    Blad = OpisBleduSystemu(GetLastError());
  } else if (!(dane.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
    Blad = OpisBleduSystemu(ERROR_DIRECTORY);
  } else if (dane.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) {
    // Only a sub-folder is opened without following: one that has become a link or junction
    // since its parent was listed could lead the walk out of the tree.
    Blad = OpisBleduSystemu(ERROR_CANT_ACCESS_FILE);
  } else {
    const TTozsamoscFolderu tozsamosc{
        dane.dwVolumeSerialNumber,
        (static_cast<std::uint64_t>(dane.nFileIndexHigh) << 32) | dane.nFileIndexLow};
    return std::unique_ptr<TFolder>(new TFolder(Wynik, tozsamosc));
  }
  CloseHandle(uchwyt);
  return nullptr;
}

std::unique_ptr<TFolder> TFolder::Otworz(const std::string& Sciezka, std::string& Blad) {
  const std::optional<std::wstring> sciezka = NaUtf16(Sciezka);
  if (!sciezka) {
    Blad = OpisBleduSystemu(ERROR_NO_UNICODE_TRANSLATION);
    return nullptr;
  }
  return Przyjmij(reinterpret_cast<std::intptr_t>(OtworzFolder(*sciezka, 0)), Blad);
}

TFolder::~TFolder() {
  CloseHandle(UchwytSystemu(uchwyt_));
}

std::unique_ptr<TFolder> TFolder::OtworzPodfolder(const std::string& Nazwa,
                                                  std::string& Blad) const {
  std::optional<std::wstring> sciezka = SciezkaFolderu(UchwytSystemu(uchwyt_), Blad);
  const std::optional<std::wstring> nazwa = NaUtf16(Nazwa);
  if (!sciezka) return nullptr;
  if (!nazwa) {
    Blad = OpisBleduSystemu(ERROR_NO_UNICODE_TRANSLATION);
    return nullptr;
  }
  *sciezka += *nazwa;
  return Przyjmij(
      reinterpret_cast<std::intptr_t>(OtworzFolder(*sciezka, FILE_FLAG_OPEN_REPARSE_POINT)), Blad);
}

std::unique_ptr<TFolder> TFolder::OtworzNadrzedny(const TTozsamoscFolderu& Oczekiwana,
                                                  std::string& Blad) const {
  std::optional<std::wstring> sciezka = SciezkaFolderu(UchwytSystemu(uchwyt_), Blad);
  if (!sciezka) return nullptr;
  // A \\?\ path is taken as written, ".." included, so the parent is the path without its last
  // name.
  sciezka->pop_back();
  const std::size_t koniec = sciezka->rfind(L'\\');
  if (koniec == std::wstring::npos) {
    Blad = OpisBleduSystemu(ERROR_PATH_NOT_FOUND);
    return nullptr;
  }
  sciezka->resize(koniec + 1);
  std::unique_ptr<TFolder> nadrzedny =
      Przyjmij(reinterpret_cast<std::intptr_t>(OtworzFolder(*sciezka, 0)), Blad);
  if (nadrzedny && nadrzedny->Tozsamosc() != Oczekiwana) {
    Blad = "Moved during the walk; the rest of it is left out";
    return nullptr;
  }
  return nadrzedny;
}

bool TFolder::Wypisz(std::vector<TWpisFolderu>& Wpisy, std::string& Blad) const {
  std::optional<std::wstring> wzorzec = SciezkaFolderu(UchwytSystemu(uchwyt_), Blad);
  if (!wzorzec) return false;
  *wzorzec += L'*';
  WIN32_FIND_DATAW dane{};
  const HANDLE szukanie =
      FindFirstFileExW(wzorzec->c_str(), FindExInfoBasic, &dane, FindExSearchNameMatch, nullptr,
                       FIND_FIRST_EX_LARGE_FETCH);
  if (szukanie == INVALID_HANDLE_VALUE) {
    // The root of a drive has no "." entry: an empty one finds nothing at all.
    const DWORD blad = GetLastError();
    if (blad == ERROR_FILE_NOT_FOUND) return true;
    Blad = OpisBleduSystemu(blad);
    return false;
  }
  const std::unique_ptr<void, TZamknijSzukanie> zamknij(szukanie);
  do {
    const std::wstring_view nazwa = dane.cFileName;
    if (nazwa == L"." || nazwa == L"..") continue;
    // UTF-8 names, so that the walk sorts them in the same byte order as on Linux.
    Wpisy.push_back({ZUtf16(nazwa), Rodzaj(dane.dwFileAttributes)});
  } while (FindNextFileW(szukanie, &dane));
  if (const DWORD blad = GetLastError(); blad != ERROR_NO_MORE_FILES) {
    Blad = OpisBleduSystemu(blad);
    return false;
  }
  return true;
}

// Anything but a folder goes to the identification, whose opening of the path refuses devices
// such as "CON" and says why a path can't be read.
std::optional<TRodzajWpisu> RodzajSciezki(const std::string& Sciezka, std::string&) {
  const std::optional<std::wstring> sciezka = NaUtf16(Sciezka);
  const DWORD atrybuty = sciezka ? GetFileAttributesW(sciezka->c_str()) : INVALID_FILE_ATTRIBUTES;
  if (atrybuty != INVALID_FILE_ATTRIBUTES && (atrybuty & FILE_ATTRIBUTE_DIRECTORY)) {
    return TRodzajWpisu::Folder;
  }
  return TRodzajWpisu::DowiazanieDoPliku;
}

// "C:\dane", "C:\dane\", "C:" and "\\serwer\udzial" all take a name after them; a path the user
// wrote with slashes keeps them and gets a backslash after it.
void DopiszNazwe(std::string& Sciezka, const std::string& Nazwa) {
  if (!Sciezka.empty() && !Sciezka.ends_with('\\') && !Sciezka.ends_with('/') &&
      !Sciezka.ends_with(':')) {
    Sciezka += '\\';
  }
  Sciezka += Nazwa;
}

// The engine opens the path itself when given no folder.
TUchwytFolderu FolderRoboczy() {
  return TUchwytFolderu{};
}
