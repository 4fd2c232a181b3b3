#pragma once

// The main window drawn with Win32: one child window per control of the layout table, each
// showing the window's state, each passing its events to the window's behaviour. Edit boxes and
// the scroll bar are the system's own controls; pictures, labels, lines and the flat button are
// drawn by the window itself, over whatever lies below them.

#include <windows.h>
// windows.h first: shellapi.h needs its types.
#include <shellapi.h>

#include <array>
#include <string>

#include "window/OknoRozpoznika.h"

class TPulpit;

class TForm1 : public TOknoRozpoznika {
 public:
  // Builds the window hidden and draws its state at start; the main block then starts it
  // (Uruchom) before showing it. `Wlasciciel` is the application's window, which stands for the
  // program on the task bar.
  TForm1(TPulpit& Pulpit, TWitryna Witryna, TSrodowiskoAktualizacji Srodowisko,
         HWND Wlasciciel = nullptr);
  ~TForm1() override;

  HWND Uchwyt() const { return okno_; }
  HWND Kontrolka(TKontrolka Kontrolka) const { return kontrolki_[Indeks(Kontrolka)]; }
  // Dots per inch of the monitor the window is on; the layout is scaled from 96.
  UINT Dpi() const { return dpi_; }

  // Tab and Shift+Tab move the focus through the table's focus order, skipping hidden
  // controls; the message loop offers every message here first. True when it was taken.
  bool PrzetworzKlawisz(const MSG& Komunikat);

  // The controls, owned by the window; a control's identifier is its place in the layout table
  // plus one.
  HWND SpeedButton1 = nullptr;
  HWND Edit1 = nullptr;
  HWND Image1 = nullptr;
  HWND Image2 = nullptr;
  HWND Bevel1 = nullptr;
  HWND Label1 = nullptr;
  HWND Label2 = nullptr;
  HWND TypEdit = nullptr;
  HWND Label3 = nullptr;
  HWND KategoriaEdit = nullptr;
  HWND Label4 = nullptr;
  HWND ProgramyMemo = nullptr;
  HWND Label5 = nullptr;
  HWND Bevel2 = nullptr;
  HWND Label6 = nullptr;
  HWND InfoMemo = nullptr;
  HWND InfoLabel = nullptr;
  HWND ScrollBar1 = nullptr;
  HWND Pasek = nullptr;

 protected:
  void PokazStan() override;

 private:
  struct TMysz {
    bool Nad = false;        // the mouse is over the control
    bool Wcisnieta = false;  // pressed on it and not yet released
  };

  static void ZarejestrujKlasy();
  static LRESULT CALLBACK ProceduraOkna(HWND Okno, UINT Komunikat, WPARAM W, LPARAM L);
  static LRESULT CALLBACK ProceduraKontrolki(HWND Okno, UINT Komunikat, WPARAM W, LPARAM L);
  static LRESULT CALLBACK ProceduraMemo(HWND Okno, UINT Komunikat, WPARAM W, LPARAM L, UINT_PTR Id,
                                        DWORD_PTR Dane);
  LRESULT Obsluz(HWND Okno, UINT Komunikat, WPARAM W, LPARAM L);
  LRESULT ObsluzKontrolke(HWND Kontrolka, UINT Komunikat, WPARAM W, LPARAM L);

  void UtworzKontrolki();
  void UtworzCzcionki();
  void UstawRozmiarKlienta();
  void Zniszcz();
  void PokazKontrolke(const TOpisKontrolki& Opis, const TStanKontrolki& Stan);
  void PokazPole(const TOpisKontrolki& Opis, const std::wstring& Tekst, bool NowyTekst);
  void RysujTlo(HDC Dc, POINT Poczatek, TKontrolka Kontrolka) const;
  void RysujKontrolke(TKontrolka Kontrolka, HDC Dc);
  void RysujObraz(HDC Dc, HBITMAP Obraz, const RECT& Gdzie) const;
  void Przewin(WPARAM Zadanie);
  LRESULT Kolory(HDC Dc, HWND Kontrolka);
  void Upusc(HDROP Upuszczone);
  HWND NastepnaWKolejnosci(HWND Od, bool Wstecz) const;
  void PoprawFokus();

  int Skaluj(int Piksele) const;
  RECT Prostokat(const TOpisKontrolki& Opis, const TStanKontrolki& Stan) const;
  int SzerokoscTekstu(HWND Kontrolka, const std::wstring& Tekst) const;

  TPulpit& pulpit_;
  HWND okno_ = nullptr;
  HWND podpowiedzi_ = nullptr;
  UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
  std::array<HWND, LiczbaKontrolek> kontrolki_{};
  std::array<HFONT, LiczbaKontrolek> czcionki_{};
  std::array<HBITMAP, LiczbaKontrolek> obrazy_{};
  std::array<TMysz, LiczbaKontrolek> mysz_{};
  std::array<TKolor, LiczbaKontrolek> kolory_{};
  // The control that had the focus when the window last lost it.
  HWND fokus_ = nullptr;
  HBRUSH czarny_ = nullptr;
  // What a drop brought, handed on once the drop has ended.
  TUpuszczenie upuszczone_;
};
