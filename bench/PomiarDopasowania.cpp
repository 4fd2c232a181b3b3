// The lookup alone, on a key already in memory: what a file costs beyond opening and reading it.
// A hit in the catalogue's own tables, a hit that only the supplement knows, a miss, and a text
// file named as a text format (whose lookup also runs the text test on the open file).

#include <benchmark/benchmark.h>

#include <optional>
#include <string>

#include "PlikPomiarowy.h"
#include "engine/Klucz.h"
#include "engine/ObslugaBaz.h"

namespace {

using namespace std::string_literals;

// The key as the program builds it, from a file written for the measurement.
std::optional<TOdczytPliku> Klucz(std::string_view nazwa, const std::string& tresc) {
  const TPlikPomiarowy plik(nazwa, tresc);
  TPlikDoOdczytu otwarty(plik.Sciezka());
  TOdczytPliku odczyt;
  if (!ZbudujKlucz(otwarty, odczyt)) return std::nullopt;
  return odczyt;
}

void ZmierzKlucz(benchmark::State& state, std::string_view nazwa, const std::string& tresc,
                 bool oczekiwanyWynik) {
  const std::optional<TOdczytPliku> odczyt = Klucz(nazwa, tresc);
  TKandydaci kandydaci;
  if (!odczyt || RozpoznajKlucz(odczyt->Klucz, kandydaci) != oczekiwanyWynik) {
    state.SkipWithError("the key is not looked up the way this measurement assumes");
    return;
  }
  for (auto _ : state) {
    benchmark::DoNotOptimize(RozpoznajKlucz(odczyt->Klucz, kandydaci));
    benchmark::DoNotOptimize(kandydaci.data());
  }
}

void KluczTrafienieWKatalogu(benchmark::State& state) {
  ZmierzKlucz(state, "rozpoznik-klucz.png",
              "\x89PNG\r\n\x1A\n\0\0\0\rIHDR\0\0\0\x10\0\0\0\x10\x08\x06\0\0\0"s, true);
}

void KluczTrafienieTylkoWSuplemencie(benchmark::State& state) {
  ZmierzKlucz(state, "rozpoznik-klucz.wasm", "\0asm\x01\0\0\0\x01\x04\x01\x60\0\0"s, true);
}

void KluczChybienie(benchmark::State& state) {
  ZmierzKlucz(state, "rozpoznik-klucz.bin",
              "\x01\x02\x03\x04\x05\x06\x07\x08\0\0\0\0\x09\x0A\x0B\x0C"s + std::string(64, '\x01'),
              false);
}

void KluczPlikuTekstowego(benchmark::State& state) {
  const TPlikPomiarowy plik("rozpoznik-klucz.txt",
                            "Zwykła notatka, zapisana w UTF-8.\nDruga linia notatki.\n");
  TPlikDoOdczytu otwarty(plik.Sciezka());
  TOdczytPliku odczyt;
  TKandydaci kandydaci;
  if (!ZbudujKlucz(otwarty, odczyt) || !RozpoznajPlik(odczyt.Klucz, otwarty, kandydaci)) {
    state.SkipWithError("the text file is not found in the text table");
    return;
  }
  for (auto _ : state) {
    benchmark::DoNotOptimize(RozpoznajPlik(odczyt.Klucz, otwarty, kandydaci));
    benchmark::DoNotOptimize(kandydaci.data());
  }
}

}  // namespace

BENCHMARK(KluczTrafienieWKatalogu);
BENCHMARK(KluczTrafienieTylkoWSuplemencie);
BENCHMARK(KluczChybienie);
BENCHMARK(KluczPlikuTekstowego);
