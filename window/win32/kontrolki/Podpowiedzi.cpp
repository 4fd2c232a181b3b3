#include "window/win32/kontrolki/Podpowiedzi.h"

#include <windows.h>
// windows.h first: commctrl.h needs its types.
#include <commctrl.h>

namespace {

TTTOOLINFOW Narzedzie(HWND Wlasciciel, HWND Kontrolka, const wchar_t* Tekst, UINT Flagi = 0) {
  TTTOOLINFOW narzedzie{};
  narzedzie.cbSize = sizeof(narzedzie);
  narzedzie.uFlags = Flagi;
  narzedzie.hwnd = Wlasciciel;
  narzedzie.uId = reinterpret_cast<UINT_PTR>(Kontrolka);
  narzedzie.lpszText = const_cast<wchar_t*>(Tekst);
  return narzedzie;
}

}  // namespace

void TPodpowiedzi::Utworz(HWND Wlasciciel) {
  wlasciciel_ = Wlasciciel;
  uchwyt_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                            WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                            CW_USEDEFAULT, CW_USEDEFAULT, Wlasciciel, nullptr, Program(), nullptr);
}

void TPodpowiedzi::Dodaj(HWND Kontrolka) {
  TTTOOLINFOW narzedzie = Narzedzie(wlasciciel_, Kontrolka, L"", TTF_IDISHWND | TTF_SUBCLASS);
  Wyslij(TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&narzedzie));
}

void TPodpowiedzi::UstawTekst(HWND Kontrolka, const std::wstring& Tekst) {
  TTTOOLINFOW narzedzie = Narzedzie(wlasciciel_, Kontrolka, Tekst.c_str());
  Wyslij(TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&narzedzie));
}
