// The one way a file is identified: one opening for the key and the lookup, one result that says
// which of the three outcomes it is; and the key-only lookup for reports without a file.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "catalogue/Katalog.h"
#include "engine/Rozpoznanie.h"
#include "tests/core/PlikiTestowe.h"

namespace {

class Rozpoznanie : public TTestZPlikami {};

TOpisPliku KluczWiersza(const TOpisPliku& Wiersz) {
  std::string hex(Wiersz.Sygnatura.Tekst());
  std::ranges::replace(hex, '*', '0');
  hex.resize(160, '0');
  TOpisPliku klucz;
  klucz.Sygnatura.Ustaw(hex);
  klucz.Rozszerzenie = Wiersz.Rozszerzenie;
  return klucz;
}

}  // namespace

// The result tells the three outcomes apart, and one reused for the next file keeps nothing of
// the file before: neither its candidates, nor its key, nor its error.
TEST_F(Rozpoznanie, TrzyWynikiIWynikUzytyPonownie) {
  const std::string png = folder_.Zapisz("obraz.png", "\x89PNG\r\n\x1A\n");
  const std::string nieznany = folder_.Zapisz("dane.xyz", std::string("\x01\x02\x03\x04", 4));
  const std::string brak = folder_.Sciezka("brak.png");
  TRozpoznanie wynik;

  Rozpoznaj(png, wynik);
  ASSERT_EQ(wynik.Stan, TStanRozpoznania::Rozpoznany);
  EXPECT_FALSE(wynik.Kandydaci.empty());
  EXPECT_EQ(wynik.Odczyt.Klucz.Rozszerzenie.Tekst(), "PNG");
  EXPECT_EQ(wynik.Odczyt.Rozmiar, 8);
  EXPECT_EQ(Opis(wynik.Odczyt), Opis(ZbudujKlucz(png)));
  TKandydaci oczekiwani;
  TPlikDoOdczytu plik(png);
  RozpoznajPlik(wynik.Odczyt.Klucz, plik, oczekiwani);
  EXPECT_EQ(wynik.Kandydaci, oczekiwani);

  Rozpoznaj(brak, wynik);
  EXPECT_EQ(wynik.Stan, TStanRozpoznania::Nieczytelny);
  EXPECT_EQ(wynik.OpisBledu, OpisBrakuPliku());
  EXPECT_TRUE(wynik.Kandydaci.empty());
  EXPECT_EQ(wynik.Odczyt.Rozmiar, 0);
  EXPECT_EQ(wynik.Odczyt.Klucz.Rozszerzenie.Tekst(), "");

  Rozpoznaj(nieznany, wynik);
  EXPECT_EQ(wynik.Stan, TStanRozpoznania::Nierozpoznany);
  EXPECT_EQ(wynik.OpisBledu, "");
  EXPECT_TRUE(wynik.Kandydaci.empty());
  EXPECT_EQ(wynik.Odczyt.TekstSzesnastkowy.substr(0, 10), "0102030400");
  EXPECT_EQ(wynik.Odczyt.Klucz.Rozszerzenie.Tekst(), "XYZ");
}

// A folder is not identified from zeros, for which the catalogue has candidates.
TEST_F(Rozpoznanie, FolderNieczytelny) {
  TRozpoznanie wynik;
  Rozpoznaj(Utf8(folder_.Sciezka()), wynik);
  EXPECT_EQ(wynik.Stan, TStanRozpoznania::Nieczytelny);
  EXPECT_FALSE(wynik.OpisBledu.empty());
  EXPECT_TRUE(wynik.Kandydaci.empty());
}

// The text formats need the whole file: a key alone never reaches them, and never fails for it.
TEST(RozpoznajKlucz, BezPlikuBezFormatowTekstowych) {
  TOpisPliku klucz;
  klucz.Sygnatura.Ustaw(std::string(160, '4'));  // "DDDD..." is text
  klucz.Rozszerzenie.Ustaw("TXT");
  TKandydaci kandydaci{&BazaTekstowa[0]};
  EXPECT_FALSE(RozpoznajKlucz(klucz, kandydaci));
  EXPECT_TRUE(kandydaci.empty());
}

// Every signature row of the supplement is found from a key that starts with it, also where no
// row of the catalogue's own tables fits and a lookup with a file would go on to the text test.
TEST(RozpoznajKlucz, KazdyWierszSuplementuSygnatur) {
  for (const TOpisPliku& wiersz : SuplementSygnatur) {
    TKandydaci kandydaci;
    EXPECT_TRUE(RozpoznajKlucz(KluczWiersza(wiersz), kandydaci)) << wiersz.Sygnatura.Tekst();
    EXPECT_NE(std::ranges::find(kandydaci, &wiersz), kandydaci.end()) << wiersz.Sygnatura.Tekst();
  }
}
