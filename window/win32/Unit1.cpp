#include "window/win32/Unit1.h"

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <array>
#include <cwctype>
#include <optional>
#include <stdexcept>
#include <utility>

#include "text/Cp1250.h"
#include "text/windows/Utf16.h"
#include "window/BladAplikacji.h"
#include "window/DlugiTekst.h"
#include "window/Teksty.h"
#include "window/win32/Tahoma.h"
#include "window/win32/Tekst.h"

namespace {

constexpr wchar_t KlasaOkna[] = L"TForm1";
constexpr int IkonaProgramu = 1;
// Posted when a drop has ended: the lookup runs then, so that the program the file came from
// is not held up by it.
constexpr UINT WM_UPUSZCZONO = WM_APP + 1;

constexpr DWORD StylOkna = WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD StylRozszerzonyOkna = WS_EX_TOOLWINDOW | WS_EX_ACCEPTFILES;

bool Widoczna(HWND Okno) {
  return (GetWindowLongPtrW(Okno, GWL_STYLE) & WS_VISIBLE) != 0;
}

TKontrolka KontrolkaOkna(HWND Okno) {
  return static_cast<TKontrolka>(GetDlgCtrlID(Okno) - 1);
}

int IdKontrolki(TKontrolka Kontrolka) {
  return static_cast<int>(Indeks(Kontrolka)) + 1;
}

COLORREF Kolor(TKolor K) {
  return RGB(K.R, K.G, K.B);
}

// A picture's resource is named after its file among the program's pictures, without the
// extension and in capitals, as the resource compiler keeps names.
std::wstring NazwaZasobu(std::string_view Plik) {
  std::wstring nazwa;
  for (const char znak : Plik.substr(0, Plik.find('.'))) {
    nazwa += static_cast<wchar_t>(std::towupper(static_cast<unsigned char>(znak)));
  }
  return nazwa;
}

// The files the shell dropped, taken before the drop ends.
TUpuszczenie Upuszczone(HDROP Upuszczone) {
  TUpuszczenie upuszczone;
  const UINT ile = DragQueryFileW(Upuszczone, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < ile; ++i) {
    const UINT dlugosc = DragQueryFileW(Upuszczone, i, nullptr, 0);
    std::wstring sciezka(dlugosc + 1, L'\0');
    sciezka.resize(DragQueryFileW(Upuszczone, i, sciezka.data(), dlugosc + 1));
    upuszczone.Pliki.push_back(ZUtf16(sciezka));
  }
  DragFinish(Upuszczone);
  return upuszczone;
}

void PrzygotujKontrolkiSystemu() {
  static const bool gotowe = [] {
    INITCOMMONCONTROLSEX kontrolki{sizeof(INITCOMMONCONTROLSEX),
                                   ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    return InitCommonControlsEx(&kontrolki) != FALSE;
  }();
  (void)gotowe;
}

}  // namespace

TForm1::TForm1(TPulpit& Pulpit, TWitryna Witryna, TSrodowiskoAktualizacji Srodowisko,
               HWND Wlasciciel)
    : TOknoRozpoznika(Pulpit, std::move(Witryna), std::move(Srodowisko)), pulpit_(Pulpit) {
  PrzygotujKontrolkiSystemu();
  czarny_ = CreateSolidBrush(Kolor(OpisOkna.Tlo));
  // Created on the primary monitor; WM_DPICHANGED follows if it lands on another.
  dpi_ = GetDpiForSystem();
  RECT ramka{0, 0, Skaluj(OpisOkna.Szerokosc), Skaluj(OpisOkna.Wysokosc)};
  AdjustWindowRectExForDpi(&ramka, StylOkna, FALSE, StylRozszerzonyOkna, dpi_);
  OffsetRect(&ramka, Skaluj(OpisOkna.Lewa) - ramka.left, Skaluj(OpisOkna.Gora) - ramka.top);
  try {
    UtworzOkno(KlasaOkna, ZCp1250(cp1250::ZUtf8(TytulOkna)), StylOkna, StylRozszerzonyOkna, ramka,
               Wlasciciel, IkonaProgramu);
    dpi_ = GetDpiForWindow(Uchwyt());
    ZapewnijTahome();
    for (const TOpisKontrolki& opis : UkladOkna) Utworz(opis);
    podpowiedzi_.Utworz(Uchwyt());
    for (const TOpisKontrolki& opis : UkladOkna) {
      if (opis.Rodzaj == TRodzajKontrolki::Pole) podpowiedzi_.Dodaj(Okno(opis.Kontrolka));
    }
    UstawRozmiarKlienta();
    PokazStan();
  } catch (...) {
    // No destructor runs for a constructor that fails: no window may be left calling this.
    Zniszcz();
    throw;
  }
}

TForm1::~TForm1() {
  Zniszcz();
}

void TForm1::Zniszcz() {
  if (Uchwyt() != nullptr) DestroyWindow(Uchwyt());
  if (czarny_ != nullptr) DeleteObject(std::exchange(czarny_, nullptr));
}

TOkno& TForm1::Okno(TKontrolka Kontrolka) {
  return const_cast<TOkno&>(std::as_const(*this).Okno(Kontrolka));
}

const TOkno& TForm1::Okno(TKontrolka Kontrolka) const {
  switch (Kontrolka) {
    case TKontrolka::Image1:
      return Image1;
    case TKontrolka::Bevel1:
      return Bevel1;
    case TKontrolka::SpeedButton1:
      return SpeedButton1;
    case TKontrolka::Image2:
      return Image2;
    case TKontrolka::Label1:
      return Label1;
    case TKontrolka::Label2:
      return Label2;
    case TKontrolka::Label3:
      return Label3;
    case TKontrolka::Label4:
      return Label4;
    case TKontrolka::Label5:
      return Label5;
    case TKontrolka::Bevel2:
      return Bevel2;
    case TKontrolka::Label6:
      return Label6;
    case TKontrolka::InfoLabel:
      return InfoLabel;
    case TKontrolka::Pasek:
      return Pasek;
    case TKontrolka::Edit1:
      return Edit1;
    case TKontrolka::TypEdit:
      return TypEdit;
    case TKontrolka::KategoriaEdit:
      return KategoriaEdit;
    case TKontrolka::ProgramyMemo:
      return ProgramyMemo;
    case TKontrolka::ScrollBar1:
      return ScrollBar1;
    case TKontrolka::InfoMemo:
      return InfoMemo;
  }
  // Only a value outside the enumeration comes here.
  throw std::out_of_range("TForm1::Okno");
}

// Created from back to front: each control lies above the ones created before it. A control
// whose member is of another kind than its row says stops the window from being built.
void TForm1::Utworz(const TOpisKontrolki& Opis) {
  const TKontrolka k = Opis.Kontrolka;
  const int id = IdKontrolki(k);
  switch (Opis.Rodzaj) {
    case TRodzajKontrolki::Pole:
      Jako<TPole>(k).Utworz(Uchwyt(), id);
      break;
    case TRodzajKontrolki::Memo:
      Jako<TMemo>(k).Utworz(Uchwyt(), id, !Opis.KolorTlaCzarny);
      if (Opis.Klikalna) Jako<TMemo>(k).ZglaszajKlikniecia(*this);
      break;
    case TRodzajKontrolki::PasekPrzewijania:
      Jako<TPasekPrzewijania>(k).Utworz(Uchwyt(), id);
      break;
    case TRodzajKontrolki::Obraz:
      Jako<TObrazek>(k).Wczytaj(NazwaZasobu(Opis.Obraz));
      Jako<TObrazek>(k).Utworz(Uchwyt(), id, *this, Opis.Klikalna, Opis.Odnosnik);
      break;
    case TRodzajKontrolki::Linia:
      Jako<TLinia>(k).UstawKsztalt(Opis.Krawedz == TKrawedz::Gorna,
                                   Opis.Styl == TStylLinii::Wypukla);
      Jako<TLinia>(k).Utworz(Uchwyt(), id, *this, Opis.Klikalna, Opis.Odnosnik);
      break;
    case TRodzajKontrolki::Etykieta:
      Jako<TEtykieta>(k).Utworz(Uchwyt(), id, *this, Opis.Klikalna, Opis.Odnosnik);
      Jako<TEtykieta>(k).UstawKolor(Kolor(Opis.KolorTekstu));
      break;
    case TRodzajKontrolki::Przycisk:
      Jako<TPrzycisk>(k).Utworz(Uchwyt(), id, *this, Opis.Klikalna, Opis.Odnosnik);
      Jako<TPrzycisk>(k).UstawKolor(Kolor(Opis.KolorTekstu));
      break;
  }
  UstawCzcionke(Opis);
}

// Tahoma at the window's resolution; a control's old font goes once it has the new one.
void TForm1::UstawCzcionke(const TOpisKontrolki& Opis) {
  if (Opis.Czcionka == 0) return;
  // A negative height asks for the character height, not the cell's.
  Okno(Opis.Kontrolka)
      .UstawCzcionke(
          TCzcionka(CreateFontW(-Skaluj(Opis.Czcionka), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                EASTEUROPE_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, L"Tahoma")));
  // A font brings margins of its own; the layout places a box's text at its edge.
  if (Opis.Rodzaj == TRodzajKontrolki::Memo) Jako<TMemo>(Opis.Kontrolka).BezMarginesow();
}

// The frame is the system's, and its size at a new resolution is the system's to say: the
// outer size follows from the client area the layout wants and the frame as it is.
void TForm1::UstawRozmiarKlienta() {
  RECT klient{}, ramka{};
  GetClientRect(Uchwyt(), &klient);
  GetWindowRect(Uchwyt(), &ramka);
  const int szerokosc = Skaluj(OpisOkna.Szerokosc) - klient.right;
  const int wysokosc = Skaluj(OpisOkna.Wysokosc) - klient.bottom;
  if (szerokosc == 0 && wysokosc == 0) return;
  SetWindowPos(Uchwyt(), nullptr, 0, 0, ramka.right - ramka.left + szerokosc,
               ramka.bottom - ramka.top + wysokosc, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int TForm1::Skaluj(int Piksele) const {
  return MulDiv(Piksele, static_cast<int>(dpi_), USER_DEFAULT_SCREEN_DPI);
}

void TForm1::PokazStan() {
  for (const TOpisKontrolki& opis : UkladOkna) PokazKontrolke(opis, Stan()[opis.Kontrolka]);
  ScrollBar1.Ustaw(Stan().MaksimumPaska, Stan().PozycjaPaska);
  PoprawFokus();
  // Drawn now, so that the window shows the state while a long piece of work or a question
  // holds the message loop.
  UpdateWindow(Uchwyt());
}

RECT TForm1::Prostokat(const TOpisKontrolki& Opis, const TStanKontrolki& Stan) const {
  int lewa = Skaluj(Stan.Lewa);
  const int gora = Skaluj(Stan.Gora);
  int szerokosc = Skaluj(Opis.Polozenie.Szerokosc);
  int wysokosc = Skaluj(Opis.Polozenie.Wysokosc);
  if (Opis.Rodzaj == TRodzajKontrolki::Obraz) {
    if (const std::optional<SIZE> rozmiar = Jako<TObrazek>(Opis.Kontrolka).Rozmiar()) {
      szerokosc = Skaluj(rozmiar->cx);
      wysokosc = Skaluj(rozmiar->cy);
    }
  } else if (Opis.Rodzaj == TRodzajKontrolki::Etykieta) {
    // Labels take the width of their text.
    const TOkno& etykieta = Okno(Opis.Kontrolka);
    szerokosc = etykieta.SzerokoscTekstu(etykieta.Tekst());
    if (Opis.WysrodkowanaNaRamie) {
      RECT ramka{};
      GetWindowRect(Uchwyt(), &ramka);
      lewa = LewaWysrodkowana(ramka.right - ramka.left, szerokosc);
    }
  }
  return {lewa, gora, lewa + szerokosc, gora + wysokosc};
}

void TForm1::PokazKontrolke(const TOpisKontrolki& Opis, const TStanKontrolki& Stan) {
  TOkno& kontrolka = Okno(Opis.Kontrolka);
  std::wstring tekst = Opis.Sciezka ? ZTekstuSystemowego(Stan.Tekst) : ZCp1250(Stan.Tekst);
  if (Opis.Rodzaj == TRodzajKontrolki::Memo) tekst = WierszamiWindows(tekst);
  const bool nowyTekst = kontrolka.Tekst() != tekst;
  if (nowyTekst) {
    kontrolka.UstawTekst(tekst);
    kontrolka.Odswiez();
  }
  if (auto* rysowana = dynamic_cast<TRysowana*>(&kontrolka)) {
    rysowana->UstawKolor(Kolor(Stan.KolorTekstu));
  }
  if (Opis.Rodzaj == TRodzajKontrolki::Linia) Jako<TLinia>(Opis.Kontrolka).UstawGrubosc(Skaluj(1));
  kontrolka.Przesun(Prostokat(Opis, Stan));
  if (Opis.Rodzaj == TRodzajKontrolki::Pole) {
    PokazPole(Opis.Kontrolka, Opis.DlugiTekst, tekst, nowyTekst);
  }
  if (kontrolka.Widoczne() != Stan.Widoczna) kontrolka.Pokaz(Stan.Widoczna);
}

// A text drawn again unchanged keeps the user's selection and scrolling.
void TForm1::PokazPole(TKontrolka Kontrolka, TDlugiTekst DlugiTekst, const std::wstring& Tekst,
                       bool NowyTekst) {
  TPole& pole = Jako<TPole>(Kontrolka);
  const RECT miejsce = pole.ObszarTekstu();
  const TWidokPola widok =
      WidokPola(DlugiTekst, pole.SzerokoscTekstu(Tekst) > miejsce.right - miejsce.left);
  if (NowyTekst) pole.PokazZnak(widok.OdKonca ? Tekst.size() : 0);
  podpowiedzi_.UstawTekst(pole, widok.Podpowiedz ? Tekst : std::wstring());
}

// What lies below a drawn control: the window's black, and the pictures before it in the
// table.
void TForm1::RysujPod(HDC Dc, const TOkno& Kontrolka) const {
  const POINT poczatek = Kontrolka.Poczatek();
  RECT calosc = Obszar();
  OffsetRect(&calosc, -poczatek.x, -poczatek.y);
  FillRect(Dc, &calosc, czarny_);
  const TKontrolka nad = KontrolkaOkna(Kontrolka);
  for (const TOpisKontrolki& opis : UkladOkna) {
    if (Indeks(opis.Kontrolka) >= Indeks(nad)) break;
    const TOkno& ponizej = Okno(opis.Kontrolka);
    if (opis.Rodzaj != TRodzajKontrolki::Obraz || !ponizej.Widoczne()) continue;
    RECT gdzie = ponizej.Polozenie();
    OffsetRect(&gdzie, -poczatek.x, -poczatek.y);
    Jako<TObrazek>(opis.Kontrolka).RysujW(Dc, gdzie);
  }
}

void TForm1::Kliknieta(const TOkno& Kontrolka) {
  Klikniecie(KontrolkaOkna(Kontrolka));
}

void TForm1::MyszNad(const TOkno& Kontrolka) {
  RuchMyszy(KontrolkaOkna(Kontrolka));
}

void TForm1::MyszOpuscila(const TOkno& Kontrolka) {
  OpuszczenieMyszy(KontrolkaOkna(Kontrolka));
}

void TForm1::BladObslugi(std::exception_ptr Blad) {
  ZglosBladAplikacji(pulpit_, Blad);
}

// Read-only boxes would take the dialog colour; the layout wants the system's window colours,
// or white on black.
LRESULT TForm1::Kolory(HDC Dc, HWND Kontrolka) {
  const TKontrolka k = KontrolkaOkna(Kontrolka);
  if (Indeks(k) < LiczbaKontrolek && Opis(k).KolorTlaCzarny) {
    SetTextColor(Dc, Kolor(Bialy));
    SetBkColor(Dc, Kolor(Czarny));
    return reinterpret_cast<LRESULT>(czarny_);
  }
  SetTextColor(Dc, GetSysColor(COLOR_WINDOWTEXT));
  SetBkColor(Dc, GetSysColor(COLOR_WINDOW));
  return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
}

HWND TForm1::NastepnaWKolejnosci(HWND Od, bool Wstecz) const {
  std::array<HWND, LiczbaKontrolek> kolejnosc{};
  std::size_t ile = 0;
  for (int miejsce = 1; miejsce <= static_cast<int>(LiczbaKontrolek); ++miejsce) {
    for (const TOpisKontrolki& opis : UkladOkna) {
      if (opis.Fokus == miejsce) kolejnosc[ile++] = Okno(opis.Kontrolka);
    }
  }
  if (ile == 0) return nullptr;
  const auto obecna = std::find(kolejnosc.begin(), kolejnosc.begin() + ile, Od);
  std::size_t i = obecna == kolejnosc.begin() + ile
                      ? (Wstecz ? 0 : ile - 1)
                      : static_cast<std::size_t>(obecna - kolejnosc.begin());
  for (std::size_t krok = 0; krok < ile; ++krok) {
    i = Wstecz ? (i + ile - 1) % ile : (i + 1) % ile;
    if (Widoczna(kolejnosc[i])) return kolejnosc[i];
  }
  return nullptr;
}

bool TForm1::PrzetworzKlawisz(const MSG& Komunikat) {
  if (Komunikat.message != WM_KEYDOWN || Komunikat.wParam != VK_TAB) return false;
  if (Komunikat.hwnd != Uchwyt() && !IsChild(Uchwyt(), Komunikat.hwnd)) return false;
  const HWND nastepna = NastepnaWKolejnosci(GetFocus(), GetKeyState(VK_SHIFT) < 0);
  if (nastepna != nullptr) SetFocus(nastepna);
  return true;
}

// A control hidden while it had the focus passes it on, so that the keyboard still reaches
// the window.
void TForm1::PoprawFokus() {
  const HWND fokus = GetFocus();
  if (fokus == nullptr || !IsChild(Uchwyt(), fokus) || Widoczna(fokus)) return;
  if (const HWND nastepna = NastepnaWKolejnosci(fokus, false)) {
    SetFocus(nastepna);
  } else {
    SetFocus(Uchwyt());
  }
}

LRESULT TForm1::ObsluzKomunikat(UINT Komunikat, WPARAM W, LPARAM L) {
  switch (Komunikat) {
    case WM_ERASEBKGND: {
      const RECT obszar = Obszar();
      FillRect(reinterpret_cast<HDC>(W), &obszar, czarny_);
      return 1;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
      return Kolory(reinterpret_cast<HDC>(W), reinterpret_cast<HWND>(L));
    case WM_VSCROLL:
      if (reinterpret_cast<HWND>(L) == ScrollBar1) {
        if (const std::optional<int> pozycja = ScrollBar1.Przesun(W)) {
          ZmianaPozycji(TKontrolka::ScrollBar1, *pozycja);
        }
      }
      return 0;
    case WM_DROPFILES:
      upuszczone_ = Upuszczone(reinterpret_cast<HDROP>(W));
      PostMessageW(Uchwyt(), WM_UPUSZCZONO, 0, 0);
      return 0;
    case WM_UPUSZCZONO:
      Upuszczenie(std::exchange(upuszczone_, TUpuszczenie()));
      return 0;
    case WM_DPICHANGED: {
      dpi_ = LOWORD(W);
      for (const TOpisKontrolki& opis : UkladOkna) UstawCzcionke(opis);
      const RECT* sugerowany = reinterpret_cast<const RECT*>(L);
      SetWindowPos(Uchwyt(), nullptr, sugerowany->left, sugerowany->top,
                   sugerowany->right - sugerowany->left, sugerowany->bottom - sugerowany->top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
      UstawRozmiarKlienta();
      PokazStan();
      InvalidateRect(Uchwyt(), nullptr, TRUE);
      return 0;
    }
    case WM_ACTIVATE:
      if (LOWORD(W) == WA_INACTIVE) {
        const HWND fokus = GetFocus();
        if (fokus != nullptr && IsChild(Uchwyt(), fokus)) fokus_ = fokus;
      }
      break;
    case WM_SETFOCUS: {
      // The window passes the focus on to the control that had it, or to the first in order.
      HWND cel = fokus_ != nullptr && IsWindow(fokus_) && Widoczna(fokus_) ? fokus_ : nullptr;
      if (cel == nullptr) cel = NastepnaWKolejnosci(nullptr, false);
      if (cel != nullptr) SetFocus(cel);
      return 0;
    }
    case WM_CLOSE:
      // Closing the window ends the program.
      PostQuitMessage(0);
      break;
    default:
      break;
  }
  return Domyslnie(Komunikat, W, L);
}
