#include "window/win32/kontrolki/Okno.h"

#include <stdexcept>

#include "text/windows/OpisBledu.h"

std::wstring TOkno::Tekst() const {
  std::wstring tekst(static_cast<std::size_t>(GetWindowTextLengthW(uchwyt_)) + 1, L'\0');
  tekst.resize(static_cast<std::size_t>(
      GetWindowTextW(uchwyt_, tekst.data(), static_cast<int>(tekst.size()))));
  return tekst;
}

RECT TOkno::Obszar() const {
  RECT obszar{};
  GetClientRect(uchwyt_, &obszar);
  return obszar;
}

RECT TOkno::Polozenie() const {
  RECT polozenie{};
  GetWindowRect(uchwyt_, &polozenie);
  MapWindowPoints(HWND_DESKTOP, GetParent(uchwyt_), reinterpret_cast<POINT*>(&polozenie), 2);
  return polozenie;
}

POINT TOkno::Poczatek() const {
  POINT poczatek{0, 0};
  MapWindowPoints(uchwyt_, GetParent(uchwyt_), &poczatek, 1);
  return poczatek;
}

void TOkno::Przesun(const RECT& Gdzie) {
  const RECT obecne = Polozenie();
  if (EqualRect(&Gdzie, &obecne)) return;
  SetWindowPos(uchwyt_, nullptr, Gdzie.left, Gdzie.top, Gdzie.right - Gdzie.left,
               Gdzie.bottom - Gdzie.top, SWP_NOZORDER | SWP_NOACTIVATE);
  Odswiez();
}

void TOkno::UstawCzcionke(TCzcionka Czcionka) {
  Wyslij(WM_SETFONT, reinterpret_cast<WPARAM>(Czcionka.Uchwyt()), FALSE);
  czcionka_ = std::move(Czcionka);
}

int TOkno::SzerokoscTekstu(const std::wstring& Tekst) const {
  const HDC dc = GetDC(uchwyt_);
  const HGDIOBJ poprzednia = SelectObject(dc, Czcionka());
  SIZE rozmiar{};
  GetTextExtentPoint32W(dc, Tekst.c_str(), static_cast<int>(Tekst.size()), &rozmiar);
  SelectObject(dc, poprzednia);
  ReleaseDC(uchwyt_, dc);
  return rozmiar.cx;
}

void TOkno::UtworzKontrolke(HWND Rodzic, int Id, const wchar_t* Klasa, DWORD Styl,
                            DWORD StylRozszerzony, void* Parametr) {
  uchwyt_ = CreateWindowExW(StylRozszerzony, Klasa, L"", WS_CHILD | WS_CLIPSIBLINGS | Styl, 0, 0, 0,
                            0, Rodzic, reinterpret_cast<HMENU>(static_cast<INT_PTR>(Id)), Program(),
                            Parametr);
  if (uchwyt_ == nullptr) throw std::runtime_error(OpisBleduSystemu(GetLastError()));
  SetWindowPos(uchwyt_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}
