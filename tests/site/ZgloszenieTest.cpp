#include <gtest/gtest.h>

#include "site/Zgloszenie.h"
#include "tests/site/SerwerWitryny.h"

namespace {

TZgloszenie Przyjete(std::string_view Zapytanie) {
  auto wynik = CzytajZgloszenie(Zapytanie);
  if (const auto* blad = std::get_if<TBladZgloszenia>(&wynik)) {
    ADD_FAILURE() << Zapytanie << ": " << blad->Powod;
    return {};
  }
  return std::get<TZgloszenie>(wynik);
}

bool Odrzucone(std::string_view Zapytanie) {
  return std::holds_alternative<TBladZgloszenia>(CzytajZgloszenie(Zapytanie));
}

const std::string Bajty = "0102030405060708090A";

TEST(CzytajZgloszenie, WartosciZakodowaneWWindows1250) {
  EXPECT_EQ(Przyjete("s=rozpoznik_dodaj&ext=X%26Y&bajty=" + Bajty +
                     "&typ=Plik%20%B9%EA%20%26%20%23%2B%25&rozm=1234"),
            (TZgloszenie{Bajty, "X&Y", "Plik ąę & #+%", 1234}));
}

TEST(CzytajZgloszenie, WartosciSuroweZAmpersandemWTypie) {
  // The raw bytes of "Dokument Worda & Excela – kopia ł" in Windows-1250.
  EXPECT_EQ(Przyjete("s=rozpoznik_dodaj&ext=DOC&bajty=" + Bajty +
                     "&typ=Dokument Worda & Excela \x96 kopia \xB3&rozm=99"),
            (TZgloszenie{Bajty, "DOC", "Dokument Worda & Excela – kopia ł", 99}));
  // The type runs to the last "&rozm=", which may appear inside it.
  EXPECT_EQ(Przyjete("s=rozpoznik_dodaj&ext=&bajty=" + Bajty + "&typ=a&rozm=1&b&rozm=2").Typ,
            "a&rozm=1&b");
  // A browser handed the raw address sends the letters in UTF-8.
  EXPECT_EQ(Przyjete("s=rozpoznik_dodaj&ext=&bajty=" + Bajty + "&typ=%C5%82%C4%85ka&rozm=0").Typ,
            "łąka");
}

TEST(CzytajZgloszenie, BajtyWielkimiLiteramiIPusteWartosci) {
  const TZgloszenie z =
      Przyjete("s=rozpoznik_dodaj&ext=&bajty=abcdef0123456789abcd&typ=&rozm=0&fbclid=x");
  EXPECT_EQ(z, (TZgloszenie{"ABCDEF0123456789ABCD", "", "", 0}));
}

TEST(CzytajZgloszenie, GraniceDlugosci) {
  const std::string typ80(80, '\xB3');  // 80 Windows-1250 letters, 160 bytes of UTF-8
  EXPECT_EQ(Przyjete("ext=ABCDEF&bajty=" + Bajty + "&typ=" + typ80 + "&rozm=1").Typ.size(), 160u);
  EXPECT_TRUE(Odrzucone("ext=ABCDEF&bajty=" + Bajty + "&typ=" + typ80 + "x&rozm=1"));
  EXPECT_TRUE(Odrzucone("ext=ABCDEFG&bajty=" + Bajty + "&typ=&rozm=1"));
  EXPECT_TRUE(Odrzucone("ext=%B9%B9%B9%B9%B9%B9%B9&bajty=" + Bajty + "&typ=&rozm=1"));
  EXPECT_EQ(Przyjete("ext=%B9%B9%B9%B9%B9%B9&bajty=" + Bajty + "&typ=&rozm=1").Rozszerzenie,
            "ąąąąąą");
  EXPECT_EQ(Przyjete("ext=A&bajty=" + Bajty + "&typ=&rozm=999999999999999999").Rozmiar,
            999'999'999'999'999'999);
}

TEST(CzytajZgloszenie, ZleWartosciOdrzucone) {
  for (const std::string& zapytanie : std::vector<std::string>{
           "s=rozpoznik_dodaj",
           "ext=A&bajty=" + Bajty + "&rozm=1",
           "ext=A&bajty=" + Bajty + "&typ=x",
           "ext=A&rozm=1&bajty=" + Bajty + "&typ=x",
           "bajty=" + Bajty + "&typ=x&rozm=1",
           "ext=A&ext=B&bajty=" + Bajty + "&typ=x&rozm=1",
           "ext=A&bajty=0102030405060708090&typ=x&rozm=1",
           "ext=A&bajty=0102030405060708090A0&typ=x&rozm=1",
           "ext=A&bajty=0102030405060708090G&typ=x&rozm=1",
           "ext=A&bajty=" + Bajty + "&typ=x&rozm=",
           "ext=A&bajty=" + Bajty + "&typ=x&rozm=-1",
           "ext=A&bajty=" + Bajty + "&typ=x&rozm=12a",
           "ext=A&bajty=" + Bajty + "&typ=x&rozm=1.5",
           "ext=A&bajty=" + Bajty + "&typ=x&rozm=9999999999999999999",
           "ext=A&bajty=" + Bajty + "&typ=a%0Ab&rozm=1",
           "ext=A%00&bajty=" + Bajty + "&typ=x&rozm=1",
       }) {
    EXPECT_TRUE(Odrzucone(zapytanie)) << zapytanie;
  }
}

}  // namespace
