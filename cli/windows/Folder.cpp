#include "cli/Folder.h"

#include <windows.h>
#include <winternl.h>

#include <cstddef>
#include <optional>
#include <string_view>

#include "cli/windows/CelPunktu.h"
#include "engine/windows/OtworzWFolderze.h"
#include "text/windows/OpisBledu.h"
#include "text/windows/Utf16.h"

namespace {

HANDLE UchwytSystemu(std::intptr_t uchwyt) {
  return reinterpret_cast<HANDLE>(uchwyt);
}

// A folder is opened to be listed and to have files opened inside it; others may do anything
// with it meanwhile, as they may with a folder a program only looks into.
constexpr ACCESS_MASK DostepDoFolderu = FILE_LIST_DIRECTORY | FILE_READ_ATTRIBUTES;
constexpr DWORD WspoldzielenieFolderu = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

HANDLE OtworzFolder(const std::wstring& sciezka) {
  return CreateFileW(sciezka.c_str(), DostepDoFolderu, WspoldzielenieFolderu, nullptr,
                     OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

// The user's path as a full \\?\ path, which knows no length limit: the walk reopens folders
// by their path as it names them, however deep they lie.
std::wstring BezLimituDlugosci(const std::wstring& sciezka) {
  const DWORD dlugosc = GetFullPathNameW(sciezka.c_str(), 0, nullptr, nullptr);
  std::wstring pelna(dlugosc, L'\0');
  const DWORD zapisane =
      dlugosc == 0 ? 0 : GetFullPathNameW(sciezka.c_str(), dlugosc, pelna.data(), nullptr);
  // The system then says why the path itself can't be opened.
  if (zapisane == 0 || zapisane >= dlugosc) return sciezka;
  pelna.resize(zapisane);
  if (pelna.starts_with(L"\\\\?\\") || pelna.starts_with(L"\\\\.\\")) return pelna;
  if (pelna.starts_with(L"\\\\")) return L"\\\\?\\UNC\\" + pelna.substr(2);
  return L"\\\\?\\" + pelna;
}

// For a reparse point the listing gives the point's tag where the size of extended attributes
// would be. A tag that names another file (a symbolic link, a junction, a WSL link) makes the
// entry a link; so does a point that gives no tag at all, as Wine shows a Unix link to a folder.
// Other points (cloud files, deduplicated files) are the entry's own storage, and it stays what
// it is.
TRodzajWpisu Rodzaj(DWORD atrybuty, DWORD znacznik) {
  if ((atrybuty & FILE_ATTRIBUTE_REPARSE_POINT) &&
      (znacznik == 0 || IsReparseTagNameSurrogate(znacznik))) {
    return TRodzajWpisu::Dowiazanie;
  }
  if (atrybuty & FILE_ATTRIBUTE_DIRECTORY) return TRodzajWpisu::Folder;
  if (atrybuty & FILE_ATTRIBUTE_DEVICE) return TRodzajWpisu::Nieregularny;
  return TRodzajWpisu::Plik;
}

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
  return Przyjmij(reinterpret_cast<std::intptr_t>(OtworzFolder(BezLimituDlugosci(*sciezka))), Blad);
}

TFolder::~TFolder() {
  CloseHandle(UchwytSystemu(uchwyt_));
}

std::unique_ptr<TFolder> TFolder::OtworzPodfolder(const std::string& Nazwa,
                                                  std::string& Blad) const {
  const std::optional<std::wstring> nazwa = NaUtf16(Nazwa);
  if (!nazwa) {
    Blad = OpisBleduSystemu(ERROR_NO_UNICODE_TRANSLATION);
    return nullptr;
  }
  HANDLE podfolder = INVALID_HANDLE_VALUE;
  const DWORD kod =
      OtworzWFolderze(UchwytSystemu(uchwyt_), *nazwa, DostepDoFolderu, WspoldzielenieFolderu,
                      FILE_DIRECTORY_FILE | FILE_OPEN_REPARSE_POINT, podfolder);
  if (kod != ERROR_SUCCESS) {
    Blad = OpisBleduSystemu(kod);
    return nullptr;
  }
  return Przyjmij(reinterpret_cast<std::intptr_t>(podfolder), Blad);
}

std::unique_ptr<TFolder> TFolder::OtworzNadrzedny(const TTozsamoscFolderu& Oczekiwana,
                                                  const std::string& Sciezka,
                                                  std::string& Blad) const {
  std::unique_ptr<TFolder> nadrzedny = Otworz(Sciezka, Blad);
  if (nadrzedny && nadrzedny->Tozsamosc() != Oczekiwana) {
    Blad = "Moved during the walk; the rest of it is left out";
    return nullptr;
  }
  return nadrzedny;
}

bool TFolder::Wypisz(std::vector<TWpisFolderu>& Wpisy, std::string& Blad) const {
  // Listed through the handle, from its start each time.
  std::vector<std::byte> bufor(64 * 1024);
  FILE_INFO_BY_HANDLE_CLASS rodzaj = FileIdBothDirectoryRestartInfo;
  while (GetFileInformationByHandleEx(UchwytSystemu(uchwyt_), rodzaj, bufor.data(),
                                      static_cast<DWORD>(bufor.size()))) {
    rodzaj = FileIdBothDirectoryInfo;
    for (std::size_t od = 0;;) {
      const auto* wpis = reinterpret_cast<const FILE_ID_BOTH_DIR_INFO*>(bufor.data() + od);
      const std::wstring_view nazwa(wpis->FileName, wpis->FileNameLength / sizeof(wchar_t));
      if (nazwa != L"." && nazwa != L"..") {
        // UTF-8 names, so that the walk sorts them in the same byte order as on Linux.
        Wpisy.push_back({ZUtf16(nazwa), Rodzaj(wpis->FileAttributes, wpis->EaSize)});
      }
      if (wpis->NextEntryOffset == 0) break;
      od += wpis->NextEntryOffset;
    }
  }
  // The root of a drive has no "." entry: an empty one finds nothing at all.
  const DWORD blad = GetLastError();
  if (blad == ERROR_NO_MORE_FILES || blad == ERROR_FILE_NOT_FOUND) return true;
  Blad = OpisBleduSystemu(blad);
  return false;
}

std::optional<std::string> TFolder::CelDowiazania(const std::string& Nazwa,
                                                  std::string& Blad) const {
  const std::optional<std::wstring> nazwa = NaUtf16(Nazwa);
  if (!nazwa) {
    Blad = OpisBleduSystemu(ERROR_NO_UNICODE_TRANSLATION);
    return std::nullopt;
  }
  HANDLE punkt = INVALID_HANDLE_VALUE;
  const DWORD kod = OtworzWFolderze(UchwytSystemu(uchwyt_), *nazwa, FILE_READ_ATTRIBUTES,
                                    WspoldzielenieFolderu, FILE_OPEN_REPARSE_POINT, punkt);
  if (kod != ERROR_SUCCESS) {
    Blad = OpisBleduSystemu(kod);
    return std::nullopt;
  }
  std::vector<std::byte> dane(MAXIMUM_REPARSE_DATA_BUFFER_SIZE);
  DWORD dlugosc = 0;
  const bool odczytany = DeviceIoControl(punkt, FSCTL_GET_REPARSE_POINT, nullptr, 0, dane.data(),
                                         static_cast<DWORD>(dane.size()), &dlugosc, nullptr);
  const DWORD blad = GetLastError();
  CloseHandle(punkt);
  // Wine shows a Unix link to a folder as a reparse point that holds nothing.
  if (!odczytany && blad != ERROR_NOT_A_REPARSE_POINT) {
    Blad = OpisBleduSystemu(blad);
    return std::nullopt;
  }
  std::optional<std::string> cel =
      odczytany ? CelPunktu(dane.data(), dlugosc) : std::optional<std::string>();
  if (!cel) Blad = "Symbolic link whose target can't be read; not followed";
  return cel;
}

// Anything but a folder goes to the identification, whose opening of the path refuses devices
// such as "CON" and says why a path can't be read.
std::optional<TRodzajWpisu> RodzajSciezki(const std::string& Sciezka, std::string&) {
  const std::optional<std::wstring> sciezka = NaUtf16(Sciezka);
  const DWORD atrybuty = sciezka ? GetFileAttributesW(sciezka->c_str()) : INVALID_FILE_ATTRIBUTES;
  if (atrybuty != INVALID_FILE_ATTRIBUTES && (atrybuty & FILE_ATTRIBUTE_DIRECTORY)) {
    return TRodzajWpisu::Folder;
  }
  return TRodzajWpisu::Plik;
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
