// The rows that the search by halving probes in the real signature table, and where it stops.

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "catalogue/Katalog.h"
#include "engine/ObslugaBaz.h"
#include "tests/core/Kandydaci.h"

namespace {

// The probe path, seen from outside the search: a row is probed exactly when making it fit the
// key makes the search stop there, and of two probed rows made to fit, the search stops at the
// one it probes first. The row where it stops on the real table closes the path.
std::vector<int> SciezkaProb(const TOpisPliku& klucz) {
  std::vector<TOpisPliku> tabela(BazaSygnatur.begin(), BazaSygnatur.end());
  const auto dopasuj = [&](int wiersz) {
    tabela[static_cast<std::size_t>(wiersz)].Sygnatura = klucz.Sygnatura;
  };
  const auto przywroc = [&](int wiersz) {
    tabela[static_cast<std::size_t>(wiersz)] = BazaSygnatur[static_cast<std::size_t>(wiersz)];
  };
  const int koniec = SzukajSygnatury(klucz, tabela);
  std::vector<int> proby;
  for (int w = 0; w < static_cast<int>(RozmiarBazySygnatur); ++w) {
    if (w == koniec) continue;
    dopasuj(w);
    if (SzukajSygnatury(klucz, tabela) == w) proby.push_back(w);
    przywroc(w);
  }
  std::sort(proby.begin(), proby.end(), [&](int a, int b) {
    dopasuj(a);
    dopasuj(b);
    const bool wczesniej = SzukajSygnatury(klucz, tabela) == a;
    przywroc(a);
    przywroc(b);
    return wczesniej;
  });
  if (koniec != -1) proby.push_back(koniec);
  return proby;
}

}  // namespace

TEST(SzukajSygnatury, ZipZatrzymujeSieNaWierszu316) {
  const TOpisPliku klucz = KluczZHex("504B0304140000000800", "ZIP");
  EXPECT_EQ(SzukajSygnatury(klucz, BazaSygnatur), 316);
  EXPECT_EQ(SciezkaProb(klucz), (std::vector<int>{244, 366, 305, 335, 320, 312, 316}));
}

TEST(SzukajSygnatury, GzipZNazwaMijaWiersz1F8B08) {
  const TOpisPliku klucz = KluczZHex("1F8B0808", "GZ");
  EXPECT_EQ(SzukajSygnatury(klucz, BazaSygnatur), -1);
  EXPECT_EQ(SciezkaProb(klucz), (std::vector<int>{244, 121, 60, 90, 75, 67, 63, 65, 66}));
}

TEST(SzukajSygnatury, KomentarzCZeSpacjaMijaWiersz2F2A) {
  const TOpisPliku klucz = KluczZBajtow("/* a", "TXT");
  EXPECT_EQ(SzukajSygnatury(klucz, BazaSygnatur), -1);
  EXPECT_EQ(SciezkaProb(klucz), (std::vector<int>{244, 121, 60, 90, 105, 97, 101, 99, 98}));
}

TEST(SzukajSygnatury, TrafieniaPrzykladow) {
  EXPECT_EQ(SzukajSygnatury(KluczZBajtow("/*\r\n", "C"), BazaSygnatur), 94);
  EXPECT_EQ(SzukajSygnatury(KluczZHex("1F8B0800", "GZ"), BazaSygnatur), 65);
  EXPECT_EQ(SzukajSygnatury(KluczZHex("", ""), BazaSygnatur), 2);
}

TEST(SzukajSygnatury, NajwyzejDziewiecProb) {
  for (std::size_t w = 0; w < RozmiarBazySygnatur; ++w) {
    for (const char dopelnienie : {'0', 'F'}) {
      std::string hex(BazaSygnatur[w].Sygnatura.Tekst());
      hex.resize(160, dopelnienie);
      EXPECT_LE(SciezkaProb(KluczZHex(hex, "")).size(), 9u) << hex;
    }
  }
}
