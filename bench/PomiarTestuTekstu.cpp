// Throughput of the text-content test, which reads a text file to its end: a file of 256 MiB
// that is already in the page cache.

#include <benchmark/benchmark.h>

#include <cstddef>
#include <string>

#include "PlikPomiarowy.h"
#include "engine/ObslugaBaz.h"

namespace {

constexpr std::size_t RozmiarPliku = std::size_t{256} << 20;

// Written once per run; writing it leaves it in the page cache.
const TPlikPomiarowy& DuzyPlikTekstowy() {
  static const TPlikPomiarowy plik = [] {
    const std::string linia = "Zażółć gęślą jaźń\tw zwykłym tekście, linia za linią.\r\n";
    std::string tresc;
    tresc.reserve(RozmiarPliku);
    while (tresc.size() + linia.size() <= RozmiarPliku) tresc += linia;
    tresc.resize(RozmiarPliku, ' ');
    return TPlikPomiarowy("rozpoznik-pomiar-256MiB.txt", tresc);
  }();
  return plik;
}

void TestTekstu(benchmark::State& state) {
  const std::string sciezka = DuzyPlikTekstowy().Sciezka();
  if (!CzyPlikTekstowy(sciezka)) {
    state.SkipWithError("the measured file is not text");
    return;
  }
  for (auto _ : state) benchmark::DoNotOptimize(CzyPlikTekstowy(sciezka));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(RozmiarPliku));
}

}  // namespace

BENCHMARK(TestTekstu)->Unit(benchmark::kMillisecond)->UseRealTime();
