#include "tests/core/WierszeOczekiwane.h"

#include <gtest/gtest.h>

void SprawdzWiersz(const TOpisPliku& wiersz, const TWierszOczekiwany& oczekiwany) {
  SCOPED_TRACE("row " + std::to_string(oczekiwany.Wiersz));
  std::string programy;
  for (const std::string_view nazwa : oczekiwany.Programy) {
    if (!programy.empty()) programy += '\r';
    programy += nazwa;
  }
  EXPECT_EQ(wiersz.Rozszerzenie.Tekst(), oczekiwany.Rozszerzenie);
  EXPECT_EQ(wiersz.Sygnatura.Tekst(), oczekiwany.Sygnatura);
  EXPECT_EQ(wiersz.Typ.Tekst(), Cp1250(oczekiwany.Typ));
  EXPECT_EQ(wiersz.Kategoria.Tekst(), Cp1250(oczekiwany.Kategoria));
  EXPECT_EQ(wiersz.Programy.Tekst(), Cp1250(programy));
}
