#include "window/win32/Tekst.h"

#include <optional>

#include "text/Cp1250.h"
#include "text/Utf8.h"
#include "text/windows/Utf16.h"

std::wstring ZCp1250(std::string_view Cp1250) {
  std::wstring wynik;
  wynik.reserve(Cp1250.size());
  for (const char znak : Cp1250) {
    const auto bajt = static_cast<unsigned char>(znak);
    // The whole upper half of the code page lies in the Basic Multilingual Plane.
    wynik += static_cast<wchar_t>(bajt < 0x80 ? bajt : cp1250::GornaPolowa[bajt - 0x80]);
  }
  return wynik;
}

std::string NaCp1250(std::wstring_view Tekst) {
  return cp1250::ZUtf8(ZUtf16(Tekst));
}

std::wstring ZTekstuSystemowego(const std::string& Utf8) {
  if (std::optional<std::wstring> sciezka = NaUtf16(Utf8)) return *std::move(sciezka);
  return NaUtf16(utf8::ZZastepnikami(Utf8)).value_or(std::wstring());
}

std::wstring WierszamiWindows(std::wstring_view Tekst) {
  std::wstring wynik;
  for (std::size_t i = 0; i < Tekst.size(); ++i) {
    if (Tekst[i] == L'\r' || Tekst[i] == L'\n') {
      if (Tekst[i] == L'\r' && i + 1 < Tekst.size() && Tekst[i + 1] == L'\n') ++i;
      wynik += L"\r\n";
    } else {
      wynik += Tekst[i];
    }
  }
  return wynik;
}
