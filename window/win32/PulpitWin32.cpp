#include "window/win32/PulpitWin32.h"

#include <commdlg.h>
#include <shellapi.h>

#include "text/Cp1250.h"
#include "text/windows/Utf16.h"
#include "window/Teksty.h"
#include "window/win32/Tekst.h"

namespace {

// Room for the longest path Windows knows, beyond 260 characters.
constexpr std::size_t NajdluzszaSciezka = 32768;

int Pokaz(const TOknoKomunikatu& Okno) {
  return MessageBoxW(GetActiveWindow(), Okno.Tekst.c_str(), Okno.Tytul.c_str(), Okno.Styl);
}

}  // namespace

void ZbudujDialogOtwarcia(TDialogOtwarcia& Dialog, HWND Wlasciciel, const std::string& Poprzednia) {
  Dialog.Bufor.assign(NajdluzszaSciezka, L'\0');
  const std::wstring poprzednia = ZTekstuSystemowego(Poprzednia);
  // A path too long for any dialog is not offered rather than offered cut.
  if (poprzednia.size() < Dialog.Bufor.size()) {
    std::copy(poprzednia.begin(), poprzednia.end(), Dialog.Bufor.begin());
  }
  Dialog.Opis = OPENFILENAMEW{};
  Dialog.Opis.lStructSize = sizeof(OPENFILENAMEW);
  Dialog.Opis.hwndOwner = Wlasciciel;
  Dialog.Opis.lpstrFile = Dialog.Bufor.data();
  Dialog.Opis.nMaxFile = static_cast<DWORD>(Dialog.Bufor.size());
  // No filter, title or folder of its own; the chosen file need not exist, and a shortcut
  // comes back as the shortcut itself.
  Dialog.Opis.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NODEREFERENCELINKS | OFN_ENABLESIZING;
}

std::optional<std::string> TPulpitWin32::WybierzPlik(const std::string& Poprzednia) {
  TDialogOtwarcia dialog;
  ZbudujDialogOtwarcia(dialog, GetActiveWindow(), Poprzednia);
  if (!GetOpenFileNameW(&dialog.Opis)) return std::nullopt;
  return ZUtf16(dialog.Bufor.data());
}

TOknoKomunikatu OknoBledu(const std::string& TekstSystemowy) {
  return {.Tekst = ZTekstuSystemowego(TekstSystemowy),
          .Tytul = ZCp1250(cp1250::ZUtf8(NazwaAplikacji)),
          .Styl = MB_OK | MB_ICONERROR};
}

TOknoKomunikatu OknoOkAnuluj(const std::string& Tekst) {
  return {.Tekst = WierszamiWindows(ZCp1250(Tekst)),
          .Tytul = L"Confirm",
          .Styl = MB_OKCANCEL | MB_ICONQUESTION | MB_DEFBUTTON1};
}

TOknoKomunikatu OknoTakNie(const std::string& Tekst) {
  return {.Tekst = WierszamiWindows(ZCp1250(Tekst)),
          .Tytul = L"Confirm",
          .Styl = MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON1};
}

void TPulpitWin32::PokazBlad(const std::string& TekstSystemowy) {
  Pokaz(OknoBledu(TekstSystemowy));
}

bool TPulpitWin32::PotwierdzOkAnuluj(const std::string& Tekst) {
  return Pokaz(OknoOkAnuluj(Tekst)) == IDOK;
}

bool TPulpitWin32::ZapytajTakNie(const std::string& Tekst) {
  return Pokaz(OknoTakNie(Tekst)) == IDYES;
}

void TPulpitWin32::OtworzAdres(const std::string& Adres) {
  ShellExecuteW(GetActiveWindow(), L"open", ZCp1250(Adres).c_str(), nullptr, nullptr,
                SW_SHOWNORMAL);
}

std::string TPulpitWin32::PobierzTypSystemowy(const std::string& Sciezka) {
  const std::optional<std::wstring> sciezka = NaUtf16(Sciezka);
  if (!sciezka) return {};
  SHFILEINFOW informacje{};
  // Without SHGFI_USEFILEATTRIBUTES the shell looks at the real file: a missing one has no type.
  if (SHGetFileInfoW(sciezka->c_str(), 0, &informacje, sizeof(informacje), SHGFI_TYPENAME) == 0) {
    return {};
  }
  return NaCp1250(informacje.szTypeName);
}

void TPulpitWin32::ZacznijPrace() {
  const HCURSOR klepsydra = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
  if (prace_++ == 0) poprzedniKursor_ = klepsydra;
}

void TPulpitWin32::SkonczPrace() {
  if (prace_ > 0 && --prace_ == 0) SetCursor(poprzedniKursor_);
}
