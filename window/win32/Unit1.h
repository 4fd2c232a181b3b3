#pragma once

// The main window drawn with Win32: one control per row of the layout table, each showing the
// window's state, each passing its events to the window's behaviour. Edit boxes and the scroll
// bar are the system's own controls; pictures, labels, lines and the flat button are drawn by
// the program, over whatever lies below them (window/win32/kontrolki/).

#include <windows.h>

#include "window/OknoRozpoznika.h"
#include "window/win32/kontrolki/Etykieta.h"
#include "window/win32/kontrolki/Linia.h"
#include "window/win32/kontrolki/Memo.h"
#include "window/win32/kontrolki/Obrazek.h"
#include "window/win32/kontrolki/OknoWlasne.h"
#include "window/win32/kontrolki/PasekPrzewijania.h"
#include "window/win32/kontrolki/Podpowiedzi.h"
#include "window/win32/kontrolki/Pole.h"
#include "window/win32/kontrolki/Przycisk.h"
#include "window/win32/kontrolki/SluchaczKontrolek.h"

class TPulpit;

class TForm1 : public TOknoRozpoznika, private TOknoWlasne, private TSluchaczKontrolek {
 public:
  // Builds the window hidden and draws its state at start; the main block then starts it
  // (Uruchom) before showing it. `Wlasciciel` is the application's window, which stands for the
  // program on the task bar.
  TForm1(TPulpit& Pulpit, TWitryna Witryna, TSrodowiskoAktualizacji Srodowisko,
         HWND Wlasciciel = nullptr);
  ~TForm1() override;

  using TOknoWlasne::Uchwyt;
  HWND Kontrolka(TKontrolka Kontrolka) const { return Okno(Kontrolka); }
  // Dots per inch of the monitor the window is on; the layout is scaled from 96.
  UINT Dpi() const { return dpi_; }

  // Tab and Shift+Tab move the focus through the table's focus order, skipping hidden
  // controls; the message loop offers every message here first. True when it was taken.
  bool PrzetworzKlawisz(const MSG& Komunikat);

  // The controls; a control's identifier is its place in the layout table plus one.
  TPrzycisk SpeedButton1;
  TPole Edit1;
  TObrazek Image1;
  TObrazek Image2;
  TLinia Bevel1;
  TEtykieta Label1;
  TEtykieta Label2;
  TPole TypEdit;
  TEtykieta Label3;
  TPole KategoriaEdit;
  TEtykieta Label4;
  TMemo ProgramyMemo;
  TEtykieta Label5;
  TLinia Bevel2;
  TEtykieta Label6;
  TMemo InfoMemo;
  TEtykieta InfoLabel;
  TPasekPrzewijania ScrollBar1;
  TLinia Pasek;

 protected:
  void PokazStan() override;

 private:
  // The window's messages.
  LRESULT ObsluzKomunikat(UINT Komunikat, WPARAM W, LPARAM L) override;
  void BladObslugi(std::exception_ptr Blad) override;
  // The drawn controls' events.
  void RysujPod(HDC Dc, const TOkno& Kontrolka) const override;
  void Kliknieta(const TOkno& Kontrolka) override;
  void MyszNad(const TOkno& Kontrolka) override;
  void MyszOpuscila(const TOkno& Kontrolka) override;

  TOkno& Okno(TKontrolka Kontrolka);
  const TOkno& Okno(TKontrolka Kontrolka) const;
  template <class T>
  T& Jako(TKontrolka Kontrolka) {
    return dynamic_cast<T&>(Okno(Kontrolka));
  }
  template <class T>
  const T& Jako(TKontrolka Kontrolka) const {
    return dynamic_cast<const T&>(Okno(Kontrolka));
  }

  void Utworz(const TOpisKontrolki& Opis);
  void UstawCzcionke(const TOpisKontrolki& Opis);
  void UstawRozmiarKlienta();
  void Zniszcz();
  void PokazKontrolke(const TOpisKontrolki& Opis, const TStanKontrolki& Stan);
  void PokazPole(TKontrolka Kontrolka, TDlugiTekst DlugiTekst, const std::wstring& Tekst,
                 bool NowyTekst);
  LRESULT Kolory(HDC Dc, HWND Kontrolka);
  HWND NastepnaWKolejnosci(HWND Od, bool Wstecz) const;
  void PoprawFokus();

  int Skaluj(int Piksele) const;
  RECT Prostokat(const TOpisKontrolki& Opis, const TStanKontrolki& Stan) const;

  TPulpit& pulpit_;
  UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
  TPodpowiedzi podpowiedzi_;
  // The control that had the focus when the window last lost it.
  HWND fokus_ = nullptr;
  HBRUSH czarny_ = nullptr;
  // What a drop brought, handed on once the drop has ended.
  TUpuszczenie upuszczone_;
};
