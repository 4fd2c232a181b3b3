#include "cli/Sciezki.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace {

// Everything that is not a directory goes to the identification, whose opening of the file
// gives the reason why it can't be read: no such file, not a regular file, and so on.
enum class TRodzaj { Plik, Katalog, DowiazanieDoKatalogu };

// An entry knows its type from the directory listing; only a link costs a look at its target.
TRodzaj RodzajWpisu(const fs::directory_entry& wpis) {
  std::error_code bezZnaczenia;
  if (!wpis.is_directory(bezZnaczenia)) return TRodzaj::Plik;
  return wpis.is_symlink(bezZnaczenia) ? TRodzaj::DowiazanieDoKatalogu : TRodzaj::Katalog;
}

struct TWpis {
  fs::path Sciezka;
  TRodzaj Rodzaj;
};

// The entries of one directory, sorted by name; false when it can't be read to its end.
bool CzytajKatalog(const fs::path& katalog, std::vector<TWpis>& wpisy, std::error_code& blad) {
  fs::directory_iterator it(katalog, blad);
  for (; !blad && it != fs::directory_iterator(); it.increment(blad)) {
    wpisy.push_back({it->path(), RodzajWpisu(*it)});
  }
  if (blad) return false;
  std::ranges::sort(wpisy, [](const TWpis& a, const TWpis& b) {
    return a.Sciezka.filename().native() < b.Sciezka.filename().native();
  });
  return true;
}

void PrzejdzKatalog(const fs::path& katalog, const TPlikDoRozpoznania& Plik,
                    const TBladSciezki& Blad) {
  std::vector<TWpis> wpisy;
  std::error_code blad;
  if (!CzytajKatalog(katalog, wpisy, blad)) {
    Blad(katalog.native(), blad.message());
    return;
  }
  for (const TWpis& wpis : wpisy) {
    switch (wpis.Rodzaj) {
      case TRodzaj::Plik:
        Plik(wpis.Sciezka.native());
        break;
      case TRodzaj::Katalog:
        PrzejdzKatalog(wpis.Sciezka, Plik, Blad);
        break;
      case TRodzaj::DowiazanieDoKatalogu:
        break;
    }
  }
}

}  // namespace

void PrzejdzSciezke(const std::string& Sciezka, bool Rekurencyjnie, const TPlikDoRozpoznania& Plik,
                    const TBladSciezki& Blad) {
  std::error_code bezZnaczenia;
  if (!fs::is_directory(Sciezka, bezZnaczenia)) {
    Plik(Sciezka);
  } else if (Rekurencyjnie) {
    PrzejdzKatalog(Sciezka, Plik, Blad);
  } else {
    Blad(Sciezka, "Is a directory (-r identifies the files in it)");
  }
}
