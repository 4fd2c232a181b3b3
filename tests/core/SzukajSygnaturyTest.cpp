// The rows that the search by halving probes in the real signature table, and where it stops.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "catalogue/IndeksWierszy.h"
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

// The lookup starts the search where its first steps leave it for the key's first byte. From
// there it must land where the whole search lands, for keys that fit a row (at the row's length
// and at full length), keys that pass between rows, and random keys of every first byte.
TEST(SzukajSygnatury, OdZakresuPierwszegoBajtuJakOdCalejTabeli) {
  std::vector<std::string> klucze;
  for (const TOpisPliku& wiersz : BazaSygnatur) {
    const std::string hex(wiersz.Sygnatura.Tekst());
    klucze.push_back(hex);
    klucze.push_back(hex.substr(0, 3));  // one digit past the first byte
    for (const char dopelnienie : {'0', '7', 'F'}) {
      klucze.push_back(hex + std::string(160 - hex.size(), dopelnienie));
    }
  }
  std::mt19937 los(9);
  std::uniform_int_distribution<int> cyfra(0, 15);
  for (int bajt = 0; bajt < 256; ++bajt) {
    for (int i = 0; i < 20; ++i) {
      std::string hex = {"0123456789ABCDEF"[bajt / 16], "0123456789ABCDEF"[bajt % 16]};
      for (int d = 0; d < 2 * i; ++d) hex += "0123456789ABCDEF"[cyfra(los)];
      klucze.push_back(hex);
    }
  }
  for (const std::string& hex : klucze) {
    const TOpisPliku klucz = KluczZHex(hex, "");
    const std::size_t bajt = indeks::GrupaKlucza(hex);
    ASSERT_LT(bajt, ZakresySzukaniaBazySygnatur.size()) << hex;
    const TZakresSzukania zakres = ZakresySzukaniaBazySygnatur[bajt];
    EXPECT_EQ(SzukajSygnatury(klucz, BazaSygnatur, zakres), SzukajSygnatury(klucz, BazaSygnatur))
        << hex;
  }
  // The bounds spare the search most of its steps: over all first bytes, they leave fewer than a
  // tenth of the rows on average. (The byte of the first row probed leaves them all.)
  std::size_t szerokosc = 0;
  for (const TZakresSzukania& z : ZakresySzukaniaBazySygnatur) {
    szerokosc += static_cast<std::size_t>(z.Gora - z.Dol - 1);
  }
  EXPECT_LT(szerokosc, ZakresySzukaniaBazySygnatur.size() * RozmiarBazySygnatur / 10);
}
