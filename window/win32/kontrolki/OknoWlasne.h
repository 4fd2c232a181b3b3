#pragma once

// A window of a class of the program's own: the class is registered once, and every message to
// the window goes to the object created with it, from the first one on. No error may unwind
// through the system's code that delivers a message: one that the handling lets out goes to
// BladObslugi instead.

#include <exception>

#include "window/win32/kontrolki/Okno.h"

class TOknoWlasne : public TOkno {
 protected:
  // A top-level window; `Wlasciciel` stands over it, `Ikona` names the class's icon resource.
  void UtworzOkno(const wchar_t* Klasa, const std::wstring& Tytul, DWORD Styl,
                  DWORD StylRozszerzony, const RECT& Gdzie, HWND Wlasciciel, int Ikona);
  // A control on `Rodzic`, as TOkno's controls are.
  void UtworzKontrolkeWlasna(HWND Rodzic, int Id, const wchar_t* Klasa);

  virtual LRESULT ObsluzKomunikat(UINT Komunikat, WPARAM W, LPARAM L) = 0;
  virtual void BladObslugi(std::exception_ptr Blad) = 0;
  LRESULT Domyslnie(UINT Komunikat, WPARAM W, LPARAM L) {
    return DefWindowProcW(uchwyt_, Komunikat, W, L);
  }

 private:
  static void Zarejestruj(const wchar_t* Klasa, int Ikona);
  static LRESULT CALLBACK Procedura(HWND Okno, UINT Komunikat, WPARAM W, LPARAM L);
};
