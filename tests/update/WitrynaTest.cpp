// The site's four addresses, as the site reads them.

#include <gtest/gtest.h>

#include "update/Witryna.h"

namespace {

const TWitryna Witryna("http://rozpoznik.test/");

}  // namespace

TEST(Witryna, AdresyStronOtwieranychWPrzegladarce) {
  EXPECT_EQ(Witryna.AdresKorzenia(), "http://rozpoznik.test/");
  EXPECT_EQ(Witryna.AdresStronyAktualizacji(), "http://rozpoznik.test/?s=rozszerzenia");
}

// Only spaces are written out; everything else in the caption goes as it is.
TEST(Witryna, ZapytanieOWersjeZamieniaTylkoSpacje) {
  EXPECT_EQ(Witryna.AdresZapytaniaOWersje(42, "Rozpoznik wersja 1.4"),
            "http://rozpoznik.test/aktual.php?rand=42&program=Rozpoznik%20wersja%201.4");
  EXPECT_EQ(Witryna.AdresZapytaniaOWersje(0, " a&b "),
            "http://rozpoznik.test/aktual.php?rand=0&program=%20a&b%20");
}

// Unescaped, "&", "#" and "+" would cut or change the values the site reads; an empty value
// stays empty.
TEST(Witryna, WartosciZgloszeniaKodowaneProcentowo) {
  const TDaneZgloszenia dane{.Bajty = "01020304000000000000",
                             .Rozszerzenie = "X&Y",
                             .Typ = "Obraz & d\x9Fwi\xEAk #1+50%",
                             .Rozmiar = "4"};
  EXPECT_EQ(Witryna.AdresZgloszenia(dane),
            "http://rozpoznik.test/?s=rozpoznik_dodaj&ext=X%26Y&bajty=01020304000000000000"
            "&typ=Obraz%20%26%20d%9Fwi%EAk%20%231%2B50%25&rozm=4");
  EXPECT_EQ(Witryna.AdresZgloszenia({.Bajty = "00", .Rozszerzenie = "", .Typ = "", .Rozmiar = "0"}),
            "http://rozpoznik.test/?s=rozpoznik_dodaj&ext=&bajty=00&typ=&rozm=0");
}

TEST(Witryna, KodowanieZostawiaZnakiNiezastrzezone) {
  EXPECT_EQ(KodujWartoscAdresu("AZaz09-._~"), "AZaz09-._~");
  EXPECT_EQ(KodujWartoscAdresu(std::string("/?=\x7F\x80\xFF", 6)), "%2F%3F%3D%7F%80%FF");
}
