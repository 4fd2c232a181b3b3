#include "cli/Sciezki.h"

#include <windows.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <vector>

#include "text/windows/OpisBledu.h"
#include "text/windows/Utf16.h"

namespace {

// Everything that is not a directory goes to the identification, whose opening of the file
// gives the reason why it can't be read. A directory that is a reparse point (a symbolic link
// or a junction) is not entered: it could lead back up into a loop.
enum class TRodzaj { Plik, Katalog, DowiazanieDoKatalogu };

TRodzaj Rodzaj(DWORD atrybuty) {
  if (!(atrybuty & FILE_ATTRIBUTE_DIRECTORY)) return TRodzaj::Plik;
  return (atrybuty & FILE_ATTRIBUTE_REPARSE_POINT) ? TRodzaj::DowiazanieDoKatalogu
                                                   : TRodzaj::Katalog;
}

struct TWpis {
  std::string Nazwa;  // UTF-8, so that the order is the same byte order as on Linux
  TRodzaj Rodzaj;
};

// "C:\dane", "C:\dane\", "C:" and "\\serwer\udzial" all take a name after them.
std::string Dolacz(const std::string& katalog, const std::string& nazwa) {
  if (katalog.empty() || katalog.ends_with('\\') || katalog.ends_with('/') ||
      katalog.ends_with(':')) {
    return katalog + nazwa;
  }
  return katalog + '\\' + nazwa;
}

struct TZamknijSzukanie {
  void operator()(HANDLE uchwyt) const { FindClose(uchwyt); }
};

// The entries of one directory, sorted by name; the system's error code when it can't be read
// to its end.
std::optional<DWORD> CzytajKatalog(const std::string& katalog, std::vector<TWpis>& wpisy) {
  const std::optional<std::wstring> wzorzec = NaUtf16(Dolacz(katalog, "*"));
  if (!wzorzec) return ERROR_NO_UNICODE_TRANSLATION;
  WIN32_FIND_DATAW dane{};
  const HANDLE szukanie =
      FindFirstFileExW(wzorzec->c_str(), FindExInfoBasic, &dane, FindExSearchNameMatch, nullptr,
                       FIND_FIRST_EX_LARGE_FETCH);
  if (szukanie == INVALID_HANDLE_VALUE) {
    // The root of a drive has no "." entry: an empty one finds nothing at all.
    const DWORD blad = GetLastError();
    if (blad == ERROR_FILE_NOT_FOUND) return std::nullopt;
    return blad;
  }
  const std::unique_ptr<void, TZamknijSzukanie> zamknij(szukanie);
  do {
    const std::wstring_view nazwa = dane.cFileName;
    if (nazwa == L"." || nazwa == L"..") continue;
    wpisy.push_back({ZUtf16(nazwa), Rodzaj(dane.dwFileAttributes)});
  } while (FindNextFileW(szukanie, &dane));
  if (const DWORD blad = GetLastError(); blad != ERROR_NO_MORE_FILES) return blad;
  std::ranges::sort(wpisy, [](const TWpis& a, const TWpis& b) { return a.Nazwa < b.Nazwa; });
  return std::nullopt;
}

void PrzejdzKatalog(const std::string& katalog, const TPlikDoRozpoznania& Plik,
                    const TBladSciezki& Blad) {
  std::vector<TWpis> wpisy;
  if (const std::optional<DWORD> blad = CzytajKatalog(katalog, wpisy)) {
    Blad(katalog, OpisBleduSystemu(*blad));
    return;
  }
  for (const TWpis& wpis : wpisy) {
    const std::string sciezka = Dolacz(katalog, wpis.Nazwa);
    switch (wpis.Rodzaj) {
      case TRodzaj::Plik:
        Plik(sciezka);
        break;
      case TRodzaj::Katalog:
        PrzejdzKatalog(sciezka, Plik, Blad);
        break;
      case TRodzaj::DowiazanieDoKatalogu:
        break;
    }
  }
}

}  // namespace

void PrzejdzSciezke(const std::string& Sciezka, bool Rekurencyjnie, const TPlikDoRozpoznania& Plik,
                    const TBladSciezki& Blad) {
  // A path that is not UTF-8 names no directory; its opening says why it can't be read.
  const std::optional<std::wstring> szeroka = NaUtf16(Sciezka);
  const DWORD atrybuty = szeroka ? GetFileAttributesW(szeroka->c_str()) : INVALID_FILE_ATTRIBUTES;
  if (atrybuty == INVALID_FILE_ATTRIBUTES || !(atrybuty & FILE_ATTRIBUTE_DIRECTORY)) {
    Plik(Sciezka);
  } else if (Rekurencyjnie) {
    PrzejdzKatalog(Sciezka, Plik, Blad);
  } else {
    Blad(Sciezka, "Is a directory (-r identifies the files in it)");
  }
}
