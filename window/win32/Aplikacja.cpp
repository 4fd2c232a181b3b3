#include "window/win32/Aplikacja.h"

#include <stdexcept>

#include "text/Cp1250.h"
#include "text/windows/OpisBledu.h"
#include "window/Teksty.h"
#include "window/win32/Tekst.h"
#include "window/win32/Unit1.h"

namespace {

constexpr wchar_t KlasaAplikacji[] = L"TApplication";

HICON Ikona(int Metryka) {
  const int rozmiar = GetSystemMetrics(Metryka);
  return static_cast<HICON>(
      LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1), IMAGE_ICON, rozmiar, rozmiar, 0));
}

}  // namespace

TAplikacja::TAplikacja() {
  ikona_ = Ikona(SM_CXICON);
  malaIkona_ = Ikona(SM_CXSMICON);
  WNDCLASSEXW klasa{};
  klasa.cbSize = sizeof(klasa);
  klasa.hInstance = GetModuleHandleW(nullptr);
  klasa.lpszClassName = KlasaAplikacji;
  klasa.lpfnWndProc = ProceduraOkna;
  klasa.hIcon = ikona_;
  klasa.hIconSm = malaIkona_;
  RegisterClassExW(&klasa);
  // No size: it shows nothing but its button on the task bar.
  okno_ = CreateWindowExW(0, KlasaAplikacji, ZCp1250(cp1250::ZUtf8(NazwaAplikacji)).c_str(),
                          WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                          GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 0,
                          0, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (okno_ == nullptr) throw std::runtime_error(OpisBleduSystemu(GetLastError()));
}

TAplikacja::~TAplikacja() {
  if (okno_ != nullptr) DestroyWindow(okno_);
  if (ikona_ != nullptr) DestroyIcon(ikona_);
  if (malaIkona_ != nullptr) DestroyIcon(malaIkona_);
}

int TAplikacja::Run(TForm1& Form1, int Pokazanie, const std::function<void()>& PoPokazaniu) {
  ShowWindow(okno_, SW_SHOWNOACTIVATE);
  ShowWindow(Form1.Uchwyt(), Pokazanie);
  UpdateWindow(Form1.Uchwyt());
  if (PoPokazaniu) PoPokazaniu();
  MSG komunikat{};
  while (GetMessageW(&komunikat, nullptr, 0, 0) > 0) {
    if (Form1.PrzetworzKlawisz(komunikat)) continue;
    TranslateMessage(&komunikat);
    DispatchMessageW(&komunikat);
  }
  return static_cast<int>(komunikat.wParam);
}

// The task bar's button activates, and its menu closes, the window the application owns.
LRESULT CALLBACK TAplikacja::ProceduraOkna(HWND Okno, UINT Komunikat, WPARAM W, LPARAM L) {
  switch (Komunikat) {
    case WM_SETFOCUS: {
      const HWND aktywne = GetLastActivePopup(Okno);
      if (aktywne != Okno && IsWindowEnabled(aktywne)) SetActiveWindow(aktywne);
      return 0;
    }
    case WM_CLOSE: {
      const HWND aktywne = GetLastActivePopup(Okno);
      if (aktywne != Okno) PostMessageW(aktywne, WM_CLOSE, 0, 0);
      return 0;
    }
    default:
      return DefWindowProcW(Okno, Komunikat, W, L);
  }
}
