#include "cli/TekstyWiersza.h"

#include "cli/Programy.h"
#include "text/Cp1250.h"

const TTekstyWiersza& TTekstyWierszy::Teksty(const TOpisPliku& Wiersz) {
  const auto [miejsce, nowy] = znane_.try_emplace(&Wiersz);
  TTekstyWiersza& teksty = miejsce->second;
  if (nowy) {
    cp1250::DopiszUtf8(teksty.Typ, Wiersz.Typ.Tekst());
    cp1250::DopiszUtf8(teksty.Kategoria, Wiersz.Kategoria.Tekst());
    if (!DopiszProgramy(teksty.Programy, Wiersz, ", ")) teksty.Programy = "(none)";
  }
  return teksty;
}
