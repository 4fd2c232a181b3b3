#include "window/win32/kontrolki/OknoWlasne.h"

#include <stdexcept>

#include "text/windows/OpisBledu.h"

void TOknoWlasne::Zarejestruj(const wchar_t* Klasa, int Ikona) {
  WNDCLASSEXW klasa{};
  klasa.cbSize = sizeof(klasa);
  if (GetClassInfoExW(Program(), Klasa, &klasa)) return;
  klasa.hInstance = Program();
  klasa.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  klasa.lpszClassName = Klasa;
  klasa.lpfnWndProc = Procedura;
  if (Ikona != 0) klasa.hIcon = LoadIconW(Program(), MAKEINTRESOURCEW(Ikona));
  RegisterClassExW(&klasa);
}

void TOknoWlasne::UtworzOkno(const wchar_t* Klasa, const std::wstring& Tytul, DWORD Styl,
                             DWORD StylRozszerzony, const RECT& Gdzie, HWND Wlasciciel, int Ikona) {
  Zarejestruj(Klasa, Ikona);
  CreateWindowExW(StylRozszerzony, Klasa, Tytul.c_str(), Styl, Gdzie.left, Gdzie.top,
                  Gdzie.right - Gdzie.left, Gdzie.bottom - Gdzie.top, Wlasciciel, nullptr,
                  Program(), this);
  if (uchwyt_ == nullptr) throw std::runtime_error(OpisBleduSystemu(GetLastError()));
}

void TOknoWlasne::UtworzKontrolkeWlasna(HWND Rodzic, int Id, const wchar_t* Klasa) {
  Zarejestruj(Klasa, 0);
  UtworzKontrolke(Rodzic, Id, Klasa, 0, 0, this);
}

LRESULT CALLBACK TOknoWlasne::Procedura(HWND Okno, UINT Komunikat, WPARAM W, LPARAM L) {
  if (Komunikat == WM_NCCREATE) {
    auto* obiekt = static_cast<TOknoWlasne*>(reinterpret_cast<CREATESTRUCTW*>(L)->lpCreateParams);
    obiekt->uchwyt_ = Okno;
    SetWindowLongPtrW(Okno, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(obiekt));
  }
  auto* obiekt = reinterpret_cast<TOknoWlasne*>(GetWindowLongPtrW(Okno, GWLP_USERDATA));
  if (obiekt == nullptr) return DefWindowProcW(Okno, Komunikat, W, L);
  LRESULT wynik = 0;
  try {
    wynik = obiekt->ObsluzKomunikat(Komunikat, W, L);
  } catch (...) {
    obiekt->BladObslugi(std::current_exception());
  }
  if (Komunikat == WM_NCDESTROY) {
    // The object may outlive its window; nothing reaches it through the handle any more.
    SetWindowLongPtrW(Okno, GWLP_USERDATA, 0);
    obiekt->uchwyt_ = nullptr;
  }
  return wynik;
}
