#pragma once

// A read-only single-line edit box with the system's frame.

#include <windows.h>
// windows.h first: commctrl.h needs its types.
#include <commctrl.h>

#include <cstddef>

#include "window/win32/kontrolki/Okno.h"

class TPole : public TOkno {
 public:
  void Utworz(HWND Rodzic, int Id) {
    UtworzKontrolke(Rodzic, Id, WC_EDITW, ES_READONLY | ES_AUTOHSCROLL | ES_LEFT, WS_EX_CLIENTEDGE);
  }
  // Where the text goes inside the frame and margins.
  RECT ObszarTekstu() const {
    RECT obszar{};
    Wyslij(EM_GETRECT, 0, reinterpret_cast<LPARAM>(&obszar));
    return obszar;
  }
  // The caret before character `Znak`, scrolled into view.
  void PokazZnak(std::size_t Znak) {
    Wyslij(EM_SETSEL, static_cast<WPARAM>(Znak), static_cast<LPARAM>(Znak));
    Wyslij(EM_SCROLLCARET);
  }
};
