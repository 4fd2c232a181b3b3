#include <gtest/gtest.h>

#include "site/Kodowanie.h"
#include "site/Triaz.h"

namespace {

TZapisanyWiersz Wiersz(std::string Bajty, std::string Rozszerzenie, std::string Typ,
                       std::int64_t Rozmiar, std::int64_t Liczba, std::string Pierwsze,
                       std::string Ostatnie) {
  return {{std::move(Bajty), std::move(Rozszerzenie), std::move(Typ), Rozmiar},
          Liczba,
          std::move(Pierwsze),
          std::move(Ostatnie)};
}

TEST(Pogrupuj, JednaGrupaNaBajtyIRozszerzenieNajczestszePierwsze) {
  // In the database's order: bytes, extension, the most frequent first.
  const std::vector<TGrupaZgloszen> grupy = Pogrupuj({
      Wiersz("0102030405060708090A", "ABC", "Plik \"ABC\"", 10, 3, "2026-01-02T00:00:00Z",
             "2026-01-05T00:00:00Z"),
      Wiersz("0102030405060708090A", "ABC", "", 30, 2, "2026-01-01T00:00:00Z",
             "2026-01-03T00:00:00Z"),
      Wiersz("0102030405060708090A", "ABC", "Plik \"ABC\"", 20, 1, "2026-01-04T00:00:00Z",
             "2026-01-04T00:00:00Z"),
      Wiersz("89504E470D0A1A0A0000", "PNG", "Obraz PNG", 500, 1, "2026-02-01T00:00:00Z",
             "2026-02-01T00:00:00Z"),
  });
  ASSERT_EQ(grupy.size(), 2u);
  const TGrupaZgloszen& g = grupy[0];
  EXPECT_EQ(g.Liczba, 6);
  EXPECT_EQ(g.Pierwsze, "2026-01-01T00:00:00Z");
  EXPECT_EQ(g.Ostatnie, "2026-01-05T00:00:00Z");
  EXPECT_EQ(OpisRozmiarow(g), "10–30");
  EXPECT_EQ(g.Typy,
            (std::vector<std::pair<std::string, std::int64_t>>{{"Plik \"ABC\"", 4}, {"", 2}}));
  EXPECT_TRUE(g.RozpoznaneTypy.empty());
  EXPECT_EQ(g.ProponowanyWiersz, R"({"ABC", "0102030405060708090A", "Plik \"ABC\"", "-", ""},)");
  EXPECT_EQ(g.WstawPoSygnaturze, "01014719");

  EXPECT_EQ(grupy[1].Liczba, 1);
  EXPECT_EQ(OpisRozmiarow(grupy[1]), "500");
  EXPECT_EQ(grupy[1].RozpoznaneTypy, std::vector<std::string>{"Portable Network Graphics"});
}

TEST(TypyZKatalogu, PatrzyNaZnaneBajtyIRozszerzenie) {
  EXPECT_EQ(TypyZKatalogu("89504E470D0A1A0A0000", "png"),
            std::vector<std::string>{"Portable Network Graphics"});
  // A ZIP's bytes fit several rows; the extension keeps only its own.
  EXPECT_EQ(TypyZKatalogu("504B0304140000000800", "JAR").size(), 1u);
  EXPECT_TRUE(TypyZKatalogu("0102030405060708090A", "XYZ").empty());
  // Text formats need the whole file, which no report carries.
  EXPECT_TRUE(TypyZKatalogu("48656C6C6F2C20776F72", "TXT").empty());
  // Today's formats count too, also where nothing in the catalogue's own tables fits.
  EXPECT_EQ(TypyZKatalogu("0061736D010000000000", "WASM"),
            std::vector<std::string>{"Moduł WebAssembly (binarny)"});
}

TEST(Pogrupuj, WierszBezRozszerzeniaITypuDlaKatalogu) {
  const auto grupy = Pogrupuj({Wiersz("FFFFFFFFFFFFFFFFFFFF", "ąb", "", 1, 1,
                                      "2026-01-01T00:00:00Z", "2026-01-01T00:00:00Z"),
                               Wiersz("00000000000000000000", "xyz", std::string(70, 'T'), 1, 1,
                                      "2026-01-01T00:00:00Z", "2026-01-01T00:00:00Z")});
  ASSERT_EQ(grupy.size(), 2u);
  for (const TGrupaZgloszen& g : grupy) {
    if (g.Bajty == "FFFFFFFFFFFFFFFFFFFF") {
      EXPECT_EQ(g.ProponowanyWiersz,
                R"({"", "FFFFFFFFFFFFFFFFFFFF", "Nieznany format", "-", ""},)");
      EXPECT_EQ(g.WstawPoSygnaturze, "FFFFFF46");
    } else {
      // Upper-cased, and the type cut to the catalogue's 64 characters.
      EXPECT_EQ(g.ProponowanyWiersz, "{\"XYZ\", \"00000000000000000000\", \"" +
                                         std::string(64, 'T') + "\", \"-\", \"\"},");
    }
  }
}

TEST(GrupyJakoCsv, PolaWCudzyslowachBezFormul) {
  const auto grupy = Pogrupuj({Wiersz("0102030405060708090A", "A,B", "=HYPERLINK(\"x\")", 5, 2,
                                      "2026-01-01T00:00:00Z", "2026-01-02T00:00:00Z")});
  const std::string csv = GrupyJakoCsv(grupy);
  const std::string wiersz = csv.substr(csv.find("\r\n") + 2);
  EXPECT_EQ(
      wiersz.substr(0, wiersz.find(",\"{")),
      R"c("0102030405060708090A","A,B","2","2026-01-01T00:00:00Z","2026-01-02T00:00:00Z","5",)c"
      R"c("'=HYPERLINK(""x"") (2)","")c");
}

// A spreadsheet takes a cell starting with any of these as a formula; inside a cell they are text.
TEST(GrupyJakoCsv, KazdyPoczatekFormulyRozbrojony) {
  for (const std::string poczatek : {"=", "+", "-", "@", "\t", "\r"}) {
    EXPECT_EQ(DoCsv(poczatek + "SUM(A1)"), "\"'" + poczatek + "SUM(A1)\"") << poczatek;
    EXPECT_EQ(DoCsv("a" + poczatek + "b"), "\"a" + poczatek + "b\"") << poczatek;
  }
}

TEST(Kodowanie, ProcentyHtmlIDziennik) {
  EXPECT_EQ(OdkodujProcenty("a%20b%zz%4+%2"), "a b%zz%4+%2");
  EXPECT_EQ(DoHtml("<a href=\"x\">'&'</a>"),
            "&lt;a href=&quot;x&quot;&gt;&#39;&amp;&#39;&lt;/a&gt;");
  EXPECT_EQ(DoDziennika("GET /\x01\\\xB9 ok"), "GET /\\x01\\x5C\\xB9 ok");
  // Windows-1250 bytes that happen to be valid UTF-8 of other letters are read as UTF-8.
  EXPECT_EQ(JakoCp1250("\xC4\x85"), "\xB9");
  EXPECT_EQ(JakoCp1250("\xB9\xEA"), "\xB9\xEA");
}

}  // namespace
