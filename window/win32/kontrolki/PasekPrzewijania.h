#pragma once

// A vertical scroll bar that moves by one for an arrow, a click in its track or an arrow key,
// and straight to where its thumb is dragged.

#include <windows.h>
// windows.h first: commctrl.h needs its types.
#include <commctrl.h>

#include <optional>

#include "window/win32/kontrolki/Okno.h"

class TPasekPrzewijania : public TOkno {
 public:
  void Utworz(HWND Rodzic, int Id) { UtworzKontrolke(Rodzic, Id, WC_SCROLLBARW, SBS_VERT); }
  // Setting the range and position draws the bar; no WM_VSCROLL comes of it.
  void Ustaw(int Maksimum, int Pozycja);
  // Moves as a WM_VSCROLL request (its WPARAM) asks; the new position, or none when the bar
  // stays where it was.
  std::optional<int> Przesun(WPARAM Zadanie);
};
