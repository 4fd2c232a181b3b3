// The identify command and the scroll bar: what the window shows for each file, against what the
// engine finds for it, and what it does with a file that can't be read.

#include <sys/stat.h>

#include <chrono>
#include <cstring>
#include <optional>
#include <stdexcept>

#include "engine/Klucz.h"
#include "engine/ObslugaBaz.h"
#include "tests/ProcesPotomny.h"
#include "tests/window/OknoTestowe.h"
#include "text/Cp1250.h"
#include "window/Teksty.h"

namespace {

// What the engine finds for a file: the window must show exactly that.
TKandydaci KandydaciSilnika(const std::string& Sciezka) {
  TPlikDoOdczytu plik(Sciezka);
  TKandydaci kandydaci;
  RozpoznajPlik(ZbudujKlucz(plik).value().Klucz, plik, kandydaci);
  return kandydaci;
}

std::string BladOtwarcia(const std::string& Sciezka, const std::string& Przyczyna) {
  return "Cannot open file \"" + Sciezka + "\". " + Przyczyna;
}

class PolecenieRozpoznaj : public testing::Test {
 protected:
  void Wybierz(const std::string& Sciezka) {
    pulpit_.WyboryPlikow.push_back(Sciezka);
    okno_.Klikniecie(TKontrolka::SpeedButton1);
  }

  void PokazujeKandydata(const std::string& Plik, std::size_t Numer) {
    const TKandydaci k = KandydaciSilnika(Plik);
    ASSERT_LT(Numer, k.size());
    const TStanOkna& stan = okno_.Stan();
    EXPECT_EQ(stan[TKontrolka::Edit1].Tekst, Plik);
    EXPECT_EQ(stan[TKontrolka::TypEdit].Tekst, k[Numer]->Typ.Tekst());
    EXPECT_EQ(stan[TKontrolka::KategoriaEdit].Tekst, k[Numer]->Kategoria.Tekst());
    EXPECT_EQ(stan.PozycjaPaska, static_cast<int>(Numer));
    ASSERT_EQ(okno_.ListaTypow->size(), k.size());
    for (std::size_t i = 0; i < k.size(); ++i) {
      EXPECT_EQ((*okno_.ListaTypow)[i], k[i]->Typ.Tekst());
      EXPECT_EQ((*okno_.ListaRozszerzen)[i], k[i]->Rozszerzenie.Tekst());
    }
    // What a view would draw is what the window holds.
    EXPECT_EQ(okno_.Narysowany[TKontrolka::TypEdit].Tekst, stan[TKontrolka::TypEdit].Tekst);
  }

  void Niejednoznaczny(int Maksimum) {
    const TStanOkna& stan = okno_.Stan();
    EXPECT_EQ(stan.MaksimumPaska, Maksimum);
    EXPECT_TRUE(stan[TKontrolka::ScrollBar1].Widoczna);
    EXPECT_FALSE(stan[TKontrolka::Pasek].Widoczna);
    EXPECT_TRUE(stan[TKontrolka::InfoLabel].Widoczna);
    EXPECT_EQ(stan[TKontrolka::InfoLabel].Tekst, cp1250::ZUtf8(TekstNiejednoznacznosci));
  }

  TFolderTestowy folder_;
  TPulpitTestowy pulpit_;
  TOknoTestowe okno_{pulpit_, folder_};
  const std::string png_ =
      folder_.Zapisz("obraz.png", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
  // Three candidates: PostScript, Encapsulated PostScript and Illustrator.
  const std::string trzy_ = folder_.Zapisz("rysunek.qqq", "%!PS-Adobe-3.0 EPSF-3.0\n");
  // Six candidates: every RIFF format of the catalogue.
  const std::string szesc_ = folder_.Zapisz("riff.qqq", std::string("RIFF\x24\0\0\0WAVEfmt ", 16));
  const std::string wav_ = folder_.Zapisz("dzwiek.wav", std::string("RIFF\x24\0\0\0WAVEfmt ", 16));
  const std::string nieznany_ = folder_.Zapisz("dane.xyz", std::string("\x01\x02\x03\x04", 4));
};

}  // namespace

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
  EXPECT_TRUE(okno_.ListaTypow->empty());
  EXPECT_EQ(pulpit_.Potwierdzenia.size(), 1u);
  EXPECT_EQ(pulpit_.SciezkiTypow, std::vector<std::string>{nieznany_});
  // The question stands over the window as the command has left it.
  EXPECT_EQ(okno_.Narysowany[TKontrolka::Edit1].Tekst, nieznany_);
  EXPECT_FALSE(okno_.Narysowany[TKontrolka::ScrollBar1].Widoczna);
}

TEST_F(PolecenieRozpoznaj, UpuszczonyPlikJakWybranyWDialogu) {
  okno_.Upuszczenie(trzy_);
  PokazujeKandydata(trzy_, 0);
  Niejednoznaczny(2);
  Wybierz("");
  EXPECT_EQ(pulpit_.OferowaneSciezki.back(), trzy_);
}

// A file that can't be read is reported, not identified from zeros as an invented format; the
// window shows no result and the next choice works as usual.
TEST_F(PolecenieRozpoznaj, NieczytelnyPlikWOknieBledu) {
  const std::string folder = folder_.Sciezka("folder.zip");
  ASSERT_EQ(::mkdir(folder.c_str(), 0755), 0);
  const std::string potok = folder_.Sciezka("potok");
  ASSERT_EQ(::mkfifo(potok.c_str(), 0644), 0);
  const std::string brak = folder_.Sciezka("zniknal.png");
  const std::vector<std::string> oczekiwane = {BladOtwarcia(brak, std::strerror(ENOENT)),
                                               BladOtwarcia(folder, std::strerror(EISDIR)),
                                               BladOtwarcia(potok, "Not a regular file")};
  for (const std::string& sciezka : {brak, folder, potok}) {
    Wybierz(trzy_);
    Wybierz(sciezka);
    EXPECT_EQ(okno_.Stan()[TKontrolka::Edit1].Tekst, sciezka);
    SprawdzBezWyniku(okno_.Stan());
    EXPECT_TRUE(okno_.ListaTypow->empty());
  }
  EXPECT_EQ(pulpit_.Bledy, oczekiwane);
  EXPECT_TRUE(pulpit_.Potwierdzenia.empty());
  EXPECT_EQ(pulpit_.TrwajacePrace, 0);

  Wybierz(png_);
  PokazujeKandydata(png_, 0);
  EXPECT_EQ(pulpit_.Bledy.size(), 3u);
}

// The user must be able to tell which file failed: the path comes as the file system gives it.
TEST_F(PolecenieRozpoznaj, SciezkaWBledzieBezZmian) {
  const std::string sciezka = folder_.Sciezka("файл.txt");
  Wybierz(sciezka);
  EXPECT_EQ(pulpit_.Bledy, std::vector<std::string>{BladOtwarcia(sciezka, std::strerror(ENOENT))});
}

TEST_F(PolecenieRozpoznaj, PlikBezPrawaOdczytu) {
  const std::string sciezka = folder_.Zapisz("tajny.png", "\x89PNG");
  ASSERT_EQ(::chmod(sciezka.c_str(), 0), 0);
  const std::optional<std::string> blad = BezPrawaOdczytu([&] {
    TPulpitTestowy pulpit;
    TOknoTestowe okno(pulpit, folder_);
    pulpit.WyboryPlikow.push_back(sciezka);
    okno.SpeedButton1Click();
    return pulpit.Bledy.empty() ? std::string("no error box") : pulpit.Bledy.front();
  });
  if (!blad) GTEST_SKIP() << "running as root, and the change to the user nobody was refused";
  EXPECT_EQ(*blad, BladOtwarcia(sciezka, std::strerror(EACCES)));
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
