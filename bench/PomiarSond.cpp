// One file identified whole (opened, its key read, looked up), with the probes and without them:
// an ordinary file meets no probe's condition and costs the same; a file that nothing fits, or
// one that starts with zeros, pays for the probes' reads.

#include <benchmark/benchmark.h>

#include <string>

#include "PlikPomiarowy.h"
#include "engine/Rozpoznanie.h"

namespace {

using namespace std::string_literals;

const TSuplement BezSond{SuplementSygnatur, SuplementTekstowy};

void Zmierz(benchmark::State& state, std::string_view nazwa, const std::string& tresc,
            const TSuplement& suplement) {
  const TPlikPomiarowy plik(nazwa, tresc);
  TRozpoznanie wynik;
  for (auto _ : state) {
    Rozpoznaj(plik.Sciezka(), wynik, suplement);
    benchmark::DoNotOptimize(wynik.Kandydaci.data());
  }
}

const std::string Png =
    "\x89PNG\r\n\x1A\n\0\0\0\rIHDR\0\0\0\x10\0\0\0\x10\x08\x06\0\0\0"s + std::string(8192, '\x01');
// Nothing fits its first bytes, and it is not text.
const std::string Nieznany = "\x01\x02\x03\x04\x05\x06\x07\x08"s + std::string(70000, '\x01');
// A disk image's empty first sectors.
const std::string Zera = std::string(70000, '\0');

void ZwyklyPlikZSondami(benchmark::State& state) {
  Zmierz(state, "rozpoznik-sonda.png", Png, SuplementKatalogu);
}
void ZwyklyPlikBezSond(benchmark::State& state) {
  Zmierz(state, "rozpoznik-sonda.png", Png, BezSond);
}
void NieznanyPlikZSondami(benchmark::State& state) {
  Zmierz(state, "rozpoznik-sonda.bin", Nieznany, SuplementKatalogu);
}
void NieznanyPlikBezSond(benchmark::State& state) {
  Zmierz(state, "rozpoznik-sonda.bin", Nieznany, BezSond);
}
void ZeraZSondami(benchmark::State& state) {
  Zmierz(state, "rozpoznik-sonda.img", Zera, SuplementKatalogu);
}
void ZeraBezSond(benchmark::State& state) {
  Zmierz(state, "rozpoznik-sonda.img", Zera, BezSond);
}

}  // namespace

BENCHMARK(ZwyklyPlikZSondami);
BENCHMARK(ZwyklyPlikBezSond);
BENCHMARK(NieznanyPlikZSondami);
BENCHMARK(NieznanyPlikBezSond);
BENCHMARK(ZeraZSondami);
BENCHMARK(ZeraBezSond);
