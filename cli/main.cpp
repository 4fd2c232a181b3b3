// rozpoznik-cli: identifies files from the command line with the window program's engine.

#include <CLI/CLI.hpp>
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "cli/Rozpoznanie.h"
#include "cli/Sciezki.h"
#include "cli/Wypis.h"
#include "cli/Wyswietlanie.h"

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
     "recognised", "candidates": [{"extension", "type", "category", "programs": [...]}]}
  Bytes of a path that are not UTF-8 appear as U+FFFD there.

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
    std::fputs(KomunikatBledu(Sciezka, Opis).c_str(), stderr);
  }

  // False when standard output could not take everything.
  bool Zakoncz() {
    Oproznij();
    return std::fflush(stdout) == 0 && std::ferror(stdout) == 0;
  }

 private:
  static constexpr std::size_t RozmiarPorcji = 1 << 16;

  void Oproznij() {
    std::fwrite(bufor_.data(), 1, bufor_.size(), stdout);
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
  const auto plik = [&](TPlikDoRozpoznania&& doRozpoznania) {
    const std::string& sciezka = doRozpoznania.Sciezka;
    Rozpoznaj(doRozpoznania, wynik);
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
  std::vector<std::string> sciezki;
  app.add_flag("--json", json, "Print one JSON object per file per line");
  app.add_flag("-r,--recursive", rekurencyjnie,
               "Identify every file below the named directories, in sorted order; symbolic links "
               "to directories inside them are not followed");
  app.add_option("PATH", sciezki, "Files (or, with -r, directories) to identify")->required();
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    return app.exit(e) == 0 ? WszystkoRozpoznane : CosNieczytelne;
  }
  try {
    return Uruchom(sciezki, json, rekurencyjnie);
  } catch (const std::exception& e) {
    std::fflush(stdout);
    std::fputs(KomunikatBledu(e.what()).c_str(), stderr);
    return CosNieczytelne;
  }
}
