#include "window/win32/kontrolki/Memo.h"

#include <windowsx.h>

#include "window/win32/kontrolki/SluchaczKontrolek.h"

void TMemo::ZglaszajKlikniecia(TSluchaczKontrolek& Sluchacz) {
  sluchacz_ = &Sluchacz;
  SetWindowSubclass(uchwyt_, Procedura, 0, reinterpret_cast<DWORD_PTR>(this));
}

LRESULT CALLBACK TMemo::Procedura(HWND Okno, UINT Komunikat, WPARAM W, LPARAM L, UINT_PTR,
                                  DWORD_PTR Dane) {
  if (Komunikat == WM_NCDESTROY) RemoveWindowSubclass(Okno, Procedura, 0);
  const LRESULT wynik = DefSubclassProc(Okno, Komunikat, W, L);
  if (Komunikat != WM_LBUTTONUP) return wynik;
  auto* memo = reinterpret_cast<TMemo*>(Dane);
  RECT obszar{};
  GetClientRect(Okno, &obszar);
  if (!PtInRect(&obszar, POINT{GET_X_LPARAM(L), GET_Y_LPARAM(L)})) return wynik;
  try {
    memo->sluchacz_->Kliknieta(*memo);
  } catch (...) {
    memo->sluchacz_->BladObslugi(std::current_exception());
  }
  return wynik;
}
