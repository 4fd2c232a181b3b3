#include <mutex>
#include <random>

#include "update/SciezkaProgramu.h"
#include "update/SprawdzCzyNowaWersja.h"
#include "update/Zegar.h"

namespace {

// One generator for the whole run, seeded when first used, so that the number differs from
// one start of the program to the next.
int LosujDoZapytania() {
  static std::mutex straz;
  static std::mt19937 generator{std::random_device{}()};
  const std::lock_guard blokada(straz);
  return std::uniform_int_distribution<int>(0, 9998)(generator);
}

}  // namespace

TSrodowiskoAktualizacji SrodowiskoProgramu() {
  const TSciezkaProgramu program = SciezkaProgramu();
  // With no folder known, an empty path counts as a missing marker, rather than a "readme.txt"
  // in whatever folder the program was started from.
  return {.SciezkaZnacznika = program.Katalog.empty() ? "" : program.Katalog + "readme.txt",
          .Teraz = TerazLokalnie,
          .Losuj = LosujDoZapytania};
}
