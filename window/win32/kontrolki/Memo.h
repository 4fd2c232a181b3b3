#pragma once

// A read-only multi-line edit box without scroll bars, so that it wraps its lines.

#include <windows.h>
// windows.h first: commctrl.h needs its types.
#include <commctrl.h>

#include "window/win32/kontrolki/Okno.h"

class TSluchaczKontrolek;

class TMemo : public TOkno {
 public:
  void Utworz(HWND Rodzic, int Id, bool Ramka) {
    UtworzKontrolke(Rodzic, Id, WC_EDITW, ES_READONLY | ES_MULTILINE, Ramka ? WS_EX_CLIENTEDGE : 0);
  }
  // Setting a font brings the font's margins back.
  void BezMarginesow() { Wyslij(EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0); }
  // Clicks on it go to `Sluchacz`, like the drawn controls': a press and a release on it.
  void ZglaszajKlikniecia(TSluchaczKontrolek& Sluchacz);

 private:
  static LRESULT CALLBACK Procedura(HWND Okno, UINT Komunikat, WPARAM W, LPARAM L, UINT_PTR Id,
                                    DWORD_PTR Dane);

  TSluchaczKontrolek* sluchacz_ = nullptr;
};
