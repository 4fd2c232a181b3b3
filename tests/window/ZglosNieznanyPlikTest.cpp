// The unrecognised-file report: its message, its address and the window around it.

#include <cstdint>
#include <filesystem>

#include "tests/window/OknoTestowe.h"
#include "text/Cp1250.h"

namespace {

const std::string NieznanyPoczatek("\x01\x02\x03\x04", 4);

std::string Komunikat(const std::string& Bajty, const std::string& Rozszerzenie,
                      const std::string& Typ, const std::string& Rozmiar) {
  return cp1250::ZUtf8(
             "Nie udało się ustalić typu danego pliku.\r"
             "Pierwsze 10 bajtów tego pliku oraz jego rozszerzenie:\r"
             "\r"
             "Bajty: " +
             Bajty + "\rRozszerzenie: " + Rozszerzenie + "\rTyp pliku: ") +
         Typ + "\rRozmiar: " + Rozmiar + "\r" +
         cp1250::ZUtf8(
             "\r"
             "Naciśnij OK, aby przesłać powyższe dane na nasz serwer,\r"
             "abyśmy mogli udoskonalić nasz program, żeby rozpoznawał\r"
             "ten rodzaj plików.");
}

class ZglosNieznanyPlik : public testing::Test {
 protected:
  ZglosNieznanyPlik() {
    pulpit_.TypSystemowy = "Dokument testowy";
    pulpit_.OdpowiedzOkAnuluj = true;
  }

  void Wybierz(const std::string& Sciezka) {
    pulpit_.WyboryPlikow.push_back(Sciezka);
    okno_.SpeedButton1Click();
  }

  TFolderTestowy folder_;
  TPulpitTestowy pulpit_;
  TOknoTestowe okno_{pulpit_, folder_};
};

}  // namespace

TEST_F(ZglosNieznanyPlik, PlikCzterobajtowy) {
  const std::string plik = folder_.Zapisz("dane.xyz", NieznanyPoczatek);
  Wybierz(plik);
  EXPECT_EQ(pulpit_.SciezkiTypow, std::vector<std::string>{plik});
  EXPECT_EQ(pulpit_.Potwierdzenia, std::vector<std::string>{Komunikat("01020304000000000000", "XYZ",
                                                                      "Dokument testowy", "4")});
  EXPECT_EQ(pulpit_.Adresy,
            std::vector<std::string>{"http://rozpoznik.test/?s=rozpoznik_dodaj&ext=XYZ"
                                     "&bajty=01020304000000000000&typ=Dokument%20testowy&rozm=4"});
}

TEST_F(ZglosNieznanyPlik, BezRozszerzeniaIZDlugimRozszerzeniem) {
  Wybierz(folder_.Zapisz("dane", NieznanyPoczatek));
  Wybierz(folder_.Zapisz("dane.abcdefg", NieznanyPoczatek));
  EXPECT_EQ(pulpit_.Potwierdzenia,
            (std::vector<std::string>{
                Komunikat("01020304000000000000", "", "Dokument testowy", "4"),
                Komunikat("01020304000000000000", "ABCDEF", "Dokument testowy", "4")}));
  ASSERT_EQ(pulpit_.Adresy.size(), 2u);
  EXPECT_NE(pulpit_.Adresy[0].find("?s=rozpoznik_dodaj&ext=&bajty=0102"), std::string::npos);
  EXPECT_NE(pulpit_.Adresy[1].find("&ext=ABCDEF&"), std::string::npos);
}

TEST_F(ZglosNieznanyPlik, PlikPonadCzteryGibibajty) {
  const std::string plik =
      folder_.Zapisz("duzy.xyz", std::string("\x01\x02\x03\x04\x05\x06\x07\x08\x09\x0A\x0B", 11));
  const std::int64_t rozmiar = (std::int64_t{5} << 30) + 3;
  std::filesystem::resize_file(SciezkaZUtf8(plik), rozmiar);
  Wybierz(plik);
  EXPECT_EQ(pulpit_.Potwierdzenia,
            std::vector<std::string>{
                Komunikat("0102030405060708090A", "XYZ", "Dokument testowy", "5368709123")});
  ASSERT_EQ(pulpit_.Adresy.size(), 1u);
  EXPECT_TRUE(pulpit_.Adresy[0].ends_with("&rozm=5368709123"));
}

// The desktop's type name goes to the site as the site contract encodes it.
TEST_F(ZglosNieznanyPlik, TypSystemowyWAdresie) {
  pulpit_.TypSystemowy = cp1250::ZUtf8("Obraz & dźwięk");
  Wybierz(folder_.Zapisz("dane.xyz", NieznanyPoczatek));
  ASSERT_EQ(pulpit_.Adresy.size(), 1u);
  EXPECT_NE(pulpit_.Adresy[0].find("&typ=Obraz%20%26%20d%9Fwi%EAk&"), std::string::npos);
}

TEST_F(ZglosNieznanyPlik, AnulowanieNieOtwieraNiczego) {
  pulpit_.OdpowiedzOkAnuluj = false;
  Wybierz(folder_.Zapisz("dane.xyz", NieznanyPoczatek));
  EXPECT_EQ(pulpit_.Potwierdzenia.size(), 1u);
  EXPECT_TRUE(pulpit_.Adresy.empty());
}

TEST_F(ZglosNieznanyPlik, OknoPoZgloszeniuBezZmian) {
  const std::string plik = folder_.Zapisz("dane.xyz", NieznanyPoczatek);
  Wybierz(plik);
  EXPECT_EQ(okno_.Stan()[TKontrolka::Edit1].Tekst, plik);
  SprawdzBezWyniku(okno_.Stan());
  EXPECT_TRUE(okno_.ListaTypow.empty());
}
