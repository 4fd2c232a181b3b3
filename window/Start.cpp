// The window's creation: the update check first, then the four result lists.

#include "window/Aplikacja.h"
#include "window/Pulpit.h"
#include "window/Tekst.h"
#include "window/Unit1.h"

void TForm1::FormCreate() {
  // Whatever the check does, the lists must come into being: the identify command needs them.
  ObsluzZdarzenie(pulpit_, [this] { SprawdzCzyNowaWersja(); });
  ListaTypow = std::make_unique<TListaTekstow>();
  ListaKategorii = std::make_unique<TListaTekstow>();
  ListaProgramow = std::make_unique<TListaTekstow>();
  ListaRozszerzen = std::make_unique<TListaTekstow>();
}

void TForm1::SprawdzCzyNowaWersja() {
  const TPulpitAktualizacji pulpit{
      [this](const std::string& Pytanie) { return pulpit_.ZapytajTakNie(Pytanie); },
      [this](const std::string& Adres) { pulpit_.OtworzAdres(Adres); }};
  ::SprawdzCzyNowaWersja(ZQString(windowTitle()), witryna_, srodowisko_, pulpit);
}

// The label "Nazwa pliku" takes clicks and does nothing with them.
void TForm1::Label1Click() {}
