// What one file costs rozpoznik-cli on one thread, stage by stage, for a PNG image, a ZIP
// archive (whose probe reads its end) and a text file (whose whole content the text test reads):
//   SamoOtwarcie  the system calls alone: open, size, the first block, close;
//   Klucz         those and the key (the hex text and the extension);
//   Rozpoznanie   the whole identification, as rozpoznik-cli and the window do it;
//   Opis, Json    the text and the JSON output of an identified file, without the file.
// The difference between two stages is what the later one adds.

#include <benchmark/benchmark.h>

#include <string>
#include <string_view>

#include "PlikPomiarowy.h"
#include "cli/Rozpoznanie.h"
#include "cli/Sciezki.h"
#include "cli/Wypis.h"
#include "engine/Klucz.h"

namespace {

using namespace std::string_literals;

struct TRodzajPliku {
  std::string_view Nazwa;
  std::string Tresc;
};

const TRodzajPliku& Rodzaj(const benchmark::State& state) {
  static const TRodzajPliku rodzaje[] = {
      {"rozpoznik-etapy.png",
       "\x89PNG\r\n\x1A\n\0\0\0\rIHDR\0\0\0\x10\0\0\0\x10\x08\x06\0\0\0"s + std::string(580, 'x')},
      {"rozpoznik-etapy.zip", "PK\x03\x04\x14\0\0\0\x08\0"s + std::string(600, 'x')},
      {"rozpoznik-etapy.txt", "Notatka numer 17.\n" + std::string(600, 'x') + "\n"},
  };
  return rodzaje[state.range(0)];
}

// The file as rozpoznik-cli finds it in a folder's listing: opened relative to its folder.
class TPlikWFolderze {
 public:
  explicit TPlikWFolderze(const benchmark::State& state)
      : plik_(Rodzaj(state).Nazwa, Rodzaj(state).Tresc) {
    const std::filesystem::path sciezka = plik_.Sciezka();
    std::string blad;
    wpis_ = {TFolder::Otworz(sciezka.parent_path().string(), blad), sciezka.filename().string(),
             sciezka.string()};
  }
  const TPlikDoRozpoznania& Wpis() const { return wpis_; }

 private:
  TPlikPomiarowy plik_;
  TPlikDoRozpoznania wpis_;
};

void SamoOtwarcie(benchmark::State& state) {
  const TPlikWFolderze plik(state);
  unsigned char bufor[80];
  for (auto _ : state) {
    TPlikDoOdczytu otwarty = Otworz(plik.Wpis());
    benchmark::DoNotOptimize(otwarty.Czytaj(0, bufor, sizeof bufor));
  }
}

void Klucz(benchmark::State& state) {
  const TPlikWFolderze plik(state);
  TOdczytPliku odczyt;
  for (auto _ : state) {
    TPlikDoOdczytu otwarty = Otworz(plik.Wpis());
    benchmark::DoNotOptimize(ZbudujKlucz(otwarty, odczyt));
  }
}

void Rozpoznanie(benchmark::State& state) {
  const TPlikWFolderze plik(state);
  TRozpoznanie wynik;
  for (auto _ : state) {
    Rozpoznaj(plik.Wpis(), wynik);
    benchmark::DoNotOptimize(wynik.Kandydaci.data());
  }
  if (wynik.Stan != TStanRozpoznania::Rozpoznany) state.SkipWithError("the file is not recognised");
}

template <void (*Dopisz)(std::string&, std::string_view, const TRozpoznanie&)>
void Wypis(benchmark::State& state) {
  const TPlikWFolderze plik(state);
  TRozpoznanie wynik;
  Rozpoznaj(plik.Wpis(), wynik);
  std::string wyjscie;
  for (auto _ : state) {
    wyjscie.clear();
    Dopisz(wyjscie, plik.Wpis().Sciezka, wynik);
    benchmark::DoNotOptimize(wyjscie.data());
  }
}

// With the memo of the rows' words that each of rozpoznik-cli's threads keeps.
void Opis(std::string& Wyjscie, std::string_view Sciezka, const TRozpoznanie& Wynik) {
  static TTekstyWierszy teksty;
  DopiszOpis(Wyjscie, Sciezka, Wynik, false, teksty);
}

}  // namespace

BENCHMARK(SamoOtwarcie)->DenseRange(0, 2);
BENCHMARK(Klucz)->DenseRange(0, 2);
BENCHMARK(Rozpoznanie)->DenseRange(0, 2);
BENCHMARK(Wypis<Opis>)->Name("Opis")->DenseRange(0, 2);
BENCHMARK(Wypis<DopiszJson>)->Name("Json")->DenseRange(0, 2);
