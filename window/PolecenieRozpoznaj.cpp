// The identify command: a file chosen in OpenDialog1 or dropped on the window, its lookup in
// the catalogue and the display of its candidates.

#include "engine/Rozpoznanie.h"
#include "text/Cp1250.h"
#include "window/OknoRozpoznika.h"
#include "window/Pulpit.h"
#include "window/Teksty.h"
#include "window/ZglosNieznanyPlik.h"

namespace {

// A multi-line box starts a new line at every carriage return, also one without a line feed
// after it, as the catalogue separates its programs.
std::string Wierszami(std::string_view Tekst) {
  std::string wynik;
  for (std::size_t i = 0; i < Tekst.size(); ++i) {
    if (Tekst[i] == '\r') {
      wynik += '\n';
      if (i + 1 < Tekst.size() && Tekst[i + 1] == '\n') ++i;
    } else {
      wynik += Tekst[i];
    }
  }
  return wynik;
}

}  // namespace

void TOknoRozpoznika::SpeedButton1Click() {
  if (!OpenDialog1.Execute(pulpit_)) return;
  RozpoznajWybranyPlik(OpenDialog1.FileName);
}

void TOknoRozpoznika::UpuszczonoPlik(const std::string& Sciezka) {
  OpenDialog1.FileName = Sciezka;
  RozpoznajWybranyPlik(Sciezka);
}

void TOknoRozpoznika::WyczyscWynik() {
  stan_[TKontrolka::TypEdit].Tekst.clear();
  stan_[TKontrolka::KategoriaEdit].Tekst.clear();
  stan_[TKontrolka::ProgramyMemo].Tekst.clear();
  stan_[TKontrolka::ScrollBar1].Widoczna = false;
  stan_[TKontrolka::InfoLabel].Widoczna = false;
  stan_[TKontrolka::Pasek].Widoczna = true;
}

void TOknoRozpoznika::RozpoznajWybranyPlik(const std::string& Sciezka) {
  WyczyscWynik();
  wynik_ = {};
  stan_[TKontrolka::Edit1].Tekst = Sciezka;
  PokazStan();

  {
    // The text test of the lookup may read the whole file.
    const TZajetosc zajetosc(pulpit_);
    Rozpoznaj(Sciezka, wynik_);
  }
  switch (wynik_.Stan) {
    case TStanRozpoznania::Nieczytelny:
      // Reported rather than identified from zeros: a folder, a pipe or a device is refused
      // before it is opened, and nothing of the last lookup is left in the lists.
      pulpit_.PokazBlad(TekstBleduOtwarcia(Sciezka, wynik_.OpisBledu));
      return;
    case TStanRozpoznania::Nierozpoznany:
      ZglosNieznanyPlik(pulpit_, witryna_, Sciezka, wynik_.Odczyt.Klucz,
                        wynik_.Odczyt.TekstSzesnastkowy, wynik_.Odczyt.Rozmiar);
      return;
    case TStanRozpoznania::Rozpoznany:
      break;
  }

  // A new range pulls a position left from an earlier file into it; the boxes end on candidate
  // 0 whatever the position was.
  stan_.MaksimumPaska = static_cast<int>(ListaTypow.size()) - 1;
  ScrollBar1Change(0);
  if (stan_.MaksimumPaska > 0) PokazNiejednoznacznosc();
  PokazStan();
}

void TOknoRozpoznika::PokazNiejednoznacznosc() {
  stan_[TKontrolka::ScrollBar1].Widoczna = true;
  stan_[TKontrolka::Pasek].Widoczna = false;
  stan_[TKontrolka::InfoLabel].Tekst = cp1250::ZUtf8(TekstNiejednoznacznosci);
  stan_[TKontrolka::InfoLabel].Widoczna = true;
}

void TOknoRozpoznika::ScrollBar1Change(int Pozycja) {
  // The scroll bar is shown only with candidates, and its range is theirs.
  if (Pozycja < 0 || static_cast<std::size_t>(Pozycja) >= ListaTypow.size()) return;
  stan_.PozycjaPaska = Pozycja;
  PokazKandydata(Pozycja);
  PokazStan();
}

void TOknoRozpoznika::PokazKandydata(int Numer) {
  const auto i = static_cast<std::size_t>(Numer);
  stan_[TKontrolka::TypEdit].Tekst = ListaTypow[i];
  stan_[TKontrolka::KategoriaEdit].Tekst = ListaKategorii[i];
  stan_[TKontrolka::ProgramyMemo].Tekst = Wierszami(ListaProgramow[i]);
}
