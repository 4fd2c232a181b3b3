#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "tests/core/SondyKontenerowTestowe.h"

namespace {

using enum TWierszKontenera;

class SondaOle2 : public TTestSondy {
 protected:
  const TOpisPliku* Ole2(std::string_view Bajty) { return Odpowiedz(::SondaOle2, Bajty); }
};

constexpr std::uint32_t Brak = 0xFFFFFFFF;
constexpr std::uint32_t KoniecLancucha = 0xFFFFFFFE;

struct TWpisOle2 {
  std::u16string Nazwa;
  std::uint8_t Typ = 2;  // a stream; 1 a storage, 5 the root
  std::uint32_t Lewy = Brak;
  std::uint32_t Prawy = Brak;
  std::uint32_t Dziecko = Brak;
  std::array<unsigned char, 16> Klasa{};
};

// A compound file as the writers lay it out: the header, one FAT sector, then the directory's
// sectors in a chain.
std::string ZlozonyPlik(const std::vector<TWpisOle2>& Wpisy,
                        std::uint16_t PrzesuniecieSektora = 9) {
  const std::size_t sektor = std::size_t{1} << PrzesuniecieSektora;
  const std::size_t sektoryKatalogu = (Wpisy.size() * 128 + sektor - 1) / sektor;
  std::string b((2 + sektoryKatalogu) * sektor, '\0');
  b.replace(0, 8, "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1");
  Zapisz16(b, 0x18, 0x3E);
  Zapisz16(b, 0x1A, PrzesuniecieSektora == 9 ? 3 : 4);
  Zapisz16(b, 0x1C, 0xFFFE);
  Zapisz16(b, 0x1E, PrzesuniecieSektora);
  Zapisz16(b, 0x20, 6);
  Zapisz32(b, 0x2C, 1);
  Zapisz32(b, 0x30, 1);
  Zapisz32(b, 0x38, 4096);
  Zapisz32(b, 0x3C, KoniecLancucha);
  for (std::size_t i = 0; i < 109; ++i) Zapisz32(b, 0x4C + 4 * i, i == 0 ? 0 : Brak);
  const std::size_t fat = sektor;
  for (std::size_t i = 0; i < sektor / 4; ++i) Zapisz32(b, fat + 4 * i, Brak);
  Zapisz32(b, fat, 0xFFFFFFFD);
  for (std::size_t i = 1; i <= sektoryKatalogu; ++i)
    Zapisz32(b, fat + 4 * i,
             i == sektoryKatalogu ? KoniecLancucha : static_cast<std::uint32_t>(i + 1));
  for (std::size_t i = 0; i < Wpisy.size(); ++i) {
    const TWpisOle2& w = Wpisy[i];
    const std::size_t od = 2 * sektor + 128 * i;
    for (std::size_t j = 0; j < w.Nazwa.size(); ++j) Zapisz16(b, od + 2 * j, w.Nazwa[j]);
    Zapisz16(b, od + 0x40, static_cast<std::uint16_t>(2 * (w.Nazwa.size() + 1)));
    b[od + 0x42] = static_cast<char>(w.Typ);
    b[od + 0x43] = 1;
    Zapisz32(b, od + 0x44, w.Lewy);
    Zapisz32(b, od + 0x48, w.Prawy);
    Zapisz32(b, od + 0x4C, w.Dziecko);
    for (std::size_t j = 0; j < 16; ++j) b[od + 0x50 + j] = static_cast<char>(w.Klasa[j]);
  }
  return b;
}

// The root and, at the top level, these entries, each the right sibling of the one before.
std::vector<TWpisOle2> GornyPoziom(const std::vector<std::u16string>& Nazwy) {
  std::vector<TWpisOle2> wpisy{{u"Root Entry", 5, Brak, Brak, Nazwy.empty() ? Brak : 1u, {}}};
  for (std::size_t i = 0; i < Nazwy.size(); ++i) {
    wpisy.push_back({Nazwy[i],
                     2,
                     Brak,
                     i + 1 < Nazwy.size() ? static_cast<std::uint32_t>(i + 2) : Brak,
                     Brak,
                     {}});
  }
  return wpisy;
}

TEST_F(SondaOle2, RozpoznajeDokumentyLibreOfficeIPakietWixl) {
  const std::pair<std::string_view, TWierszKontenera> probki[] = {
      {"dokument.doc", Doc}, {"arkusz.xls", Xls}, {"pakiet.msi", Msi}};
  for (const auto& [nazwa, wiersz] : probki)
    EXPECT_EQ(Ole2(Probka(nazwa)), Wiersz(wiersz)) << nazwa;
}

TEST_F(SondaOle2, StrumienieNaGornymPoziomie) {
  const std::pair<std::vector<std::u16string>, TWierszKontenera> przypadki[] = {
      {{u"\x05SummaryInformation", u"PowerPoint Document", u"Current User"}, Ppt},
      {{u"Book"}, Xls},
      {{u"__nameid_version1.0", u"__substg1.0_0037001F", u"WordDocument"}, Msg},
      {{u"__properties_version1.0"}, Msg},
      {{u"VisioDocument"}, Vsd},
      {{u"Quill", u"Envelope"}, Pub},
      {{u"1", u"2", u"Catalog"}, Thumbs},
      {{u"\x4840\x3B3F\x43F2\x4438\x45B1", u"\x05SummaryInformation"}, Msi},
  };
  for (const auto& [nazwy, wiersz] : przypadki) {
    EXPECT_EQ(Ole2(ZlozonyPlik(GornyPoziom(nazwy))), Wiersz(wiersz));
  }
  EXPECT_EQ(Ole2(ZlozonyPlik(GornyPoziom({u"WordDocument", u"1Table"}), 12)), Wiersz(Doc));
  EXPECT_EQ(trafienie_.Przesuniecie, 2 * 4096 + 128);
}

TEST_F(SondaOle2, KlasaKorzeniaMsiIMsp) {
  auto wpisy = GornyPoziom({u"\x05SummaryInformation"});
  wpisy[0].Klasa = {0x86, 0x10, 0x0C, 0, 0, 0, 0, 0, 0xC0, 0, 0, 0, 0, 0, 0, 0x46};
  EXPECT_EQ(Ole2(ZlozonyPlik(wpisy)), Wiersz(Msp));
  wpisy[0].Klasa[0] = 0x84;
  EXPECT_EQ(Ole2(ZlozonyPlik(wpisy)), Wiersz(Msi));
  wpisy[0].Klasa[0] = 0x85;
  EXPECT_EQ(Ole2(ZlozonyPlik(wpisy)), nullptr);
}

// An embedded document's streams lie in a storage, below the top level.
TEST_F(SondaOle2, NazwyGlebiejSieNieLicza) {
  auto wpisy = GornyPoziom({u"ObjectPool"});
  wpisy[1].Typ = 1;
  wpisy[1].Dziecko = 2;
  wpisy.push_back({u"WordDocument"});
  EXPECT_EQ(Ole2(ZlozonyPlik(wpisy)), nullptr);
}

TEST_F(SondaOle2, ZnakLubNazwaOJedenBajtObok) {
  std::string doc = Probka("dokument.doc");
  EXPECT_EQ(Ole2(ZlozonyPlik(GornyPoziom({u"WordDocumenu"}))), nullptr);
  doc[7] = '\xE2';
  EXPECT_EQ(Ole2(doc), nullptr);
}

TEST_F(SondaOle2, UcietyKatalogIZleSektory) {
  const std::string doc = ZlozonyPlik(GornyPoziom({u"WordDocument"}));
  EXPECT_EQ(Ole2(doc.substr(0, 2 * 512 + 100)), nullptr);
  EXPECT_EQ(Ole2(doc.substr(0, 300)), nullptr);
  for (const std::uint32_t pierwszy : {1000u, 0xFFFFFFF0u, 0x7FFFFFFFu}) {
    std::string b = doc;
    Zapisz32(b, 0x30, pierwszy);
    EXPECT_EQ(Ole2(b), nullptr) << pierwszy;
  }
  std::string b = doc;
  Zapisz16(b, 0x1E, 30);
  EXPECT_EQ(Ole2(b), nullptr);
}

// A chain or a tree that loops back on itself ends the reading, with what was read so far.
TEST_F(SondaOle2, PetleWLancuchuIWDrzewie) {
  auto wpisy = GornyPoziom({u"Dane", u"WordDocument"});
  wpisy[2].Prawy = 40;  // an entry the directory never reaches
  std::string b = ZlozonyPlik(wpisy);
  Zapisz32(b, 512 + 4, 1);  // the directory's sector follows itself
  EXPECT_EQ(Ole2(b), Wiersz(Doc));

  wpisy = GornyPoziom({u"Dane", u"Inne"});
  wpisy[2].Prawy = 1;
  wpisy[1].Lewy = 2;
  EXPECT_EQ(Ole2(ZlozonyPlik(wpisy)), nullptr);
  // The allocation table's sector past the end stops the chain after its first sector.
  wpisy = GornyPoziom({u"A", u"B", u"C", u"D", u"VisioDocument"});
  b = ZlozonyPlik(wpisy);
  Zapisz32(b, 0x4C, 5000);
  EXPECT_EQ(Ole2(b), nullptr);
  Zapisz32(b, 0x4C, 0);
  EXPECT_EQ(Ole2(b), Wiersz(Vsd));
}

}  // namespace
