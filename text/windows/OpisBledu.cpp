#include "text/windows/OpisBledu.h"

#include <windows.h>

#include <string_view>

#include "text/windows/Utf16.h"

std::string OpisBleduSystemu(unsigned long Kod) {
  wchar_t* bufor = nullptr;
  // Language 0: the thread's, then the user's, then the system's language, as Windows picks it.
  const DWORD dlugosc = FormatMessageW(
      FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_ALLOCATE_BUFFER,
      nullptr, Kod, 0, reinterpret_cast<wchar_t*>(&bufor), 0, nullptr);
  std::wstring_view tekst(bufor, dlugosc);
  while (!tekst.empty() &&
         (tekst.back() == L'\r' || tekst.back() == L'\n' || tekst.back() == L' ')) {
    tekst.remove_suffix(1);
  }
  std::string wynik = ZUtf16(tekst);
  LocalFree(bufor);
  return wynik.empty() ? "Error " + std::to_string(Kod) : wynik;
}
