#include "cli/TekstyWiersza.h"

#include <unordered_map>

#include "cli/Programy.h"
#include "text/Cp1250.h"

const TTekstyWiersza& TekstyWiersza(const TOpisPliku& Wiersz) {
  // Rows are constant data that never move, so a row's address names it. Each thread has its own
  // memo: nothing is shared, nothing is locked, and a memo holds at most every row once.
  thread_local std::unordered_map<const TOpisPliku*, TTekstyWiersza> znane;
  const auto [miejsce, nowy] = znane.try_emplace(&Wiersz);
  TTekstyWiersza& teksty = miejsce->second;
  if (nowy) {
    cp1250::DopiszUtf8(teksty.Typ, Wiersz.Typ.Tekst());
    cp1250::DopiszUtf8(teksty.Kategoria, Wiersz.Kategoria.Tekst());
    if (!DopiszProgramy(teksty.Programy, Wiersz, ", ")) teksty.Programy = "(none)";
  }
  return teksty;
}
