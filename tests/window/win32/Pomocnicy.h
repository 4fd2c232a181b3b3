#pragma once

// What the Win32 view's tests share: the window shown over the test desktop, mouse clicks and
// other messages sent to its controls, and a look at what it draws.

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "tests/FolderTestowy.h"
#include "tests/window/PulpitTestowy.h"
#include "tests/window/SrodowiskoTestowe.h"
#include "window/win32/Unit1.h"

std::wstring Szeroki(std::string_view Utf8);
std::wstring TekstKontrolki(HWND Kontrolka);
bool Widoczna(HWND Kontrolka);
// The control's place in its window's client area.
RECT Polozenie(HWND Kontrolka);
// Handles every message waiting, posted ones included.
void Pompuj();
// A press and a release of the left button inside the control.
void Kliknij(HWND Kontrolka);

// What the shell hands a window when files are dropped on it.
HDROP Upuszczone(const std::vector<std::wstring>& Sciezki);

// The client area as drawn: rows from the top, three bytes (red, green, blue) a pixel.
struct TObraz {
  int Szerokosc = 0;
  int Wysokosc = 0;
  std::vector<unsigned char> Piksele;
};
TObraz Zrzut(HWND Okno);
void ZapiszPng(const TObraz& Obraz, const std::string& Sciezka);

class OknoWin32 : public testing::Test {
 protected:
  OknoWin32();
  ~OknoWin32() override;

  HWND K(TKontrolka Kontrolka) const { return okno_->Kontrolka(Kontrolka); }
  // "Przeglądaj" clicked, the scripted file chosen in the dialog.
  void Wybierz(const std::string& Sciezka);

  TFolderTestowy folder_;
  TPulpitTestowy pulpit_;
  std::unique_ptr<TForm1> okno_;
  // Three candidates: PostScript, Encapsulated PostScript and Illustrator.
  const std::string trzy_ = folder_.Zapisz("rysunek.qqq", "%!PS-Adobe-3.0 EPSF-3.0\n");
  const std::string png_ =
      folder_.Zapisz("obraz.png", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
};
