#include "window/win32/kontrolki/Obrazek.h"

TObrazek::~TObrazek() {
  if (obraz_ != nullptr) DeleteObject(obraz_);
}

void TObrazek::Wczytaj(const std::wstring& Zasob) {
  if (obraz_ != nullptr) DeleteObject(obraz_);
  obraz_ = static_cast<HBITMAP>(
      LoadImageW(Program(), Zasob.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}

std::optional<SIZE> TObrazek::Rozmiar() const {
  BITMAP opis{};
  if (GetObjectW(obraz_, sizeof(opis), &opis) == 0) return std::nullopt;
  return SIZE{opis.bmWidth, opis.bmHeight};
}

void TObrazek::RysujW(HDC Dc, const RECT& Gdzie) const {
  const std::optional<SIZE> rozmiar = Rozmiar();
  if (!rozmiar) return;
  const HDC zrodlo = CreateCompatibleDC(Dc);
  const HGDIOBJ poprzedni = SelectObject(zrodlo, obraz_);
  const int szerokosc = Gdzie.right - Gdzie.left;
  const int wysokosc = Gdzie.bottom - Gdzie.top;
  if (szerokosc == rozmiar->cx && wysokosc == rozmiar->cy) {
    BitBlt(Dc, Gdzie.left, Gdzie.top, szerokosc, wysokosc, zrodlo, 0, 0, SRCCOPY);
  } else {
    // Enlarged pictures are smoothed rather than blocky.
    SetStretchBltMode(Dc, HALFTONE);
    SetBrushOrgEx(Dc, 0, 0, nullptr);
    StretchBlt(Dc, Gdzie.left, Gdzie.top, szerokosc, wysokosc, zrodlo, 0, 0, rozmiar->cx,
               rozmiar->cy, SRCCOPY);
  }
  SelectObject(zrodlo, poprzedni);
  DeleteDC(zrodlo);
}
