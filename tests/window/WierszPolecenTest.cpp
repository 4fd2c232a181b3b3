// A file named on the program's command line: which argument names it, and that the window
// treats it exactly as the same file chosen in the dialog.

#include <filesystem>

#include "tests/window/PolecenieRozpoznaj.h"
#include "window/WierszPolecen.h"

namespace {

std::optional<std::string> Plik(std::vector<std::string> Argumenty) {
  Argumenty.insert(Argumenty.begin(), "rozpoznik");
  return PlikZWierszaPolecen(Argumenty);
}

}  // namespace

TEST(PlikZWierszaPolecen, PierwszaNazwaPoOpcjach) {
  EXPECT_EQ(PlikZWierszaPolecen({}), std::nullopt);
  EXPECT_EQ(Plik({}), std::nullopt);
  // The program's own name is never the file, whatever it looks like.
  EXPECT_EQ(PlikZWierszaPolecen({"obraz.png"}), std::nullopt);
  EXPECT_EQ(Plik({"a.png", "b.png", "c.png"}), "a.png");
  EXPECT_EQ(Plik({"plik ze spacją.png"}), "plik ze spacją.png");
  EXPECT_EQ(Plik({"", "b.png"}), "b.png");
  EXPECT_EQ(Plik({"-x", "--nieznana", "-", "b.png"}), "b.png");
  EXPECT_EQ(Plik({"-x", "--nieznana"}), std::nullopt);
}

TEST(PlikZWierszaPolecen, PoPodwojnymMyslnikuKazdyArgumentJestNazwa) {
  EXPECT_EQ(Plik({"--", "-plik.png"}), "-plik.png");
  EXPECT_EQ(Plik({"--", "--"}), "--");
  EXPECT_EQ(Plik({"-x", "--", "-", "b.png"}), "-");
  EXPECT_EQ(Plik({"--"}), std::nullopt);
  EXPECT_EQ(Plik({"--", "", "b.png"}), "b.png");
  // Before "--" a name already came: the rest is ignored.
  EXPECT_EQ(Plik({"a.png", "--", "-b.png"}), "a.png");
}

class WierszPolecen : public PolecenieRozpoznaj {
 protected:
  // The same file chosen in the dialog of another window over another desktop.
  void JakWDialogu(const std::string& Sciezka) {
    TPulpitTestowy pulpit;
    pulpit.OdpowiedzOkAnuluj = pulpit_.OdpowiedzOkAnuluj;
    TOknoTestowe okno(pulpit, folder_);
    pulpit.WyboryPlikow.push_back(Sciezka);
    okno.Klikniecie(TKontrolka::SpeedButton1);
    for (std::size_t i = 0; i < LiczbaKontrolek; ++i) {
      EXPECT_EQ(okno_.Stan().Kontrolki[i].Tekst, okno.Stan().Kontrolki[i].Tekst) << i;
      EXPECT_EQ(okno_.Stan().Kontrolki[i].Widoczna, okno.Stan().Kontrolki[i].Widoczna) << i;
    }
    EXPECT_EQ(okno_.Stan().MaksimumPaska, okno.Stan().MaksimumPaska);
    ASSERT_EQ(okno_.ListaRozszerzen.size(), okno.ListaRozszerzen.size());
    for (std::size_t i = 0; i < okno.ListaRozszerzen.size(); ++i) {
      EXPECT_EQ(okno_.ListaRozszerzen[i], okno.ListaRozszerzen[i]) << i;
    }
    EXPECT_EQ(okno_.Narysowany[TKontrolka::TypEdit].Tekst, okno.Stan()[TKontrolka::TypEdit].Tekst);
    EXPECT_EQ(pulpit_.Bledy, pulpit.Bledy);
    EXPECT_EQ(pulpit_.Potwierdzenia, pulpit.Potwierdzenia);
    EXPECT_EQ(pulpit_.Adresy, pulpit.Adresy);
    EXPECT_EQ(pulpit_.Prace, pulpit.Prace);
    EXPECT_EQ(pulpit_.TrwajacePrace, 0);
  }
};

TEST_F(WierszPolecen, PlikJakWybranyWDialogu) {
  for (const std::string& plik : {png_, trzy_}) {
    pulpit_.Wyczysc();
    okno_.RozpoznajZWierszaPolecen({"rozpoznik", plik, png_});
    JakWDialogu(plik);
    EXPECT_TRUE(pulpit_.OferowaneSciezki.empty());
  }
  Niejednoznaczny(2);
  // The dialog offers the file next, as after a choice in it.
  Wybierz("");
  EXPECT_EQ(pulpit_.OferowaneSciezki, std::vector<std::string>{trzy_});
}

TEST_F(WierszPolecen, BrakujacyPlikWOknieBledu) {
  const std::string brak = folder_.Sciezka("zniknął 文件.png");
  okno_.RozpoznajZWierszaPolecen({"rozpoznik", brak});
  ASSERT_EQ(pulpit_.Bledy.size(), 1u);
  EXPECT_NE(pulpit_.Bledy[0].find(brak), std::string::npos);
  SprawdzBezWyniku(okno_.Stan());
  JakWDialogu(brak);
}

TEST_F(WierszPolecen, NieznanyPlikPytaOZgloszenie) {
  pulpit_.OdpowiedzOkAnuluj = true;
  okno_.RozpoznajZWierszaPolecen({"rozpoznik", "--", nieznany_});
  EXPECT_EQ(pulpit_.Potwierdzenia.size(), 1u);
  EXPECT_EQ(pulpit_.Adresy.size(), 1u);
  JakWDialogu(nieznany_);
}

TEST_F(WierszPolecen, NazwaZLiteramiPolskimiIChinskimiIMyslnikiem) {
  const std::string plik =
      folder_.Zapisz("-zażółć gęślą 中文.png", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
  okno_.RozpoznajZWierszaPolecen({"rozpoznik", "--", plik});
  PokazujeKandydata(plik, 0);
}

// A relative name is the file in the folder the program was started in.
TEST_F(WierszPolecen, SciezkaWzgledna) {
  const std::filesystem::path poprzedni = std::filesystem::current_path();
  std::filesystem::current_path(folder_.Sciezka());
  okno_.RozpoznajZWierszaPolecen({"rozpoznik", "obraz.png"});
  std::filesystem::current_path(poprzedni);
  EXPECT_EQ(okno_.Stan()[TKontrolka::Edit1].Tekst, "obraz.png");
  EXPECT_EQ(okno_.Stan()[TKontrolka::TypEdit].Tekst, KandydaciSilnika(png_)[0]->Typ.Tekst());
  EXPECT_TRUE(pulpit_.Bledy.empty());
}

TEST_F(WierszPolecen, BezPlikuNicSieNieDzieje) {
  const int odswiezenia = okno_.Odswiezenia;
  okno_.RozpoznajZWierszaPolecen({"rozpoznik", "-platform", "--"});
  okno_.RozpoznajZWierszaPolecen({});
  EXPECT_EQ(okno_.Odswiezenia, odswiezenia);
  SprawdzBezWyniku(okno_.Stan());
  EXPECT_EQ(okno_.Stan()[TKontrolka::Edit1].Tekst, "");
  EXPECT_EQ(pulpit_.Prace, 0);
  EXPECT_TRUE(pulpit_.Bledy.empty());
}
