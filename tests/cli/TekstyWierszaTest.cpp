// The text output's words of a row are converted once and kept in the writing thread's memo:
// what is kept must be that row's own, however many rows came before.

#include <gtest/gtest.h>

#include <span>
#include <string>

#include "catalogue/Katalog.h"
#include "cli/Programy.h"
#include "cli/TekstyWiersza.h"
#include "text/Cp1250.h"

// Every row of the catalogue's tables, twice over, so that the second pass reads what the first
// one kept.
TEST(TekstyWiersza, KazdyWierszMaSwojeTeksty) {
  TTekstyWierszy pamiec;
  for (int przebieg = 0; przebieg < 2; ++przebieg) {
    for (const std::span<const TOpisPliku> tabela :
         {std::span<const TOpisPliku>(BazaSygnatur), std::span<const TOpisPliku>(BazaWzorcow),
          std::span<const TOpisPliku>(BazaTekstowa), std::span<const TOpisPliku>(SuplementSygnatur),
          std::span<const TOpisPliku>(SuplementTekstowy)}) {
      for (const TOpisPliku& wiersz : tabela) {
        const TTekstyWiersza& teksty = pamiec.Teksty(wiersz);
        ASSERT_EQ(teksty.Typ, cp1250::NaUtf8(wiersz.Typ.Tekst()));
        ASSERT_EQ(teksty.Kategoria, cp1250::NaUtf8(wiersz.Kategoria.Tekst()));
        std::string programy;
        if (!DopiszProgramy(programy, wiersz, ", ")) programy = "(none)";
        ASSERT_EQ(teksty.Programy, programy);
      }
    }
  }
}

TEST(TekstyWiersza, ProgramyPoPrzecinkuWUtf8) {
  TOpisPliku wiersz;
  wiersz.Typ.Ustaw("Obraz JPEG");
  wiersz.Programy.Ustaw(
      "Przegl\xB9"
      "darka\rGIMP");
  const TOpisPliku bezProgramow;
  TTekstyWierszy pamiec;
  EXPECT_EQ(pamiec.Teksty(wiersz).Programy, "Przeglądarka, GIMP");
  EXPECT_EQ(pamiec.Teksty(bezProgramow).Programy, "(none)");
}
