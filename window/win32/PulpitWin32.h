#pragma once

// The desktop as Windows gives it, through the wide-character functions so that any file name
// works: the common file-open dialog, message boxes, the shell's type names and its "open" verb.
// Dialogs belong to the window active at the time, before the main window exists to none.

#include <windows.h>

#include <string>
#include <vector>

#include "window/Pulpit.h"

// The make-up of the file-open dialog, built but not shown, so that it can be checked.
struct TDialogOtwarcia {
  std::vector<wchar_t> Bufor;  // offers the previous path; holds the chosen one afterwards
  OPENFILENAMEW Opis{};
};
void ZbudujDialogOtwarcia(TDialogOtwarcia& Dialog, HWND Wlasciciel, const std::string& Poprzednia);

// A message box's text, caption and style, built but not shown.
struct TOknoKomunikatu {
  std::wstring Tekst;
  std::wstring Tytul;
  UINT Styl = 0;
};
TOknoKomunikatu OknoBledu(const std::string& TekstSystemowy);
TOknoKomunikatu OknoOkAnuluj(const std::string& Tekst);
TOknoKomunikatu OknoTakNie(const std::string& Tekst);

class TPulpitWin32 final : public TPulpit {
 public:
  std::optional<std::string> WybierzPlik(const std::string& Poprzednia) override;
  void PokazBlad(const std::string& TekstSystemowy) override;
  bool PotwierdzOkAnuluj(const std::string& Tekst) override;
  bool ZapytajTakNie(const std::string& Tekst) override;
  void OtworzAdres(const std::string& Adres) override;
  std::string PobierzTypSystemowy(const std::string& Sciezka) override;
  void ZacznijPrace() override;
  void SkonczPrace() override;

 private:
  int prace_ = 0;
  HCURSOR poprzedniKursor_ = nullptr;
};
