// rozpoznik-cli: identifies files from the command line with the window program's engine.

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "cli/Konsola.h"
#include "cli/ListaTypow.h"
#include "cli/Rozpoznanie.h"
#include "cli/Sciezki.h"
#include "cli/Wypis.h"

namespace {

enum TKodWyjscia { WszystkoRozpoznane = 0, CosNierozpoznane = 1, CosNieczytelne = 2 };

constexpr const char* OpisProgramu =
    "Tells what files really are by their first 80 bytes, with the catalogue and the rules of "
    "the Rozpoznik window program.";

constexpr const char* Stopka = R"(Output (UTF-8):
  For each file its path, then every candidate description in the catalogue's order: its
  type, category and the programs that open such files. When nothing fits, one line says the
  file was not recognised and gives its first 10 bytes in hex, its extension and its size.
  The descriptions themselves are in Polish, as the catalogue holds them.

  With --json each file is one JSON object on one line:
    {"path", "size", "extension", "bytes" (the first 80 bytes as 160 hex digits),
     "recognised", "candidates": [{"extension", "type", "category", "programs": [...],
      "matched": {"table"}}]}; "table" names the catalogue table that holds the row
  Bytes of a path that are not UTF-8 appear as U+FFFD there.

  --list-types prints the whole catalogue instead, one entry per row: its table and row,
  extension, signature, type, category and programs; as JSON lines with --json
  {"table", "row", "extension", "signature", "type", "category", "programs": [...]}, or as
  CSV with a header line with --csv (programs joined by "; ").

  A path that can't be read (missing, no permission, a directory without -r, a pipe or
  device) is reported on standard error with the reason, and the run goes on.

  Use -- before paths that begin with a dash: every argument after it is a path.

Exit status:
  0  every file was recognised
  1  some file was not recognised
  2  some path could not be read, or the arguments were wrong (2 wins over 1))";

// Output goes out in large pieces; error messages go straight to standard error, after the
// output so far, so that the two keep their order on a terminal.
class TWyjscie {
 public:
  std::string& Bufor() { return bufor_; }

  void ZapiszGdyPelny() {
    if (bufor_.size() >= RozmiarPorcji) Oproznij();
  }

  void Blad(const std::string& Sciezka, const std::string& Opis) {
    Oproznij();
    std::fflush(stdout);
    Wypisz(stderr, "rozpoznik-cli: " + DoWyswietlenia(Sciezka) + ": " + Opis + "\n");
  }

  // False when standard output could not take everything.
  bool Zakoncz() {
    Oproznij();
    return std::fflush(stdout) == 0 && std::ferror(stdout) == 0;
  }

 private:
  static constexpr std::size_t RozmiarPorcji = 1 << 16;

  void Oproznij() {
    Wypisz(stdout, bufor_);
    bufor_.clear();
  }

  std::string bufor_;
};

int Uruchom(const std::vector<std::string>& sciezki, bool json, bool rekurencyjnie) {
  TWyjscie wyjscie;
  TRozpoznanie wynik;
  int kod = WszystkoRozpoznane;
  const auto blad = [&](const std::string& sciezka, const std::string& opis) {
    wyjscie.Blad(sciezka, opis);
    kod = CosNieczytelne;
  };
  const auto plik = [&](const std::string& sciezka) {
    Rozpoznaj(sciezka, wynik);
    if (wynik.Stan == TStan::Nieczytelny) {
      blad(sciezka, wynik.OpisBledu);
      return;
    }
    if (wynik.Stan == TStan::Nierozpoznany && kod == WszystkoRozpoznane) kod = CosNierozpoznane;
    if (json) {
      DopiszJson(wyjscie.Bufor(), sciezka, wynik);
    } else {
      DopiszOpis(wyjscie.Bufor(), sciezka, wynik);
    }
    wyjscie.ZapiszGdyPelny();
  };
  for (const std::string& sciezka : sciezki) {
    PrzejdzSciezke(sciezka, rekurencyjnie, plik, blad);
  }
  if (!wyjscie.Zakoncz()) {
    std::fprintf(stderr, "rozpoznik-cli: cannot write to standard output\n");
    return CosNieczytelne;
  }
  return kod;
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app(OpisProgramu, "rozpoznik-cli");
  app.footer(Stopka);
  bool json = false;
  bool rekurencyjnie = false;
  bool listaTypow = false;
  bool csv = false;
  std::vector<std::string> sciezki;
  app.add_flag("--json", json, "Print one JSON object per file per line");
  app.add_flag("-r,--recursive", rekurencyjnie,
               "Identify every file below the named directories, in sorted order; symbolic links "
               "to directories inside them are not followed");
  auto* listaOpcja =
      app.add_flag("--list-types", listaTypow,
                   "Print every description of the catalogue instead of identifying");
  app.add_flag("--csv", csv, "With --list-types, print CSV")->needs(listaOpcja)->excludes("--json");
  app.add_option("PATH", sciezki, "Files (or, with -r, directories) to identify")
      ->excludes(listaOpcja);
  // CLI11 takes the arguments last first, without the program's name.
  std::vector<std::string> argumenty = ArgumentyProgramu(argc, argv);
  if (!argumenty.empty()) argumenty.erase(argumenty.begin());
  std::ranges::reverse(argumenty);
  try {
    app.parse(argumenty);
    if (!listaTypow && sciezki.empty()) throw CLI::RequiredError("PATH");
  } catch (const CLI::ParseError& e) {
    return app.exit(e) == 0 ? WszystkoRozpoznane : CosNieczytelne;
  }
  if (listaTypow) {
    const std::string lista = ListaTypow(csv    ? TFormatListy::Csv
                                         : json ? TFormatListy::Json
                                                : TFormatListy::Tekst);
    std::fwrite(lista.data(), 1, lista.size(), stdout);
    return std::fflush(stdout) == 0 && std::ferror(stdout) == 0 ? WszystkoRozpoznane
                                                                : CosNieczytelne;
  }
  try {
    return Uruchom(sciezki, json, rekurencyjnie);
  } catch (const std::exception& e) {
    std::fflush(stdout);
    Wypisz(stderr, std::string("rozpoznik-cli: ") + e.what() + "\n");
    return CosNieczytelne;
  }
}
