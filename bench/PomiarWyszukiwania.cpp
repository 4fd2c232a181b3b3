// One lookup with the key already built, for a key the signature table knows, for one nothing
// knows (the text test then opens the file and stops at its first byte) and for a text file
// that ends in the text table.

#include <benchmark/benchmark.h>

#include <string>

#include "PlikPomiarowy.h"
#include "engine/Klucz.h"
#include "engine/ObslugaBaz.h"

namespace {

using namespace std::string_literals;

void ZmierzWyszukiwanie(benchmark::State& state, std::string_view nazwa, const std::string& tresc,
                        bool oczekiwanyWynik) {
  const TPlikPomiarowy plik(nazwa, tresc);
  const std::string sciezka = plik.Sciezka();
  const TOdczytPliku klucz = ZbudujKlucz(sciezka);
  TListaTekstow typy, rozszerzenia, kategorie, programy;
  if (RozpoznajPlik(klucz.Klucz, sciezka, typy, rozszerzenia, kategorie, programy) !=
      oczekiwanyWynik) {
    state.SkipWithError("the file is not identified the way this measurement assumes");
    return;
  }
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        RozpoznajPlik(klucz.Klucz, sciezka, typy, rozszerzenia, kategorie, programy));
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
