// The identify command and the scroll bar: what the window shows for each file, against what the
// engine finds for it; tests/window/posix/ adds the files that can't be read.

#include <stdexcept>

#include "catalogue/PustyPlik.h"
#include "tests/window/PolecenieRozpoznaj.h"

TEST_F(PolecenieRozpoznaj, PlikiTestuMajaZakladanychKandydatow) {
  EXPECT_EQ(KandydaciSilnika(png_).size(), 1u);
  EXPECT_EQ(KandydaciSilnika(trzy_).size(), 3u);
  EXPECT_EQ(KandydaciSilnika(szesc_).size(), 6u);
  EXPECT_TRUE(KandydaciSilnika(nieznany_).empty());
}

TEST_F(PolecenieRozpoznaj, AnulowanieNaPoczatkuNicNieZmienia) {
  const TStanOkna przed = okno_.Stan();
  Wybierz("");
  EXPECT_EQ(pulpit_.OferowaneSciezki, std::vector<std::string>{""});
  for (std::size_t i = 0; i < LiczbaKontrolek; ++i) {
    EXPECT_EQ(okno_.Stan().Kontrolki[i].Tekst, przed.Kontrolki[i].Tekst);
    EXPECT_EQ(okno_.Stan().Kontrolki[i].Widoczna, przed.Kontrolki[i].Widoczna);
  }
  EXPECT_EQ(pulpit_.Prace, 0);
}

TEST_F(PolecenieRozpoznaj, JedenKandydat) {
  Wybierz(png_);
  PokazujeKandydata(png_, 0);
  EXPECT_FALSE(okno_.Stan()[TKontrolka::ScrollBar1].Widoczna);
  EXPECT_FALSE(okno_.Stan()[TKontrolka::InfoLabel].Widoczna);
  EXPECT_TRUE(okno_.Stan()[TKontrolka::Pasek].Widoczna);
  EXPECT_TRUE(pulpit_.Potwierdzenia.empty());
  EXPECT_EQ(pulpit_.Prace, 1);
  EXPECT_EQ(pulpit_.TrwajacePrace, 0);
}

TEST_F(PolecenieRozpoznaj, DialogOferujePoprzedniaSciezke) {
  Wybierz(png_);
  Wybierz("");
  Wybierz(trzy_);
  EXPECT_EQ(pulpit_.OferowaneSciezki, (std::vector<std::string>{"", png_, png_}));
  EXPECT_EQ(okno_.OpenDialog1.FileName, trzy_);
}

TEST_F(PolecenieRozpoznaj, TrzyKandydaciIJedenKrokPaska) {
  Wybierz(trzy_);
  PokazujeKandydata(trzy_, 0);
  Niejednoznaczny(2);
  okno_.ZmianaPozycji(TKontrolka::ScrollBar1, 1);
  PokazujeKandydata(trzy_, 1);
  Niejednoznaczny(2);
}

TEST_F(PolecenieRozpoznaj, AnulowaniePoNiejednoznacznymZostawiaWynik) {
  Wybierz(trzy_);
  okno_.ScrollBar1Change(2);
  Wybierz("");
  PokazujeKandydata(trzy_, 2);
  Niejednoznaczny(2);
}

TEST_F(PolecenieRozpoznaj, JedenKandydatPoKilkuChowaPasekIUwage) {
  Wybierz(trzy_);
  Wybierz(png_);
  PokazujeKandydata(png_, 0);
  EXPECT_FALSE(okno_.Stan()[TKontrolka::ScrollBar1].Widoczna);
  EXPECT_FALSE(okno_.Stan()[TKontrolka::InfoLabel].Widoczna);
  EXPECT_TRUE(okno_.Stan()[TKontrolka::Pasek].Widoczna);
}

TEST_F(PolecenieRozpoznaj, PozycjaZPoprzedniegoPlikuWracaDoZera) {
  Wybierz(szesc_);
  okno_.ScrollBar1Change(5);
  PokazujeKandydata(szesc_, 5);
  Wybierz(trzy_);
  PokazujeKandydata(trzy_, 0);
  Niejednoznaczny(2);
  Wybierz(szesc_);
  PokazujeKandydata(szesc_, 0);
}

// A candidate's programs are separated by carriage returns; each starts a line of its own.
TEST_F(PolecenieRozpoznaj, KazdyPowrotKaretkiZaczynaWiersz) {
  Wybierz(wav_);
  EXPECT_EQ(okno_.Stan()[TKontrolka::ProgramyMemo].Tekst, "WinAMP\nMedia Player Classic\nAudacity");
}

TEST_F(PolecenieRozpoznaj, BrakKandydataPrzekazujeDoZgloszenia) {
  Wybierz(trzy_);
  Wybierz(nieznany_);
  EXPECT_EQ(okno_.Stan()[TKontrolka::Edit1].Tekst, nieznany_);
  SprawdzBezWyniku(okno_.Stan());
  EXPECT_TRUE(okno_.ListaTypow.empty());
  EXPECT_EQ(pulpit_.Potwierdzenia.size(), 1u);
  EXPECT_EQ(pulpit_.SciezkiTypow, std::vector<std::string>{nieznany_});
  // The question stands over the window as the command has left it.
  EXPECT_EQ(okno_.Narysowany[TKontrolka::Edit1].Tekst, nieznany_);
  EXPECT_FALSE(okno_.Narysowany[TKontrolka::ScrollBar1].Widoczna);
}

// An empty file is said to be empty; nothing in it could be worth a report.
TEST_F(PolecenieRozpoznaj, PustyPlikBezPytaniaOZgloszenie) {
  const std::string pusty = folder_.Zapisz("pusty.txt", "");
  Wybierz(pusty);
  EXPECT_EQ(okno_.Stan()[TKontrolka::TypEdit].Tekst, OpisPustegoPliku.Typ.Tekst());
  EXPECT_EQ(okno_.ListaTypow.size(), 1u);
  EXPECT_FALSE(okno_.Stan()[TKontrolka::ScrollBar1].Widoczna);
  EXPECT_TRUE(pulpit_.Potwierdzenia.empty());
}

TEST_F(PolecenieRozpoznaj, UpuszczonyPlikJakWybranyWDialogu) {
  okno_.Upuszczenie({.Pliki = {trzy_}});
  PokazujeKandydata(trzy_, 0);
  Niejednoznaczny(2);
  Wybierz("");
  EXPECT_EQ(pulpit_.OferowaneSciezki.back(), trzy_);
}

// Which of several files was meant can't be told, and a web address is no file: such a drop
// leaves the window, the dialog's next offer and the desktop alone.
TEST_F(PolecenieRozpoznaj, UpuszczenieNieJednegoPlikuNieRuszaOkna) {
  Wybierz(png_);
  const TStanOkna przed = okno_.Stan();
  const int odswiezenia = okno_.Odswiezenia;
  for (const TUpuszczenie& upuszczone :
       {TUpuszczenie{.Pliki = {trzy_, nieznany_}}, TUpuszczenie{.Pliki = {}},
        TUpuszczenie{.Pliki = {trzy_}, .Inne = true}, TUpuszczenie{.Pliki = {}, .Inne = true}}) {
    okno_.Upuszczenie(upuszczone);
    EXPECT_EQ(PlikUpuszczenia(upuszczone), std::nullopt);
  }
  EXPECT_EQ(okno_.Odswiezenia, odswiezenia);
  EXPECT_EQ(okno_.Stan()[TKontrolka::Edit1].Tekst, przed[TKontrolka::Edit1].Tekst);
  EXPECT_EQ(okno_.Stan()[TKontrolka::TypEdit].Tekst, przed[TKontrolka::TypEdit].Tekst);
  EXPECT_TRUE(pulpit_.Potwierdzenia.empty());
  Wybierz("");
  EXPECT_EQ(pulpit_.OferowaneSciezki.back(), png_);
}

// An error that escapes a handler goes to the error box, and the window stays usable.
TEST_F(PolecenieRozpoznaj, BladObslugiWOknieBledu) {
  pulpit_.PrzyPracy = [] { throw std::runtime_error("brak pamięci"); };
  Wybierz(png_);
  EXPECT_EQ(pulpit_.Bledy, std::vector<std::string>{"brak pamięci"});
  pulpit_.PrzyPracy = nullptr;
  Wybierz(png_);
  PokazujeKandydata(png_, 0);
}
