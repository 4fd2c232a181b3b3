#pragma once

// What the window shows at a given moment. The window's behaviour changes it; views draw it.

#include <array>
#include <string>

#include "window/Uklad.h"

struct TStanKontrolki {
  bool Widoczna = true;
  int Lewa = 0;  // the left and top edges, for the controls that move
  int Gora = 0;
  // Windows-1250, lines separated by line feeds; a path as the file system gives it in a control
  // that the layout table marks as showing one.
  std::string Tekst;
  TKolor KolorTekstu;
};

struct TStanOkna {
  std::array<TStanKontrolki, LiczbaKontrolek> Kontrolki;
  // ScrollBar1 runs from 0 to this.
  int MaksimumPaska = PoczatkowyZakresPaska;
  int PozycjaPaska = 0;

  TStanKontrolki& operator[](TKontrolka Kontrolka) { return Kontrolki[Indeks(Kontrolka)]; }
  const TStanKontrolki& operator[](TKontrolka Kontrolka) const {
    return Kontrolki[Indeks(Kontrolka)];
  }
};

// As the window opens: every control as the layout table starts it, Label6 ending in the site's
// address and InfoMemo holding the About text.
TStanOkna StanPoczatkowy(const std::string& AdresWitryny);
