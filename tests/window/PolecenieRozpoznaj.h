#pragma once

// What the tests of the identify command share: the window over the test desktop, the files it
// is given, and what the engine finds for them.

#include <string>

#include "engine/Rozpoznanie.h"
#include "tests/window/OknoTestowe.h"
#include "text/Cp1250.h"
#include "window/Teksty.h"

// What the engine finds for a file: the window must show exactly that.
inline TKandydaci KandydaciSilnika(const std::string& Sciezka) {
  TRozpoznanie wynik;
  Rozpoznaj(Sciezka, wynik);
  return wynik.Kandydaci;
}

inline std::string BladOtwarcia(const std::string& Sciezka, const std::string& Przyczyna) {
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
    ASSERT_EQ(okno_.ListaTypow.size(), k.size());
    for (std::size_t i = 0; i < k.size(); ++i) {
      EXPECT_EQ(okno_.ListaTypow[i], k[i]->Typ.Tekst());
      EXPECT_EQ(okno_.ListaRozszerzen[i], k[i]->Rozszerzenie.Tekst());
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
