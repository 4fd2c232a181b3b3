#include "window/win32/kontrolki/Rysowana.h"

#include <windowsx.h>

#include <algorithm>

namespace {

constexpr wchar_t KlasaRysowanej[] = L"TKontrolkaRysowana";

}  // namespace

void TRysowana::Utworz(HWND Rodzic, int Id, TSluchaczKontrolek& Sluchacz, bool Klikalna,
                       bool Odnosnik) {
  sluchacz_ = &Sluchacz;
  klikalna_ = Klikalna;
  odnosnik_ = Odnosnik;
  UtworzKontrolkeWlasna(Rodzic, Id, KlasaRysowanej);
}

void TRysowana::UstawKolor(COLORREF Kolor) {
  if (kolor_ == Kolor) return;
  kolor_ = Kolor;
  Odswiez();
}

void TRysowana::Maluj(HDC Dc) {
  const RECT obszar = Obszar();
  const HDC bufor = CreateCompatibleDC(Dc);
  const HBITMAP obraz =
      CreateCompatibleBitmap(Dc, std::max<int>(obszar.right, 1), std::max<int>(obszar.bottom, 1));
  const HGDIOBJ poprzedniObraz = SelectObject(bufor, obraz);
  sluchacz_->RysujPod(bufor, *this);
  const HGDIOBJ poprzedniaCzcionka =
      czcionka_.Uchwyt() != nullptr ? SelectObject(bufor, czcionka_.Uchwyt()) : nullptr;
  SetBkMode(bufor, TRANSPARENT);
  SetTextColor(bufor, kolor_);
  Rysuj(bufor, obszar);
  BitBlt(Dc, 0, 0, obszar.right, obszar.bottom, bufor, 0, 0, SRCCOPY);
  if (poprzedniaCzcionka != nullptr) SelectObject(bufor, poprzedniaCzcionka);
  SelectObject(bufor, poprzedniObraz);
  DeleteObject(obraz);
  DeleteDC(bufor);
}

LRESULT TRysowana::ObsluzKomunikat(UINT Komunikat, WPARAM W, LPARAM L) {
  switch (Komunikat) {
    case WM_NCHITTEST:
      return klikalna_ || odnosnik_ ? HTCLIENT : HTTRANSPARENT;
    case WM_ERASEBKGND:
      return 1;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(czcionka_.Uchwyt());
    case WM_PAINT: {
      PAINTSTRUCT malowanie{};
      const HDC dc = BeginPaint(uchwyt_, &malowanie);
      Maluj(dc);
      EndPaint(uchwyt_, &malowanie);
      return 0;
    }
    case WM_SETCURSOR:
      if (!odnosnik_) break;
      SetCursor(LoadCursorW(nullptr, IDC_HAND));
      return TRUE;
    case WM_LBUTTONDOWN:
      SetCapture(uchwyt_);
      wcisnieta_ = true;
      Odswiez();
      return 0;
    case WM_LBUTTONUP: {
      if (!wcisnieta_) return 0;
      wcisnieta_ = false;
      ReleaseCapture();
      Odswiez();
      const RECT obszar = Obszar();
      if (PtInRect(&obszar, POINT{GET_X_LPARAM(L), GET_Y_LPARAM(L)})) sluchacz_->Kliknieta(*this);
      return 0;
    }
    case WM_CAPTURECHANGED:
      wcisnieta_ = false;
      Odswiez();
      return 0;
    case WM_MOUSEMOVE:
      if (!nad_) {
        nad_ = true;
        TRACKMOUSEEVENT sledzenie{sizeof(sledzenie), TME_LEAVE, uchwyt_, 0};
        TrackMouseEvent(&sledzenie);
        Odswiez();
      }
      sluchacz_->MyszNad(*this);
      return 0;
    case WM_MOUSELEAVE:
      nad_ = false;
      Odswiez();
      sluchacz_->MyszOpuscila(*this);
      return 0;
    default:
      break;
  }
  return Domyslnie(Komunikat, W, L);
}
