#pragma once

// A control the program draws itself, over whatever lies below it: labels, the flat button,
// pictures and lines. It draws off screen first, so that the background and the control never
// show one without the other, and passes the mouse to its listener.

#include "window/win32/kontrolki/OknoWlasne.h"
#include "window/win32/kontrolki/SluchaczKontrolek.h"

class TRysowana : public TOknoWlasne {
 public:
  // A clickable control takes the mouse and reports clicks, a press and a release on it; a
  // link shows the hand-shaped pointer and reports every move over it and its leaving. Any other
  // lets the mouse through to what lies below.
  void Utworz(HWND Rodzic, int Id, TSluchaczKontrolek& Sluchacz, bool Klikalna, bool Odnosnik);
  void UstawKolor(COLORREF Kolor);

 protected:
  // Into the off-screen copy, over what lies below, with the control's font and text colour
  // chosen and the background left as it is.
  virtual void Rysuj(HDC Dc, const RECT& Obszar) = 0;

  bool MyszNad() const { return nad_; }
  bool Wcisnieta() const { return wcisnieta_; }

 private:
  LRESULT ObsluzKomunikat(UINT Komunikat, WPARAM W, LPARAM L) override;
  void BladObslugi(std::exception_ptr Blad) override { sluchacz_->BladObslugi(Blad); }
  void Maluj(HDC Dc);

  TSluchaczKontrolek* sluchacz_ = nullptr;
  bool klikalna_ = false;
  bool odnosnik_ = false;
  COLORREF kolor_ = RGB(255, 255, 255);
  bool nad_ = false;        // the mouse is over the control
  bool wcisnieta_ = false;  // pressed on it and not yet released
};
