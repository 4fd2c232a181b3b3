#include "tests/window/win32/Pomocnicy.h"

// After the test's own headers: it names a COM class "Folder".
#include <shlobj.h>

#include <array>
#include <cstdint>
#include <fstream>

std::wstring Szeroki(std::string_view Utf8) {
  const int ile =
      MultiByteToWideChar(CP_UTF8, 0, Utf8.data(), static_cast<int>(Utf8.size()), nullptr, 0);
  std::wstring wynik(static_cast<std::size_t>(ile), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, Utf8.data(), static_cast<int>(Utf8.size()), wynik.data(), ile);
  return wynik;
}

std::wstring TekstKontrolki(HWND Kontrolka) {
  std::wstring tekst(static_cast<std::size_t>(GetWindowTextLengthW(Kontrolka)) + 1, L'\0');
  tekst.resize(static_cast<std::size_t>(
      GetWindowTextW(Kontrolka, tekst.data(), static_cast<int>(tekst.size()))));
  return tekst;
}

bool Widoczna(HWND Kontrolka) {
  return (GetWindowLongPtrW(Kontrolka, GWL_STYLE) & WS_VISIBLE) != 0;
}

RECT Polozenie(HWND Kontrolka) {
  RECT r{};
  GetWindowRect(Kontrolka, &r);
  MapWindowPoints(HWND_DESKTOP, GetParent(Kontrolka), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

void Pompuj() {
  MSG komunikat{};
  while (PeekMessageW(&komunikat, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&komunikat);
    DispatchMessageW(&komunikat);
  }
}

void Kliknij(HWND Kontrolka) {
  SendMessageW(Kontrolka, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
  SendMessageW(Kontrolka, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
}

TObraz Zrzut(HWND Okno) {
  RedrawWindow(Okno, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Pompuj();
  RECT obszar{};
  GetClientRect(Okno, &obszar);
  TObraz obraz{obszar.right, obszar.bottom, {}};
  const HDC okno = GetDC(Okno);
  const HDC pamiec = CreateCompatibleDC(okno);
  const HBITMAP bitmapa = CreateCompatibleBitmap(okno, obraz.Szerokosc, obraz.Wysokosc);
  const HGDIOBJ poprzednia = SelectObject(pamiec, bitmapa);
  BitBlt(pamiec, 0, 0, obraz.Szerokosc, obraz.Wysokosc, okno, 0, 0, SRCCOPY);
  SelectObject(pamiec, poprzednia);
  BITMAPINFO opis{};
  opis.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  opis.bmiHeader.biWidth = obraz.Szerokosc;
  opis.bmiHeader.biHeight = -obraz.Wysokosc;  // rows from the top
  opis.bmiHeader.biPlanes = 1;
  opis.bmiHeader.biBitCount = 32;
  opis.bmiHeader.biCompression = BI_RGB;
  std::vector<unsigned char> bgra(static_cast<std::size_t>(obraz.Szerokosc * obraz.Wysokosc) * 4);
  GetDIBits(pamiec, bitmapa, 0, static_cast<UINT>(obraz.Wysokosc), bgra.data(), &opis,
            DIB_RGB_COLORS);
  for (std::size_t i = 0; i < bgra.size(); i += 4) {
    obraz.Piksele.insert(obraz.Piksele.end(), {bgra[i + 2], bgra[i + 1], bgra[i]});
  }
  DeleteObject(bitmapa);
  DeleteDC(pamiec);
  ReleaseDC(Okno, okno);
  return obraz;
}

namespace {

std::uint32_t Crc32(const unsigned char* Dane, std::size_t Ile, std::uint32_t Crc = 0) {
  Crc = ~Crc;
  for (std::size_t i = 0; i < Ile; ++i) {
    Crc ^= Dane[i];
    for (int bit = 0; bit < 8; ++bit) Crc = (Crc >> 1) ^ (0xEDB88320u & (0u - (Crc & 1u)));
  }
  return ~Crc;
}

void Dopisz32(std::string& Wynik, std::uint32_t Liczba) {
  for (int przesuniecie = 24; przesuniecie >= 0; przesuniecie -= 8) {
    Wynik += static_cast<char>((Liczba >> przesuniecie) & 0xFFu);
  }
}

void Fragment(std::string& Png, const char* Typ, const std::string& Dane) {
  Dopisz32(Png, static_cast<std::uint32_t>(Dane.size()));
  const std::string calosc = Typ + Dane;
  Png += calosc;
  Dopisz32(Png, Crc32(reinterpret_cast<const unsigned char*>(calosc.data()), calosc.size()));
}

}  // namespace

// A PNG without compression: the picture's rows in stored deflate blocks, which any viewer reads.
void ZapiszPng(const TObraz& Obraz, const std::string& Sciezka) {
  std::string wiersze;
  const auto dlugoscWiersza = static_cast<std::size_t>(Obraz.Szerokosc) * 3;
  for (int y = 0; y < Obraz.Wysokosc; ++y) {
    wiersze += '\0';  // no filter
    const auto* poczatek = Obraz.Piksele.data() + static_cast<std::size_t>(y) * dlugoscWiersza;
    wiersze.append(reinterpret_cast<const char*>(poczatek), dlugoscWiersza);
  }
  std::string zlib = "\x78\x01";
  for (std::size_t od = 0; od == 0 || od < wiersze.size(); od += 65535) {
    const std::size_t ile = std::min<std::size_t>(65535, wiersze.size() - od);
    zlib += static_cast<char>(od + ile >= wiersze.size() ? 1 : 0);
    for (const std::size_t dlugosc : {ile, ~ile & 0xFFFFu}) {
      zlib += static_cast<char>(dlugosc & 0xFF);
      zlib += static_cast<char>((dlugosc >> 8) & 0xFF);
    }
    zlib.append(wiersze, od, ile);
  }
  std::uint32_t a = 1, b = 0;
  for (const char znak : wiersze) {
    a = (a + static_cast<unsigned char>(znak)) % 65521;
    b = (b + a) % 65521;
  }
  Dopisz32(zlib, (b << 16) | a);
  std::string naglowek;
  Dopisz32(naglowek, static_cast<std::uint32_t>(Obraz.Szerokosc));
  Dopisz32(naglowek, static_cast<std::uint32_t>(Obraz.Wysokosc));
  naglowek += std::string("\x08\x02\x00\x00\x00", 5);  // 8 bits, RGB
  std::string png = "\x89PNG\r\n\x1a\n";
  Fragment(png, "IHDR", naglowek);
  Fragment(png, "IDAT", zlib);
  Fragment(png, "IEND", "");
  std::ofstream(SciezkaZUtf8(Sciezka), std::ios::binary) << png;
}

OknoWin32::OknoWin32()
    : okno_(std::make_unique<TForm1>(pulpit_, TWitryna(AdresTestowy),
                                     SrodowiskoBezZnacznika(folder_))) {
  okno_->Uruchom();
  ShowWindow(okno_->Uchwyt(), SW_SHOWNORMAL);
  Pompuj();
}

OknoWin32::~OknoWin32() {
  okno_.reset();
  Pompuj();
}

void OknoWin32::Wybierz(const std::string& Sciezka) {
  pulpit_.WyboryPlikow.push_back(Sciezka);
  Kliknij(okno_->SpeedButton1);
}

HDROP Upuszczone(const std::vector<std::wstring>& Sciezki) {
  std::wstring lista;
  for (const std::wstring& s : Sciezki) lista += s + L'\0';
  lista += L'\0';
  const std::size_t rozmiar = sizeof(DROPFILES) + lista.size() * sizeof(wchar_t);
  const HGLOBAL pamiec = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, rozmiar);
  auto* pliki = static_cast<DROPFILES*>(GlobalLock(pamiec));
  pliki->pFiles = sizeof(DROPFILES);
  pliki->fWide = TRUE;
  std::copy(lista.begin(), lista.end(),
            reinterpret_cast<wchar_t*>(reinterpret_cast<char*>(pliki) + sizeof(DROPFILES)));
  GlobalUnlock(pamiec);
  return static_cast<HDROP>(pamiec);
}
