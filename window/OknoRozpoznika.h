#pragma once

// The main window's behaviour, without any toolkit: its state, the result of its last lookup
// and its handlers. A view (TForm1, one per toolkit) derives from it, draws the state after every
// change and passes its controls' events to the handlers; it decides nothing itself.

#include <string>
#include <utility>
#include <vector>

#include "engine/Rozpoznanie.h"
#include "update/SprawdzCzyNowaWersja.h"
#include "update/Witryna.h"
#include "window/BladAplikacji.h"
#include "window/ListaWyniku.h"
#include "window/OpenDialog.h"
#include "window/StanOkna.h"
#include "window/Upuszczenie.h"

class TPulpit;

class TOknoRozpoznika {
 public:
  // Nothing runs yet: the view that derives from this is not built while this is.
  TOknoRozpoznika(TPulpit& Pulpit, TWitryna Witryna, TSrodowiskoAktualizacji Srodowisko);
  virtual ~TOknoRozpoznika();
  TOknoRozpoznika(const TOknoRozpoznika&) = delete;
  TOknoRozpoznika& operator=(const TOknoRozpoznika&) = delete;

  // The window's start, called by the program's main block once the view is built and before
  // the window is shown: runs FormCreate, so the update check and its question come before the
  // window does. Whatever the program does next with the window comes after this.
  void Uruchom();

  const TStanOkna& Stan() const { return stan_; }

  TOpenDialog OpenDialog1;

 private:
  // What the last identify command found; declared before the lists that view it.
  TRozpoznanie wynik_;

 public:
  // Entry i of each list describes candidate i of the last lookup.
  const TListaWyniku ListaTypow{wynik_.Kandydaci,
                                [](const TOpisPliku& w) { return w.Typ.Tekst(); }};
  const TListaWyniku ListaKategorii{wynik_.Kandydaci,
                                    [](const TOpisPliku& w) { return w.Kategoria.Tekst(); }};
  const TListaWyniku ListaProgramow{wynik_.Kandydaci,
                                    [](const TOpisPliku& w) { return w.Programy.Tekst(); }};
  const TListaWyniku ListaRozszerzen{wynik_.Kandydaci,
                                     [](const TOpisPliku& w) { return w.Rozszerzenie.Tekst(); }};

  // The scroll bar was moved to `Pozycja`: shows that candidate.
  void ScrollBar1Change(int Pozycja);
  // "Przeglądaj": the identify command with the file chosen in OpenDialog1.
  void SpeedButton1Click();
  void Image2Click();
  void InfoMemoClick();
  void FormCreate();
  void Label1Click();
  void Label6Click();
  void Label6MouseMove();
  void Label6MouseLeave();
  void SprawdzCzyNowaWersja();

  // A file dropped on the window: identified as if chosen in the dialog, which offers it next.
  void UpuszczonoPlik(const std::string& Sciezka);

  // The program's command line (window/WierszPolecen.h), once the window shows: its file, if it
  // names one, is identified as a dropped one. The main block calls it after the update check.
  void RozpoznajZWierszaPolecen(const std::vector<std::string>& Argumenty);

  // The events a view passes on, each to its handler. An error that a handler lets out is shown
  // in the application's error box here, before it could unwind into the toolkit's code, and
  // the program goes on.
  void Klikniecie(TKontrolka Kontrolka);
  void RuchMyszy(TKontrolka Kontrolka);
  void OpuszczenieMyszy(TKontrolka Kontrolka);
  void ZmianaPozycji(TKontrolka Kontrolka, int Pozycja);
  // Whatever was dropped on the window; only a drop of one file is taken.
  void Upuszczenie(const TUpuszczenie& Upuszczone);

 protected:
  // Called after every change of the state, also right before a question box, so that the box
  // stands over the window as it is then. Nothing calls it before Uruchom.
  virtual void PokazStan() {}

 private:
  // Steps 2 onwards of the identify command.
  void RozpoznajWybranyPlik(const std::string& Sciezka);
  void WyczyscWynik();
  void PokazKandydata(int Numer);
  void PokazNiejednoznacznosc();
  // Runs a handler; an error it lets out goes to the application's error box.
  template <class TObsluga>
  void Obsluz(TObsluga&& Obsluga) {
    try {
      std::forward<TObsluga>(Obsluga)();
    } catch (...) {
      ZglosBladAplikacji(pulpit_, std::current_exception());
    }
  }

  TPulpit& pulpit_;
  const TWitryna witryna_;
  const TSrodowiskoAktualizacji srodowisko_;
  TStanOkna stan_;
};
