#pragma once

// The main window's behaviour, without any toolkit: its state, its result lists and its
// handlers. A view (TForm1, one per toolkit) derives from it, draws the state after every change
// and passes its controls' events to the handlers; it decides nothing itself.

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "engine/ObslugaBaz.h"
#include "update/SprawdzCzyNowaWersja.h"
#include "update/Witryna.h"
#include "window/BladAplikacji.h"
#include "window/OpenDialog.h"
#include "window/StanOkna.h"

class TPulpit;

class TOknoRozpoznika {
 public:
  // Runs FormCreate, so before the window is first shown.
  TOknoRozpoznika(TPulpit& Pulpit, TWitryna Witryna, TSrodowiskoAktualizacji Srodowisko);
  virtual ~TOknoRozpoznika();
  TOknoRozpoznika(const TOknoRozpoznika&) = delete;
  TOknoRozpoznika& operator=(const TOknoRozpoznika&) = delete;

  const TStanOkna& Stan() const { return stan_; }

  TOpenDialog OpenDialog1;

  // Entry i of each list describes candidate i of the last lookup. They come into being in
  // FormCreate, after the update check.
  std::unique_ptr<TListaTekstow> ListaTypow;
  std::unique_ptr<TListaTekstow> ListaKategorii;
  std::unique_ptr<TListaTekstow> ListaProgramow;
  std::unique_ptr<TListaTekstow> ListaRozszerzen;

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
  void Upuszczenie(const std::string& Sciezka);

 protected:
  // Called after every change of the state, also right before a question box, so that the box
  // stands over the window as it is then. Does nothing until a view draws.
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
