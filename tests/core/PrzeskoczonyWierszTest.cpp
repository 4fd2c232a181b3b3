// The search by halving can step over a fitting row and report none; the lookup then lands on
// the first row of the longest fitting signature, so that no fitting row of the signature table
// is lost. Where the search hits, the lookup is what it always was.

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "catalogue/Katalog.h"
#include "engine/ObslugaBaz.h"
#include "tests/core/Kandydaci.h"

namespace {

const std::string GzipZNazwa("\x1F\x8B\x08\x08\x5C\x3A\x6E\x65\x00\x03plik.txt\x00", 19);

// The order the lookup gives its signature candidates: the landing row, the fitting rows
// behind it going up, then those before it going down.
std::vector<TKandydat> KandydaciZBazySygnatur(const std::string& hex, int ladowanie) {
  std::vector<TKandydat> wynik;
  const auto pasuje = [&](std::size_t w) {
    return hex.starts_with(BazaSygnatur[w].Sygnatura.Tekst());
  };
  if (ladowanie < 0) return wynik;
  const auto n = static_cast<std::size_t>(ladowanie);
  wynik.push_back(Kandydat(BazaSygnatur[n]));
  for (std::size_t w = n + 1; w < RozmiarBazySygnatur; ++w) {
    if (pasuje(w)) wynik.push_back(Kandydat(BazaSygnatur[w]));
  }
  for (std::size_t w = n; w-- > 0;) {
    if (pasuje(w)) wynik.push_back(Kandydat(BazaSygnatur[w]));
  }
  return wynik;
}

// The first row, in table order, of the longest signature that begins the key.
int PierwszyNajdluzszyPasujacy(const std::string& hex) {
  int najlepszy = -1;
  for (std::size_t w = 0; w < RozmiarBazySygnatur; ++w) {
    const std::string_view s = BazaSygnatur[w].Sygnatura.Tekst();
    if (hex.starts_with(s) &&
        (najlepszy < 0 ||
         s.size() > BazaSygnatur[static_cast<std::size_t>(najlepszy)].Sygnatura.Dlugosc)) {
      najlepszy = static_cast<int>(w);
    }
  }
  return najlepszy;
}

}  // namespace

TEST(PrzeskoczonyWiersz, GzipZZapisanaNazwa) {
  const TOpisPliku klucz = KluczZBajtow(GzipZNazwa, "GZ");
  EXPECT_EQ(SzukajSygnatury(klucz, BazaSygnatur), -1);
  TWynikWyszukiwania r;
  // The catalogue alone: under the name .gz the supplement's gzip row answers first.
  EXPECT_NO_THROW(r = Rozpoznaj(klucz, NieistniejacyPlik, BezSuplementu));
  EXPECT_EQ(r.Kandydaci, Kandydaci(BazaSygnatur, {64}));
}

TEST(PrzeskoczonyWiersz, ZrodloCZaczynajaceSieOdKomentarza) {
  const TOpisPliku klucz = KluczZBajtow("/* main.c */\n#include <stdio.h>\n", "C");
  EXPECT_EQ(SzukajSygnatury(klucz, BazaSygnatur), -1);
  EXPECT_EQ(Rozpoznaj(klucz).Kandydaci, Kandydaci(BazaSygnatur, {94}));
}

// The text table is not consulted once the signature fits, and no candidate has the extension
// TXT, so the filter leaves the one row as it is.
TEST(PrzeskoczonyWiersz, KomentarzWPlikuTxt) {
  for (const char* poczatek : {"/* a", "/*\r\n"}) {
    SCOPED_TRACE(poczatek);
    TWynikWyszukiwania r;
    EXPECT_NO_THROW(r = Rozpoznaj(KluczZBajtow(poczatek, "TXT"), NieistniejacyPlik));
    EXPECT_EQ(r.Kandydaci, Kandydaci(BazaSygnatur, {94}));
  }
}

// Every signature of the table, as the start of a file, brings every row it fits, in the order of
// the search when the search hits, and from the longest fitting signature when it does not. The
// supplement is left out: a row of it without an extension would keep only itself.
TEST(PrzeskoczonyWiersz, KazdaSygnaturaTabeliZnajdujeWszystkiePasujaceWiersze) {
  std::size_t nieTrafionych = 0;
  for (std::size_t w = 0; w < RozmiarBazySygnatur; ++w) {
    for (const char dopelnienie : {'0', 'F'}) {
      std::string hex(BazaSygnatur[w].Sygnatura.Tekst());
      hex.resize(160, dopelnienie);
      const TOpisPliku klucz = KluczZHex(hex, "");
      const int trafienie = SzukajSygnatury(klucz, BazaSygnatur);
      if (trafienie < 0) ++nieTrafionych;
      const std::vector<TKandydat> oczekiwani =
          KandydaciZBazySygnatur(hex, trafienie >= 0 ? trafienie : PierwszyNajdluzszyPasujacy(hex));
      const TWynikWyszukiwania r = Rozpoznaj(klucz, NieistniejacyPlik, BezSuplementu);
      ASSERT_GE(r.Kandydaci.size(), oczekiwani.size()) << hex;
      EXPECT_EQ(std::vector(r.Kandydaci.begin(),
                            r.Kandydaci.begin() + static_cast<std::ptrdiff_t>(oczekiwani.size())),
                oczekiwani)
          << hex;
    }
  }
  // The halving does step over rows of this table; otherwise this test would prove nothing.
  EXPECT_GT(nieTrafionych, 0u);
}
