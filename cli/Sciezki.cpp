#include "cli/Sciezki.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace {

// Opening a device can have effects of its own (a watchdog arms, a tape rewinds), so anything
// that is neither a file nor a directory is refused before it is opened.
constexpr const char* NieJestPlikiem = "Not a regular file";

enum class TRodzaj { Plik, Katalog, DowiazanieDoKatalogu, Inny };

// What can't be told (a dangling link, say) counts as a file: opening it gives the reason.
TRodzaj Rodzaj(fs::file_status stan) {
  switch (stan.type()) {
    case fs::file_type::directory:
      return TRodzaj::Katalog;
    case fs::file_type::regular:
    case fs::file_type::none:
    case fs::file_type::not_found:
    case fs::file_type::unknown:
      return TRodzaj::Plik;
    default:
      return TRodzaj::Inny;
  }
}

// An entry knows its type from the directory listing; only a link costs a look at its target.
TRodzaj RodzajWpisu(const fs::directory_entry& wpis) {
  std::error_code bezZnaczenia;
  if (wpis.is_directory(bezZnaczenia)) {
    return wpis.is_symlink(bezZnaczenia) ? TRodzaj::DowiazanieDoKatalogu : TRodzaj::Katalog;
  }
  if (wpis.is_regular_file(bezZnaczenia) || !wpis.exists(bezZnaczenia)) return TRodzaj::Plik;
  return TRodzaj::Inny;
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
      case TRodzaj::Inny:
        Blad(wpis.Sciezka.native(), NieJestPlikiem);
        break;
    }
  }
}

}  // namespace

void PrzejdzSciezke(const std::string& Sciezka, bool Rekurencyjnie, const TPlikDoRozpoznania& Plik,
                    const TBladSciezki& Blad) {
  std::error_code bezZnaczenia;
  switch (Rodzaj(fs::status(Sciezka, bezZnaczenia))) {
    case TRodzaj::Plik:
      Plik(Sciezka);
      break;
    case TRodzaj::Katalog:
    case TRodzaj::DowiazanieDoKatalogu:
      if (Rekurencyjnie) {
        PrzejdzKatalog(Sciezka, Plik, Blad);
      } else {
        Blad(Sciezka, "Is a directory (-r identifies the files in it)");
      }
      break;
    case TRodzaj::Inny:
      Blad(Sciezka, NieJestPlikiem);
      break;
  }
}
