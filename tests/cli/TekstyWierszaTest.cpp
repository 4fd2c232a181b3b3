// The text output's words of a row are converted once per thread and kept: what is kept must be
// that row's own, in every thread, however many rows came before.

#include <gtest/gtest.h>

#include <span>
#include <thread>
#include <vector>

#include "catalogue/Katalog.h"
#include "cli/Programy.h"
#include "cli/TekstyWiersza.h"
#include "text/Cp1250.h"

namespace {

// Every row of the catalogue's tables, twice over, so that the second pass reads what the first
// one kept.
void SprawdzWszystkieWiersze() {
  for (int przebieg = 0; przebieg < 2; ++przebieg) {
    for (const std::span<const TOpisPliku> tabela :
         {std::span<const TOpisPliku>(BazaSygnatur), std::span<const TOpisPliku>(BazaWzorcow),
          std::span<const TOpisPliku>(BazaTekstowa), std::span<const TOpisPliku>(SuplementSygnatur),
          std::span<const TOpisPliku>(SuplementTekstowy)}) {
      for (const TOpisPliku& wiersz : tabela) {
        const TTekstyWiersza& teksty = TekstyWiersza(wiersz);
        ASSERT_EQ(teksty.Typ, cp1250::NaUtf8(wiersz.Typ.Tekst()));
        ASSERT_EQ(teksty.Kategoria, cp1250::NaUtf8(wiersz.Kategoria.Tekst()));
        std::string programy;
        if (!DopiszProgramy(programy, wiersz, ", ")) programy = "(none)";
        ASSERT_EQ(teksty.Programy, programy);
      }
    }
  }
}

}  // namespace

TEST(TekstyWiersza, KazdyWierszMaSwojeTekstyWKazdymWatku) {
  std::vector<std::thread> watki;
  for (int i = 0; i < 3; ++i) watki.emplace_back(SprawdzWszystkieWiersze);
  SprawdzWszystkieWiersze();
  for (std::thread& w : watki) w.join();
}

TEST(TekstyWiersza, ProgramyPoPrzecinkuWUtf8) {
  // Kept for the program's life, as the catalogue's rows are: a row is known by its address.
  static const TOpisPliku wiersz = [] {
    TOpisPliku w;
    w.Typ.Ustaw("Obraz JPEG");
    w.Programy.Ustaw(
        "Przegl\xB9"
        "darka\rGIMP");
    return w;
  }();
  static const TOpisPliku bezProgramow;
  EXPECT_EQ(TekstyWiersza(wiersz).Programy, "Przeglądarka, GIMP");
  EXPECT_EQ(TekstyWiersza(bezProgramow).Programy, "(none)");
}
