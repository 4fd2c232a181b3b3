// The index by first byte: a key meets only the rows of its group, so a row that fits a key and
// is missing from the key's group, or that the entry's fixed byte turns away, would be a lost
// answer.

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "catalogue/IndeksRozszerzen.h"
#include "catalogue/IndeksWierszy.h"
#include "catalogue/Katalog.h"
#include "engine/ObslugaBaz.h"
#include "engine/WierszeTekstowe.h"
#include "tests/core/Kandydaci.h"

namespace {

struct TTabelaZIndeksem {
  std::string_view Nazwa;
  std::span<const TOpisPliku> Wiersze;
  const TIndeksWierszy& Indeks;
  bool Prefiksy;  // rows fit as prefixes; otherwise as patterns
};

const std::array<TTabelaZIndeksem, 3> Tabele = {{
    {"BazaSygnatur", BazaSygnatur, IndeksBazySygnatur, true},
    {"BazaWzorcow", BazaWzorcow, IndeksBazyWzorcow, false},
    {"SuplementSygnatur", SuplementSygnatur, IndeksSuplementuSygnatur, false},
}};

// Keys made from every row of the three tables, with each "*" written as one digit, at the
// row's own length (a short file's key) and padded to the full 160 digits; keys that start with
// "*" or with lower-case digits, as a key given from outside may; and random keys.
std::vector<std::string> KluczeProbne() {
  std::vector<std::string> klucze;
  for (const TTabelaZIndeksem& tabela : Tabele) {
    for (const TOpisPliku& wiersz : tabela.Wiersze) {
      for (const char cyfra : {'0', '7', 'F'}) {
        std::string klucz(wiersz.Sygnatura.Tekst());
        std::ranges::replace(klucz, '*', cyfra);
        klucze.push_back(klucz);
        klucz.resize(160, '0');
        klucze.push_back(klucz);
        klucze.push_back("*" + klucz.substr(1));
        klucze.push_back("a" + klucz.substr(1));
      }
    }
  }
  std::mt19937 los(26);
  std::uniform_int_distribution<int> cyfra(0, 15);
  for (int i = 0; i < 2000; ++i) {
    std::string klucz(160, '0');
    for (char& c : klucz) c = "0123456789ABCDEF"[cyfra(los)];
    klucze.push_back(klucz);
  }
  return klucze;
}

TOpisPliku Klucz(std::string_view sygnatura) {
  TOpisPliku klucz;
  klucz.Sygnatura.Ustaw(sygnatura);
  return klucz;
}

}  // namespace

TEST(IndeksWierszy, KazdyPasujacyWierszJestWGrupieKluczaIPrzechodziJejTest) {
  for (const std::string& klucz : KluczeProbne()) {
    const std::size_t grupa = indeks::GrupaKlucza(klucz);
    for (const TTabelaZIndeksem& tabela : Tabele) {
      const std::span<const TWpisIndeksu> wpisy = tabela.Indeks.Grupa(grupa);
      for (std::size_t i = 0; i < tabela.Wiersze.size(); ++i) {
        const std::string_view sygnatura = tabela.Wiersze[i].Sygnatura.Tekst();
        const bool pasuje =
            tabela.Prefiksy ? klucz.starts_with(sygnatura) : PasujeDoWzorca(klucz, sygnatura);
        if (!pasuje) continue;
        const auto wpis = std::ranges::find(wpisy, i, &TWpisIndeksu::Wiersz);
        ASSERT_NE(wpis, wpisy.end()) << tabela.Nazwa << " row " << i << ", key " << klucz;
        EXPECT_TRUE(indeks::MozePasowac(klucz, *wpis))
            << tabela.Nazwa << " row " << i << ", key " << klucz;
        // The quick form on the key's record field lets it through too.
        const bool gwiazdki = klucz.find('*') != std::string::npos;
        EXPECT_TRUE(indeks::MozePasowac(Klucz(klucz).Sygnatura, gwiazdki, *wpis))
            << tabela.Nazwa << " row " << i << ", key " << klucz;
      }
    }
  }
}

TEST(IndeksWierszy, GrupaKlucza) {
  EXPECT_EQ(indeks::GrupaKlucza("89504E47"), 0x89u);
  EXPECT_EQ(indeks::GrupaKlucza("00"), 0u);
  EXPECT_EQ(indeks::GrupaKlucza("FF"), 0xFFu);
  // What the index can't place meets every row.
  for (const std::string_view klucz : {"", "8", "*9504E47", "8*504E47", "a9504E47", "G0"}) {
    EXPECT_EQ(indeks::GrupaKlucza(klucz), GrupaWszystkichWierszy) << klucz;
  }
  EXPECT_EQ(IndeksSuplementuSygnatur.Grupa(GrupaWszystkichWierszy).size(),
            SuplementSygnatur.size());
}

TEST(IndeksWierszy, StalyBajtWpisu) {
  // The last byte with both digits fixed, or none.
  const TWpisIndeksu elf = indeks::Wpis("7F454C46**01**", 3);
  EXPECT_EQ(elf.Wiersz, 3);
  EXPECT_EQ(elf.Pozycja, 10);
  EXPECT_TRUE(indeks::MozePasowac("7F454C460201", elf));
  EXPECT_TRUE(indeks::MozePasowac("7F454C4602*1", elf));
  EXPECT_FALSE(indeks::MozePasowac("7F454C460202", elf));
  EXPECT_FALSE(indeks::MozePasowac("7F454C46020", elf));  // past the key's end only "*" fits

  const TWpisIndeksu mov = indeks::Wpis("********6D646174", 0);
  EXPECT_EQ(mov.Pozycja, 14);
  EXPECT_TRUE(indeks::MozePasowac("000000186D646174", mov));
  EXPECT_FALSE(indeks::MozePasowac("000000186D646175", mov));

  EXPECT_EQ(indeks::Wpis("1F**", 0).Pozycja, 0);
  EXPECT_EQ(indeks::Wpis("0*0*", 0).Pozycja, BezStalegoBajtu);
  EXPECT_TRUE(indeks::MozePasowac("", indeks::Wpis("0*0*", 0)));
}

namespace {

constexpr std::array<TOpisPliku, 3> MalaTabela = [] {
  std::array<TOpisPliku, 3> tabela{};
  tabela[0].Sygnatura.Ustaw("1F8B");
  tabela[1].Sygnatura.Ustaw("**00FF");
  tabela[2].Sygnatura.Ustaw("1F9D");
  return tabela;
}();

}  // namespace

TEST(IndeksWierszy, SprawdzenieOdrzucaZepsutyIndeks) {
  constexpr auto dobry = ZbudujIndeks<MalaTabela>();
  static_assert(IndeksZgodnyZTabela(MalaTabela, dobry));
  // Group 1F: rows 0, 1 and 2; every other group row 1 alone; the last all three.
  EXPECT_EQ(dobry.Widok().Grupa(0x1F).size(), 3u);
  EXPECT_EQ(dobry.Widok().Grupa(0x1E).size(), 1u);

  auto bezWiersza = dobry;
  bezWiersza.Wpisy[bezWiersza.Poczatki[0x1F] + 2] = bezWiersza.Wpisy[bezWiersza.Poczatki[0x1F]];
  EXPECT_FALSE(IndeksZgodnyZTabela(MalaTabela, bezWiersza));

  auto obcyBajt = dobry;
  obcyBajt.Wpisy[obcyBajt.Poczatki[0x00]].Cyfry = {'0', '1'};
  EXPECT_FALSE(IndeksZgodnyZTabela(MalaTabela, obcyBajt));

  auto gwiazdka = dobry;
  gwiazdka.Wpisy[gwiazdka.Poczatki[0x00]].Pozycja = 0;  // "**" is no fixed byte
  EXPECT_FALSE(IndeksZgodnyZTabela(MalaTabela, gwiazdka));
}

// The catalogue's supplement goes through its index; the same rows in a copy of the table have
// none and are tried one by one. Both must give the same candidates in the same order.
TEST(IndeksWierszy, SuplementZIndeksemJakPrzegladanyWierszPoWierszu) {
  const std::vector<TOpisPliku> kopia(SuplementSygnatur.begin(), SuplementSygnatur.end());
  const TSuplement bezIndeksu{kopia, SuplementTekstowy};
  std::size_t trafien = 0;
  for (const std::string& klucz : KluczeProbne()) {
    TKandydaci zIndeksem, wszystkie;
    const bool znaleziony = RozpoznajKlucz(Klucz(klucz), zIndeksem);
    ASSERT_EQ(RozpoznajKlucz(Klucz(klucz), wszystkie, bezIndeksu), znaleziony) << klucz;
    // A candidate from the copy stands for the supplement's row in the same place.
    for (const TOpisPliku*& w : wszystkie) {
      if (TabelaWiersza(*w).empty())
        w = &SuplementSygnatur[static_cast<std::size_t>(w - kopia.data())];
    }
    EXPECT_EQ(zIndeksem, wszystkie) << klucz;
    trafien += znaleziony;
  }
  EXPECT_GT(trafien, 1000u);
}

// The text tables by extension: through the index, exactly the rows a pass over a copy finds, in
// table order, for every extension the tables have (the empty one included), in other letter case
// and for extensions no row has.
TEST(IndeksRozszerzen, TeSameWierszeCoPrzegladWierszPoWierszu) {
  for (const std::span<const TOpisPliku> tabela :
       {std::span<const TOpisPliku>(BazaTekstowa),
        std::span<const TOpisPliku>(SuplementTekstowy)}) {
    const std::vector<TOpisPliku> kopia(tabela.begin(), tabela.end());
    std::vector<std::string> rozszerzenia = {"TX", "TXTX", "txt", "ZZZZZ", "0", "ZZZZZZZZ"};
    for (const TOpisPliku& w : tabela) rozszerzenia.emplace_back(w.Rozszerzenie.Tekst());
    for (const std::string& rozszerzenie : rozszerzenia) {
      std::vector<std::size_t> zIndeksem, wszystkie;
      KazdyWierszRozszerzenia(tabela, rozszerzenie, [&](const TOpisPliku& w) {
        zIndeksem.push_back(static_cast<std::size_t>(&w - tabela.data()));
      });
      KazdyWierszRozszerzenia(kopia, rozszerzenie, [&](const TOpisPliku& w) {
        wszystkie.push_back(static_cast<std::size_t>(&w - kopia.data()));
      });
      EXPECT_EQ(zIndeksem, wszystkie) << rozszerzenie;
    }
  }
  std::size_t dem = 0;
  KazdyWierszRozszerzenia(BazaTekstowa, "DEM", [&](const TOpisPliku&) { ++dem; });
  EXPECT_EQ(dem, 2u);
}

TEST(IndeksRozszerzen, SprawdzenieOdrzucaZepsutyIndeks) {
  static constexpr std::array<TOpisPliku, 3> tabela = [] {
    std::array<TOpisPliku, 3> t{};
    t[0].Rozszerzenie.Ustaw("TXT");
    t[1].Rozszerzenie.Ustaw("C");
    t[2].Rozszerzenie.Ustaw("TXT");
    return t;
  }();
  constexpr auto dobry = ZbudujIndeksRozszerzen<tabela>();
  static_assert(IndeksRozszerzenZgodny(tabela, dobry));
  EXPECT_EQ(dobry[0].Wiersz, 1);
  EXPECT_EQ(indeks::WierszeRozszerzenia(dobry, "TXT").size(), 2u);

  auto odwrocone = dobry;
  std::swap(odwrocone[1], odwrocone[2]);  // the two TXT rows out of table order
  EXPECT_FALSE(IndeksRozszerzenZgodny(tabela, odwrocone));
  auto dwaRazy = dobry;
  dwaRazy[2] = dwaRazy[1];
  EXPECT_FALSE(IndeksRozszerzenZgodny(tabela, dwaRazy));
  auto obceRozszerzenie = dobry;
  obceRozszerzenie[0].Klucz = indeks::KluczRozszerzenia("D");
  EXPECT_FALSE(IndeksRozszerzenZgodny(tabela, obceRozszerzenie));
}
