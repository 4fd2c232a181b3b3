// One file identified as the window and rozpoznik-cli identify it (opening, key, lookup), for a
// file the signature table knows, for one nothing knows (the text test then stops at its first
// non-text byte) and for a text file that ends in the text table.

#include <benchmark/benchmark.h>

#include <string>

#include "PlikPomiarowy.h"
#include "engine/Rozpoznanie.h"

namespace {

using namespace std::string_literals;

void ZmierzWyszukiwanie(benchmark::State& state, std::string_view nazwa, const std::string& tresc,
                        bool oczekiwanyWynik) {
  const TPlikPomiarowy plik(nazwa, tresc);
  const std::string sciezka = plik.Sciezka();
  TRozpoznanie wynik;
  Rozpoznaj(sciezka, wynik);
  if ((wynik.Stan == TStanRozpoznania::Rozpoznany) != oczekiwanyWynik) {
    state.SkipWithError("the file is not identified the way this measurement assumes");
    return;
  }
  for (auto _ : state) {
    Rozpoznaj(sciezka, wynik);
    benchmark::DoNotOptimize(wynik.Kandydaci.data());
  }
}

void Trafienie(benchmark::State& state) {
  ZmierzWyszukiwanie(state, "rozpoznik-pomiar.png",
                     "\x89PNG\r\n\x1A\n\0\0\0\rIHDR\0\0\0\x10\0\0\0\x10\x08\x06\0\0\0"s, true);
}

void Chybienie(benchmark::State& state) {
  ZmierzWyszukiwanie(
      state, "rozpoznik-pomiar.bin",
      "\x01\x02\x03\x04\x05\x06\x07\x08\0\0\0\0\x09\x0A\x0B\x0C"s + std::string(496, '\0'), false);
}

void TabelaTekstowa(benchmark::State& state) {
  ZmierzWyszukiwanie(state, "rozpoznik-pomiar.txt",
                     "Zwykła notatka, zapisana w UTF-8.\nDruga linia notatki.\n", true);
}

}  // namespace

BENCHMARK(Trafienie);
BENCHMARK(Chybienie);
BENCHMARK(TabelaTekstowa);
