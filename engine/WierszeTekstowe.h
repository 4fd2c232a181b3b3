#pragma once

// The rows of a text table that have a name's extension, in table order. The catalogue's own text
// tables are searched through their indexes; any other table given as a supplement row by row.

#include <span>
#include <string_view>

#include "catalogue/IndeksRozszerzen.h"
#include "catalogue/Katalog.h"

template <typename F>
void KazdyWierszRozszerzenia(std::span<const TOpisPliku> Tabela, std::string_view Rozszerzenie,
                             F&& Zrob) {
  const auto indeksowana = [&](std::span<const TOpisPliku> wlasna) {
    return Tabela.data() == wlasna.data() && Tabela.size() == wlasna.size();
  };
  const std::span<const TWpisRozszerzenia> indeks = indeksowana(BazaTekstowa) ? IndeksBazyTekstowej
                                                    : indeksowana(SuplementTekstowy)
                                                        ? IndeksSuplementuTekstowego
                                                        : std::span<const TWpisRozszerzenia>{};
  if (indeks.empty()) {
    for (const TOpisPliku& wiersz : Tabela) {
      if (wiersz.Rozszerzenie.Tekst() == Rozszerzenie) Zrob(wiersz);
    }
    return;
  }
  for (const TWpisRozszerzenia& wpis : indeks::WierszeRozszerzenia(indeks, Rozszerzenie)) {
    Zrob(Tabela[wpis.Wiersz]);
  }
}
