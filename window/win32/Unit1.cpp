#include "window/win32/Unit1.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <cwctype>
#include <stdexcept>
#include <utility>

#include "text/Cp1250.h"
#include "text/windows/OpisBledu.h"
#include "text/windows/Utf16.h"
#include "window/BladAplikacji.h"
#include "window/DlugiTekst.h"
#include "window/Teksty.h"
#include "window/win32/Tahoma.h"
#include "window/win32/Tekst.h"

namespace {

constexpr wchar_t KlasaOkna[] = L"TForm1";
constexpr wchar_t KlasaKontrolki[] = L"TKontrolkaRysowana";
// Posted when a drop has ended: the lookup runs then, so that the program the file came from
// is not held up by it.
constexpr UINT WM_UPUSZCZONO = WM_APP + 1;

constexpr DWORD StylOkna = WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD StylRozszerzonyOkna = WS_EX_TOOLWINDOW | WS_EX_ACCEPTFILES;

HINSTANCE Program() {
  return GetModuleHandleW(nullptr);
}

std::wstring TekstOkna(HWND Okno) {
  std::wstring tekst(static_cast<std::size_t>(GetWindowTextLengthW(Okno)) + 1, L'\0');
  tekst.resize(
      static_cast<std::size_t>(GetWindowTextW(Okno, tekst.data(), static_cast<int>(tekst.size()))));
  return tekst;
}

bool Widoczna(HWND Okno) {
  return (GetWindowLongPtrW(Okno, GWL_STYLE) & WS_VISIBLE) != 0;
}

TKontrolka KontrolkaOkna(HWND Okno) {
  return static_cast<TKontrolka>(GetDlgCtrlID(Okno) - 1);
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

}  // namespace

void TForm1::ZarejestrujKlasy() {
  static const bool zarejestrowane = [] {
    INITCOMMONCONTROLSEX kontrolki{sizeof(INITCOMMONCONTROLSEX),
                                   ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&kontrolki);
    WNDCLASSEXW klasa{};
    klasa.cbSize = sizeof(klasa);
    klasa.hInstance = Program();
    klasa.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    klasa.lpszClassName = KlasaKontrolki;
    klasa.lpfnWndProc = ProceduraKontrolki;
    RegisterClassExW(&klasa);
    klasa.lpszClassName = KlasaOkna;
    klasa.lpfnWndProc = ProceduraOkna;
    klasa.hIcon = LoadIconW(Program(), MAKEINTRESOURCEW(1));
    RegisterClassExW(&klasa);
    return true;
  }();
  (void)zarejestrowane;
}

TForm1::TForm1(TPulpit& Pulpit, TWitryna Witryna, TSrodowiskoAktualizacji Srodowisko,
               HWND Wlasciciel)
    : TOknoRozpoznika(Pulpit, std::move(Witryna), std::move(Srodowisko)), pulpit_(Pulpit) {
  ZarejestrujKlasy();
  czarny_ = CreateSolidBrush(Kolor(OpisOkna.Tlo));
  // Created on the primary monitor; WM_DPICHANGED follows if it lands on another.
  dpi_ = GetDpiForSystem();
  RECT ramka{0, 0, Skaluj(OpisOkna.Szerokosc), Skaluj(OpisOkna.Wysokosc)};
  AdjustWindowRectExForDpi(&ramka, StylOkna, FALSE, StylRozszerzonyOkna, dpi_);
  CreateWindowExW(StylRozszerzonyOkna, KlasaOkna, ZCp1250(cp1250::ZUtf8(TytulOkna)).c_str(),
                  StylOkna, Skaluj(OpisOkna.Lewa), Skaluj(OpisOkna.Gora), ramka.right - ramka.left,
                  ramka.bottom - ramka.top, Wlasciciel, nullptr, Program(), this);
  try {
    if (okno_ == nullptr) throw std::runtime_error(OpisBleduSystemu(GetLastError()));
    dpi_ = GetDpiForWindow(okno_);
    UtworzCzcionki();
    UtworzKontrolki();
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
  if (okno_ != nullptr) DestroyWindow(okno_);
  for (HFONT czcionka : czcionki_) {
    if (czcionka != nullptr) DeleteObject(czcionka);
  }
  for (HBITMAP obraz : obrazy_) {
    if (obraz != nullptr) DeleteObject(obraz);
  }
  if (czarny_ != nullptr) DeleteObject(czarny_);
}

// The frame is the system's, and its size at a new resolution is the system's to say: the
// outer size follows from the client area the layout wants and the frame as it is.
void TForm1::UstawRozmiarKlienta() {
  RECT klient{}, ramka{};
  GetClientRect(okno_, &klient);
  GetWindowRect(okno_, &ramka);
  const int szerokosc = Skaluj(OpisOkna.Szerokosc) - klient.right;
  const int wysokosc = Skaluj(OpisOkna.Wysokosc) - klient.bottom;
  if (szerokosc == 0 && wysokosc == 0) return;
  SetWindowPos(okno_, nullptr, 0, 0, ramka.right - ramka.left + szerokosc,
               ramka.bottom - ramka.top + wysokosc, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int TForm1::Skaluj(int Piksele) const {
  return MulDiv(Piksele, static_cast<int>(dpi_), USER_DEFAULT_SCREEN_DPI);
}

void TForm1::UtworzCzcionki() {
  ZapewnijTahome();
  for (const TOpisKontrolki& opis : UkladOkna) {
    if (opis.Czcionka == 0) continue;
    HFONT& czcionka = czcionki_[Indeks(opis.Kontrolka)];
    const HFONT poprzednia = czcionka;
    // A negative height asks for the character height, not the cell's.
    czcionka = CreateFontW(-Skaluj(opis.Czcionka), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                           EASTEUROPE_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                           DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, L"Tahoma");
    if (const HWND kontrolka = kontrolki_[Indeks(opis.Kontrolka)]) {
      SendMessageW(kontrolka, WM_SETFONT, reinterpret_cast<WPARAM>(czcionka), FALSE);
    }
    if (poprzednia != nullptr) DeleteObject(poprzednia);
  }
}

void TForm1::UtworzKontrolki() {
  for (const TOpisKontrolki& opis : UkladOkna) {
    const std::size_t i = Indeks(opis.Kontrolka);
    const wchar_t* klasa = KlasaKontrolki;
    DWORD styl = WS_CHILD | WS_CLIPSIBLINGS;
    DWORD stylRozszerzony = 0;
    switch (opis.Rodzaj) {
      case TRodzajKontrolki::Pole:
        klasa = WC_EDITW;
        styl |= ES_READONLY | ES_AUTOHSCROLL | ES_LEFT;
        stylRozszerzony = WS_EX_CLIENTEDGE;
        break;
      case TRodzajKontrolki::Memo:
        // Without ES_AUTOHSCROLL and scroll bars a multi-line box wraps its lines.
        klasa = WC_EDITW;
        styl |= ES_READONLY | ES_MULTILINE;
        if (!opis.KolorTlaCzarny) stylRozszerzony = WS_EX_CLIENTEDGE;
        break;
      case TRodzajKontrolki::PasekPrzewijania:
        klasa = WC_SCROLLBARW;
        styl |= SBS_VERT;
        break;
      case TRodzajKontrolki::Obraz:
        obrazy_[i] = static_cast<HBITMAP>(LoadImageW(Program(), NazwaZasobu(opis.Obraz).c_str(),
                                                     IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
        break;
      case TRodzajKontrolki::Linia:
      case TRodzajKontrolki::Etykieta:
      case TRodzajKontrolki::Przycisk:
        break;
    }
    const HWND kontrolka =
        CreateWindowExW(stylRozszerzony, klasa, L"", styl, 0, 0, 0, 0, okno_,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(i + 1)), Program(), this);
    if (kontrolka == nullptr) throw std::runtime_error(OpisBleduSystemu(GetLastError()));
    // Each control lies above the ones created before it.
    SetWindowPos(kontrolka, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    kontrolki_[i] = kontrolka;
    kolory_[i] = opis.KolorTekstu;
    if (czcionki_[i] != nullptr) {
      SendMessageW(kontrolka, WM_SETFONT, reinterpret_cast<WPARAM>(czcionki_[i]), FALSE);
    }
    if (opis.Rodzaj == TRodzajKontrolki::Memo) {
      // No margin of its own: the text starts at the box's edge, as the layout places it.
      SendMessageW(kontrolka, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
      if (opis.Klikalna) SetWindowSubclass(kontrolka, ProceduraMemo, 0, 0);
    }
  }
  const auto kontrolka = [this](TKontrolka K) { return kontrolki_[Indeks(K)]; };
  Image1 = kontrolka(TKontrolka::Image1);
  Bevel1 = kontrolka(TKontrolka::Bevel1);
  SpeedButton1 = kontrolka(TKontrolka::SpeedButton1);
  Image2 = kontrolka(TKontrolka::Image2);
  Label1 = kontrolka(TKontrolka::Label1);
  Label2 = kontrolka(TKontrolka::Label2);
  Label3 = kontrolka(TKontrolka::Label3);
  Label4 = kontrolka(TKontrolka::Label4);
  Label5 = kontrolka(TKontrolka::Label5);
  Bevel2 = kontrolka(TKontrolka::Bevel2);
  Label6 = kontrolka(TKontrolka::Label6);
  InfoLabel = kontrolka(TKontrolka::InfoLabel);
  Pasek = kontrolka(TKontrolka::Pasek);
  Edit1 = kontrolka(TKontrolka::Edit1);
  TypEdit = kontrolka(TKontrolka::TypEdit);
  KategoriaEdit = kontrolka(TKontrolka::KategoriaEdit);
  ProgramyMemo = kontrolka(TKontrolka::ProgramyMemo);
  ScrollBar1 = kontrolka(TKontrolka::ScrollBar1);
  InfoMemo = kontrolka(TKontrolka::InfoMemo);

  // Every box has a tooltip; one with empty text never shows.
  podpowiedzi_ =
      CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                      WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                      CW_USEDEFAULT, CW_USEDEFAULT, okno_, nullptr, Program(), nullptr);
  for (const TOpisKontrolki& opis : UkladOkna) {
    if (opis.Rodzaj != TRodzajKontrolki::Pole) continue;
    TTTOOLINFOW narzedzie{};
    narzedzie.cbSize = sizeof(narzedzie);
    narzedzie.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    narzedzie.hwnd = okno_;
    narzedzie.uId = reinterpret_cast<UINT_PTR>(kontrolki_[Indeks(opis.Kontrolka)]);
    narzedzie.lpszText = const_cast<wchar_t*>(L"");
    SendMessageW(podpowiedzi_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&narzedzie));
  }
}

void TForm1::PokazStan() {
  for (const TOpisKontrolki& opis : UkladOkna) PokazKontrolke(opis, Stan()[opis.Kontrolka]);
  // Setting the range and position here is drawing: no WM_VSCROLL comes of it.
  SCROLLINFO pasek{};
  pasek.cbSize = sizeof(pasek);
  pasek.fMask = SIF_RANGE | SIF_POS | SIF_PAGE;
  pasek.nMax = Stan().MaksimumPaska;
  pasek.nPos = Stan().PozycjaPaska;
  SetScrollInfo(ScrollBar1, SB_CTL, &pasek, TRUE);
  PoprawFokus();
  // Drawn now, so that the window shows the state while a long piece of work or a question
  // holds the message loop.
  UpdateWindow(okno_);
}

RECT TForm1::Prostokat(const TOpisKontrolki& Opis, const TStanKontrolki& Stan) const {
  const HWND kontrolka = kontrolki_[Indeks(Opis.Kontrolka)];
  int lewa = Skaluj(Stan.Lewa);
  const int gora = Skaluj(Stan.Gora);
  int szerokosc = Skaluj(Opis.Polozenie.Szerokosc);
  int wysokosc = Skaluj(Opis.Polozenie.Wysokosc);
  if (Opis.Rodzaj == TRodzajKontrolki::Obraz) {
    BITMAP obraz{};
    if (GetObjectW(obrazy_[Indeks(Opis.Kontrolka)], sizeof(obraz), &obraz) != 0) {
      szerokosc = Skaluj(obraz.bmWidth);
      wysokosc = Skaluj(obraz.bmHeight);
    }
  } else if (Opis.Rodzaj == TRodzajKontrolki::Etykieta) {
    // Labels take the width of their text.
    szerokosc = SzerokoscTekstu(kontrolka, TekstOkna(kontrolka));
    if (Opis.WysrodkowanaNaRamie) {
      RECT ramka{};
      GetWindowRect(okno_, &ramka);
      lewa = LewaWysrodkowana(ramka.right - ramka.left, szerokosc);
    }
  }
  return {lewa, gora, lewa + szerokosc, gora + wysokosc};
}

int TForm1::SzerokoscTekstu(HWND Kontrolka, const std::wstring& Tekst) const {
  const HDC dc = GetDC(Kontrolka);
  const HGDIOBJ poprzednia = SelectObject(dc, czcionki_[Indeks(KontrolkaOkna(Kontrolka))]);
  SIZE rozmiar{};
  GetTextExtentPoint32W(dc, Tekst.c_str(), static_cast<int>(Tekst.size()), &rozmiar);
  SelectObject(dc, poprzednia);
  ReleaseDC(Kontrolka, dc);
  return rozmiar.cx;
}

void TForm1::PokazKontrolke(const TOpisKontrolki& Opis, const TStanKontrolki& Stan) {
  const std::size_t i = Indeks(Opis.Kontrolka);
  const HWND kontrolka = kontrolki_[i];
  std::wstring tekst = Opis.Sciezka ? ZTekstuSystemowego(Stan.Tekst) : ZCp1250(Stan.Tekst);
  if (Opis.Rodzaj == TRodzajKontrolki::Memo) tekst = WierszamiWindows(tekst);
  const bool nowyTekst = TekstOkna(kontrolka) != tekst;
  if (nowyTekst) {
    SetWindowTextW(kontrolka, tekst.c_str());
    InvalidateRect(kontrolka, nullptr, FALSE);
  }
  if (kolory_[i] != Stan.KolorTekstu) {
    kolory_[i] = Stan.KolorTekstu;
    InvalidateRect(kontrolka, nullptr, FALSE);
  }
  const RECT nowy = Prostokat(Opis, Stan);
  RECT obecny{};
  GetWindowRect(kontrolka, &obecny);
  MapWindowPoints(HWND_DESKTOP, okno_, reinterpret_cast<POINT*>(&obecny), 2);
  if (!EqualRect(&nowy, &obecny)) {
    SetWindowPos(kontrolka, nullptr, nowy.left, nowy.top, nowy.right - nowy.left,
                 nowy.bottom - nowy.top, SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(kontrolka, nullptr, FALSE);
  }
  if (Opis.Rodzaj == TRodzajKontrolki::Pole) PokazPole(Opis, tekst, nowyTekst);
  if (Widoczna(kontrolka) != Stan.Widoczna) {
    ShowWindow(kontrolka, Stan.Widoczna ? SW_SHOWNA : SW_HIDE);
  }
}

// A text drawn again unchanged keeps the user's selection and scrolling.
void TForm1::PokazPole(const TOpisKontrolki& Opis, const std::wstring& Tekst, bool NowyTekst) {
  const HWND pole = kontrolki_[Indeks(Opis.Kontrolka)];
  RECT miejsce{};
  SendMessageW(pole, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&miejsce));
  const TWidokPola widok =
      WidokPola(Opis.DlugiTekst, SzerokoscTekstu(pole, Tekst) > miejsce.right - miejsce.left);
  if (NowyTekst) {
    const auto pozycja = static_cast<WPARAM>(widok.OdKonca ? Tekst.size() : 0);
    SendMessageW(pole, EM_SETSEL, pozycja, static_cast<LPARAM>(pozycja));
    SendMessageW(pole, EM_SCROLLCARET, 0, 0);
  }
  TTTOOLINFOW narzedzie{};
  narzedzie.cbSize = sizeof(narzedzie);
  narzedzie.hwnd = okno_;
  narzedzie.uId = reinterpret_cast<UINT_PTR>(pole);
  narzedzie.lpszText = const_cast<wchar_t*>(widok.Podpowiedz ? Tekst.c_str() : L"");
  SendMessageW(podpowiedzi_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&narzedzie));
}

// What lies below a drawn control: the window's black, and the pictures before it in the
// table. `Poczatek` is the control's top-left corner in the window's client area.
void TForm1::RysujTlo(HDC Dc, POINT Poczatek, TKontrolka Kontrolka) const {
  RECT calosc{};
  GetClientRect(okno_, &calosc);
  OffsetRect(&calosc, -Poczatek.x, -Poczatek.y);
  FillRect(Dc, &calosc, czarny_);
  for (const TOpisKontrolki& opis : UkladOkna) {
    const std::size_t i = Indeks(opis.Kontrolka);
    if (i >= Indeks(Kontrolka)) break;
    if (opis.Rodzaj != TRodzajKontrolki::Obraz || !Widoczna(kontrolki_[i])) continue;
    RECT gdzie{};
    GetWindowRect(kontrolki_[i], &gdzie);
    MapWindowPoints(HWND_DESKTOP, okno_, reinterpret_cast<POINT*>(&gdzie), 2);
    OffsetRect(&gdzie, -Poczatek.x, -Poczatek.y);
    RysujObraz(Dc, obrazy_[i], gdzie);
  }
}

void TForm1::RysujObraz(HDC Dc, HBITMAP Obraz, const RECT& Gdzie) const {
  BITMAP opis{};
  if (GetObjectW(Obraz, sizeof(opis), &opis) == 0) return;
  const HDC zrodlo = CreateCompatibleDC(Dc);
  const HGDIOBJ poprzedni = SelectObject(zrodlo, Obraz);
  const int szerokosc = Gdzie.right - Gdzie.left;
  const int wysokosc = Gdzie.bottom - Gdzie.top;
  if (szerokosc == opis.bmWidth && wysokosc == opis.bmHeight) {
    BitBlt(Dc, Gdzie.left, Gdzie.top, szerokosc, wysokosc, zrodlo, 0, 0, SRCCOPY);
  } else {
    // Enlarged pictures are smoothed rather than blocky.
    SetStretchBltMode(Dc, HALFTONE);
    SetBrushOrgEx(Dc, 0, 0, nullptr);
    StretchBlt(Dc, Gdzie.left, Gdzie.top, szerokosc, wysokosc, zrodlo, 0, 0, opis.bmWidth,
               opis.bmHeight, SRCCOPY);
  }
  SelectObject(zrodlo, poprzedni);
  DeleteDC(zrodlo);
}

// Drawn off screen first, so that the background and the control never show one without the
// other.
void TForm1::RysujKontrolke(TKontrolka Kontrolka, HDC Dc) {
  const std::size_t i = Indeks(Kontrolka);
  const TOpisKontrolki& opis = UkladOkna[i];
  const HWND kontrolka = kontrolki_[i];
  RECT obszar{};
  GetClientRect(kontrolka, &obszar);
  POINT poczatek{0, 0};
  MapWindowPoints(kontrolka, okno_, &poczatek, 1);
  const HDC bufor = CreateCompatibleDC(Dc);
  const HBITMAP obraz =
      CreateCompatibleBitmap(Dc, std::max<int>(obszar.right, 1), std::max<int>(obszar.bottom, 1));
  const HGDIOBJ poprzedniObraz = SelectObject(bufor, obraz);
  RysujTlo(bufor, poczatek, Kontrolka);
  const std::wstring tekst = TekstOkna(kontrolka);
  const HGDIOBJ poprzedniaCzcionka =
      czcionki_[i] != nullptr ? SelectObject(bufor, czcionki_[i]) : nullptr;
  SetBkMode(bufor, TRANSPARENT);
  SetTextColor(bufor, Kolor(kolory_[i]));
  switch (opis.Rodzaj) {
    case TRodzajKontrolki::Obraz:
      RysujObraz(bufor, obrazy_[i], obszar);
      break;
    case TRodzajKontrolki::Linia: {
      const int grubosc = std::max(1, Skaluj(1));
      const int gora = opis.Krawedz == TKrawedz::Gorna ? 0 : obszar.bottom - 2 * grubosc;
      const bool wypukla = opis.Styl == TStylLinii::Wypukla;
      RECT pierwsza{0, gora, obszar.right, gora + grubosc};
      RECT druga{0, gora + grubosc, obszar.right, gora + 2 * grubosc};
      FillRect(bufor, &pierwsza, GetSysColorBrush(wypukla ? COLOR_3DHIGHLIGHT : COLOR_3DSHADOW));
      FillRect(bufor, &druga, GetSysColorBrush(wypukla ? COLOR_3DSHADOW : COLOR_3DHIGHLIGHT));
      break;
    }
    case TRodzajKontrolki::Etykieta:
      DrawTextW(bufor, tekst.c_str(), static_cast<int>(tekst.size()), &obszar,
                DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
      break;
    case TRodzajKontrolki::Przycisk: {
      // A raised edge under the mouse, a sunken one while pressed, the text following it.
      const TMysz& mysz = mysz_[i];
      const bool wcisniety = mysz.Wcisnieta && mysz.Nad;
      if (mysz.Nad || mysz.Wcisnieta) {
        DrawEdge(bufor, &obszar, wcisniety ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
      }
      RECT naTekst = obszar;
      if (wcisniety) OffsetRect(&naTekst, 1, 1);
      DrawTextW(bufor, tekst.c_str(), static_cast<int>(tekst.size()), &naTekst,
                DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
      break;
    }
    case TRodzajKontrolki::Pole:
    case TRodzajKontrolki::Memo:
    case TRodzajKontrolki::PasekPrzewijania:
      break;
  }
  BitBlt(Dc, 0, 0, obszar.right, obszar.bottom, bufor, 0, 0, SRCCOPY);
  if (poprzedniaCzcionka != nullptr) SelectObject(bufor, poprzedniaCzcionka);
  SelectObject(bufor, poprzedniObraz);
  DeleteObject(obraz);
  DeleteDC(bufor);
}

// The scroll bar moves by one candidate for an arrow, a click in its track or an arrow key, and
// straight to a candidate when its thumb is dragged.
void TForm1::Przewin(WPARAM Zadanie) {
  SCROLLINFO pasek{};
  pasek.cbSize = sizeof(pasek);
  pasek.fMask = SIF_ALL;
  GetScrollInfo(ScrollBar1, SB_CTL, &pasek);
  int pozycja = pasek.nPos;
  switch (LOWORD(Zadanie)) {
    case SB_LINEUP:
    case SB_PAGEUP:
      --pozycja;
      break;
    case SB_LINEDOWN:
    case SB_PAGEDOWN:
      ++pozycja;
      break;
    case SB_TOP:
      pozycja = pasek.nMin;
      break;
    case SB_BOTTOM:
      pozycja = pasek.nMax;
      break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
      pozycja = pasek.nTrackPos;
      break;
    default:
      return;
  }
  pozycja = std::clamp(pozycja, pasek.nMin, pasek.nMax);
  if (pozycja == pasek.nPos) return;
  SetScrollPos(ScrollBar1, SB_CTL, pozycja, TRUE);
  ZmianaPozycji(TKontrolka::ScrollBar1, pozycja);
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

void TForm1::Upusc(HDROP Upuszczone) {
  upuszczone_ = {};
  const UINT ile = DragQueryFileW(Upuszczone, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < ile; ++i) {
    const UINT dlugosc = DragQueryFileW(Upuszczone, i, nullptr, 0);
    std::wstring sciezka(dlugosc + 1, L'\0');
    sciezka.resize(DragQueryFileW(Upuszczone, i, sciezka.data(), dlugosc + 1));
    upuszczone_.Pliki.push_back(ZUtf16(sciezka));
  }
  DragFinish(Upuszczone);
  PostMessageW(okno_, WM_UPUSZCZONO, 0, 0);
}

HWND TForm1::NastepnaWKolejnosci(HWND Od, bool Wstecz) const {
  std::array<HWND, LiczbaKontrolek> kolejnosc{};
  std::size_t ile = 0;
  for (int miejsce = 1; miejsce <= static_cast<int>(LiczbaKontrolek); ++miejsce) {
    for (const TOpisKontrolki& opis : UkladOkna) {
      if (opis.Fokus == miejsce) kolejnosc[ile++] = kontrolki_[Indeks(opis.Kontrolka)];
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
  if (Komunikat.hwnd != okno_ && !IsChild(okno_, Komunikat.hwnd)) return false;
  const HWND nastepna = NastepnaWKolejnosci(GetFocus(), GetKeyState(VK_SHIFT) < 0);
  if (nastepna != nullptr) SetFocus(nastepna);
  return true;
}

// A control hidden while it had the focus passes it on, so that the keyboard still reaches
// the window.
void TForm1::PoprawFokus() {
  const HWND fokus = GetFocus();
  if (fokus == nullptr || !IsChild(okno_, fokus) || Widoczna(fokus)) return;
  if (const HWND nastepna = NastepnaWKolejnosci(fokus, false)) {
    SetFocus(nastepna);
  } else {
    SetFocus(okno_);
  }
}

LRESULT CALLBACK TForm1::ProceduraOkna(HWND Okno, UINT Komunikat, WPARAM W, LPARAM L) {
  if (Komunikat == WM_NCCREATE) {
    auto* forma = static_cast<TForm1*>(reinterpret_cast<CREATESTRUCTW*>(L)->lpCreateParams);
    forma->okno_ = Okno;
    SetWindowLongPtrW(Okno, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(forma));
  }
  auto* forma = reinterpret_cast<TForm1*>(GetWindowLongPtrW(Okno, GWLP_USERDATA));
  if (forma == nullptr) return DefWindowProcW(Okno, Komunikat, W, L);
  // No error may unwind through the system's code that called this.
  try {
    return forma->Obsluz(Okno, Komunikat, W, L);
  } catch (...) {
    ZglosBladAplikacji(forma->pulpit_, std::current_exception());
    return 0;
  }
}

LRESULT TForm1::Obsluz(HWND Okno, UINT Komunikat, WPARAM W, LPARAM L) {
  switch (Komunikat) {
    case WM_ERASEBKGND: {
      RECT obszar{};
      GetClientRect(okno_, &obszar);
      FillRect(reinterpret_cast<HDC>(W), &obszar, czarny_);
      return 1;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
      return Kolory(reinterpret_cast<HDC>(W), reinterpret_cast<HWND>(L));
    case WM_VSCROLL:
      if (reinterpret_cast<HWND>(L) == ScrollBar1) Przewin(W);
      return 0;
    case WM_DROPFILES:
      Upusc(reinterpret_cast<HDROP>(W));
      return 0;
    case WM_UPUSZCZONO:
      Upuszczenie(std::exchange(upuszczone_, TUpuszczenie()));
      return 0;
    case WM_DPICHANGED: {
      dpi_ = LOWORD(W);
      UtworzCzcionki();
      const RECT* sugerowany = reinterpret_cast<const RECT*>(L);
      SetWindowPos(okno_, nullptr, sugerowany->left, sugerowany->top,
                   sugerowany->right - sugerowany->left, sugerowany->bottom - sugerowany->top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
      UstawRozmiarKlienta();
      PokazStan();
      InvalidateRect(okno_, nullptr, TRUE);
      return 0;
    }
    case WM_ACTIVATE:
      if (LOWORD(W) == WA_INACTIVE) {
        const HWND fokus = GetFocus();
        if (fokus != nullptr && IsChild(okno_, fokus)) fokus_ = fokus;
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
    case WM_NCDESTROY:
      okno_ = nullptr;
      kontrolki_.fill(nullptr);
      break;
    default:
      break;
  }
  return DefWindowProcW(Okno, Komunikat, W, L);
}

LRESULT CALLBACK TForm1::ProceduraKontrolki(HWND Okno, UINT Komunikat, WPARAM W, LPARAM L) {
  if (Komunikat == WM_NCCREATE) {
    SetWindowLongPtrW(
        Okno, GWLP_USERDATA,
        reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(L)->lpCreateParams));
  }
  auto* forma = reinterpret_cast<TForm1*>(GetWindowLongPtrW(Okno, GWLP_USERDATA));
  if (forma == nullptr) return DefWindowProcW(Okno, Komunikat, W, L);
  try {
    return forma->ObsluzKontrolke(Okno, Komunikat, W, L);
  } catch (...) {
    ZglosBladAplikacji(forma->pulpit_, std::current_exception());
    return 0;
  }
}

LRESULT TForm1::ObsluzKontrolke(HWND Okno, UINT Komunikat, WPARAM W, LPARAM L) {
  const HWND kontrolka = Okno;
  const TKontrolka Kontrolka = KontrolkaOkna(kontrolka);
  const std::size_t i = Indeks(Kontrolka);
  // Messages of its creation come before the window knows it.
  if (i >= LiczbaKontrolek || kontrolki_[i] != kontrolka) {
    return DefWindowProcW(kontrolka, Komunikat, W, L);
  }
  const TOpisKontrolki& opis = UkladOkna[i];
  TMysz& mysz = mysz_[i];
  switch (Komunikat) {
    case WM_NCHITTEST:
      // Lines and plain pictures and labels let the mouse through to what lies below.
      return opis.Klikalna || opis.Odnosnik ? HTCLIENT : HTTRANSPARENT;
    case WM_ERASEBKGND:
      return 1;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(czcionki_[i]);
    case WM_PAINT: {
      PAINTSTRUCT malowanie{};
      const HDC dc = BeginPaint(kontrolka, &malowanie);
      RysujKontrolke(Kontrolka, dc);
      EndPaint(kontrolka, &malowanie);
      return 0;
    }
    case WM_SETCURSOR:
      if (!opis.Odnosnik) break;
      SetCursor(LoadCursorW(nullptr, IDC_HAND));
      return TRUE;
    case WM_LBUTTONDOWN:
      SetCapture(kontrolka);
      mysz.Wcisnieta = true;
      InvalidateRect(kontrolka, nullptr, FALSE);
      return 0;
    case WM_LBUTTONUP: {
      if (!mysz.Wcisnieta) return 0;
      mysz.Wcisnieta = false;
      ReleaseCapture();
      InvalidateRect(kontrolka, nullptr, FALSE);
      RECT obszar{};
      GetClientRect(kontrolka, &obszar);
      // A click is a press and a release on the control.
      if (PtInRect(&obszar, POINT{GET_X_LPARAM(L), GET_Y_LPARAM(L)})) Klikniecie(Kontrolka);
      return 0;
    }
    case WM_CAPTURECHANGED:
      mysz.Wcisnieta = false;
      InvalidateRect(kontrolka, nullptr, FALSE);
      return 0;
    case WM_MOUSEMOVE:
      if (!mysz.Nad) {
        mysz.Nad = true;
        TRACKMOUSEEVENT sledzenie{sizeof(sledzenie), TME_LEAVE, kontrolka, 0};
        TrackMouseEvent(&sledzenie);
        InvalidateRect(kontrolka, nullptr, FALSE);
      }
      RuchMyszy(Kontrolka);
      return 0;
    case WM_MOUSELEAVE:
      mysz.Nad = false;
      InvalidateRect(kontrolka, nullptr, FALSE);
      OpuszczenieMyszy(Kontrolka);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(kontrolka, Komunikat, W, L);
}

// The About text reports clicks on it, like the drawn controls: a press and a release on it.
LRESULT CALLBACK TForm1::ProceduraMemo(HWND Okno, UINT Komunikat, WPARAM W, LPARAM L, UINT_PTR,
                                       DWORD_PTR) {
  if (Komunikat == WM_NCDESTROY) RemoveWindowSubclass(Okno, ProceduraMemo, 0);
  const LRESULT wynik = DefSubclassProc(Okno, Komunikat, W, L);
  if (Komunikat != WM_LBUTTONUP) return wynik;
  auto* forma = reinterpret_cast<TForm1*>(GetWindowLongPtrW(GetParent(Okno), GWLP_USERDATA));
  RECT obszar{};
  GetClientRect(Okno, &obszar);
  if (forma != nullptr && PtInRect(&obszar, POINT{GET_X_LPARAM(L), GET_Y_LPARAM(L)})) {
    forma->Klikniecie(KontrolkaOkna(Okno));
  }
  return wynik;
}
