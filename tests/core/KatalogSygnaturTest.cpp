// The signature table as the lookup meets it: every row found from its own signature, and the
// shape of the signatures that the search by halving has to cope with.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/Katalog.h"
#include "engine/ObslugaBaz.h"

namespace {

std::string_view Sygnatura(std::size_t wiersz) {
  return BazaSygnatur[wiersz].Sygnatura.Tekst();
}

std::vector<std::size_t> WierszeGdzie(bool (*warunek)(std::string_view)) {
  std::vector<std::size_t> wiersze;
  for (std::size_t i = 0; i < RozmiarBazySygnatur; ++i) {
    if (warunek(Sygnatura(i))) wiersze.push_back(i);
  }
  return wiersze;
}

}  // namespace

// The search by halving lands on one row of many that fit, and the scans around it must gather
// the rest: a file that starts with any row's signature, named with its extension, gets that row.
TEST(KatalogSygnatur, KazdyWierszZnalezionyZeSwojejSygnatury) {
  for (std::size_t i = 0; i < RozmiarBazySygnatur; ++i) {
    const TOpisPliku& wiersz = BazaSygnatur[i];
    std::string hex(Sygnatura(i));
    hex.resize(160, '0');
    TOpisPliku klucz;
    klucz.Sygnatura.Ustaw(hex);
    klucz.Rozszerzenie = wiersz.Rozszerzenie;
    TKandydaci kandydaci;
    EXPECT_TRUE(RozpoznajKlucz(klucz, kandydaci, BezSuplementu)) << "row " << i;
    EXPECT_NE(std::ranges::find(kandydaci, &wiersz), kandydaci.end()) << "row " << i;
  }
}

TEST(KatalogSygnatur, DlugosciSygnatur) {
  EXPECT_EQ(WierszeGdzie([](std::string_view s) { return s.size() % 2 == 1; }),
            (std::vector<std::size_t>{7, 10, 53, 293, 447, 449, 465}));
  EXPECT_EQ(WierszeGdzie([](std::string_view s) { return s.size() == 2; }),
            (std::vector<std::size_t>{35, 58, 380, 428, 470}));
  EXPECT_EQ(WierszeGdzie([](std::string_view s) { return s.size() == 144; }),
            (std::vector<std::size_t>{216}));
  EXPECT_EQ(WierszeGdzie([](std::string_view s) { return s.size() < 2 || s.size() > 144; }),
            (std::vector<std::size_t>{}));
}

TEST(KatalogSygnatur, SerieRownychSygnatur) {
  std::size_t serii = 0, wierszyWSeriach = 0, najdluzsza = 0, poczatekNajdluzszej = 0;
  for (std::size_t i = 0; i < RozmiarBazySygnatur;) {
    std::size_t j = i + 1;
    while (j < RozmiarBazySygnatur && Sygnatura(j) == Sygnatura(i)) ++j;
    if (j - i > 1) {
      ++serii;
      wierszyWSeriach += j - i;
      if (j - i > najdluzsza) {
        najdluzsza = j - i;
        poczatekNajdluzszej = i;
      }
    }
    i = j;
  }
  EXPECT_EQ(serii, 36u);
  EXPECT_EQ(wierszyWSeriach, 98u);
  EXPECT_EQ(najdluzsza, 11u);
  EXPECT_EQ(poczatekNajdluzszej, 279u);
  EXPECT_EQ(Sygnatura(279), "4D5A");
}

TEST(KatalogSygnatur, ParyPrefiksow) {
  std::size_t par = 0;
  for (std::size_t a = 0; a < RozmiarBazySygnatur; ++a) {
    for (std::size_t b = 0; b < RozmiarBazySygnatur; ++b) {
      if (Sygnatura(a).size() < Sygnatura(b).size() && Sygnatura(b).starts_with(Sygnatura(a)))
        ++par;
    }
  }
  EXPECT_EQ(par, 178u);
  for (std::size_t b = 1; b <= 19; ++b) EXPECT_TRUE(Sygnatura(b).starts_with(Sygnatura(0))) << b;
}

// No key extension ever equals these: the key keeps up to six characters and holds no "." or "*".
TEST(KatalogSygnatur, PieciznakoweRozszerzenia) {
  std::vector<std::string_view> wiersze;
  std::set<std::string_view> rozne;
  for (const TOpisPliku& w : BazaSygnatur) {
    if (w.Rozszerzenie.Dlugosc == 5) {
      wiersze.push_back(w.Rozszerzenie.Tekst());
      rozne.insert(w.Rozszerzenie.Tekst());
    }
  }
  EXPECT_EQ(wiersze.size(), 18u);
  EXPECT_EQ(rozne, (std::set<std::string_view>{"DS_ST", "TAR.G", "CAKEW", "WINAL", "PACKA", "DSSAV",
                                               "ASHDI", "TORRE", "PANDO", "SFVID", "CLASS", "CFOSS",
                                               "PITY*"}));
}
