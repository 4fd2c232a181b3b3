#pragma once

// The tooltips of a window's controls: each control added has one, and one with empty text
// never shows.

#include <string>

#include "window/win32/kontrolki/Okno.h"

class TPodpowiedzi : public TOkno {
 public:
  void Utworz(HWND Wlasciciel);
  void Dodaj(HWND Kontrolka);
  void UstawTekst(HWND Kontrolka, const std::wstring& Tekst);

 private:
  HWND wlasciciel_ = nullptr;
};
