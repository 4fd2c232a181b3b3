#pragma once

// A window's handle with the messages and calls the view makes on it, each written once. The
// object does not own the window (a control goes with the window it lies on), only the font it
// gave it.

#include <windows.h>

#include <string>

#include "window/win32/kontrolki/Czcionka.h"

class TOkno {
 public:
  TOkno() = default;
  TOkno(const TOkno&) = delete;
  TOkno& operator=(const TOkno&) = delete;
  virtual ~TOkno() = default;

  operator HWND() const { return uchwyt_; }
  HWND Uchwyt() const { return uchwyt_; }
  LRESULT Wyslij(UINT Komunikat, WPARAM W = 0, LPARAM L = 0) const {
    return SendMessageW(uchwyt_, Komunikat, W, L);
  }

  std::wstring Tekst() const;
  void UstawTekst(const std::wstring& Tekst) { SetWindowTextW(uchwyt_, Tekst.c_str()); }
  // Its own flag, whatever the window it lies on shows.
  bool Widoczne() const { return (GetWindowLongPtrW(uchwyt_, GWL_STYLE) & WS_VISIBLE) != 0; }
  void Pokaz(bool Widoczne) { ShowWindow(uchwyt_, Widoczne ? SW_SHOWNA : SW_HIDE); }
  void Odswiez() { InvalidateRect(uchwyt_, nullptr, FALSE); }
  int Identyfikator() const { return GetDlgCtrlID(uchwyt_); }

  RECT Obszar() const;
  // The window's place in the client area of the window it lies on.
  RECT Polozenie() const;
  // Its client area's top-left corner there.
  POINT Poczatek() const;
  // Moves it only when the place is a new one.
  void Przesun(const RECT& Gdzie);

  HFONT Czcionka() const { return reinterpret_cast<HFONT>(Wyslij(WM_GETFONT)); }
  void UstawCzcionke(TCzcionka Czcionka);
  int SzerokoscTekstu(const std::wstring& Tekst) const;

 protected:
  // A control created later lies above the earlier ones. `Id` comes back in the messages it
  // sends its window; `Parametr` reaches the class's procedure with WM_NCCREATE.
  void UtworzKontrolke(HWND Rodzic, int Id, const wchar_t* Klasa, DWORD Styl,
                       DWORD StylRozszerzony = 0, void* Parametr = nullptr);
  static HINSTANCE Program() { return GetModuleHandleW(nullptr); }

  HWND uchwyt_ = nullptr;
  TCzcionka czcionka_;
};
