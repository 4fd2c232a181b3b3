#include <iconv.h>

#include <stdexcept>

#include "tests/core/WierszeOczekiwane.h"

std::string Cp1250(std::string_view utf8) {
  const iconv_t konwersja = ::iconv_open("WINDOWS-1250", "UTF-8");
  if (konwersja == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv_open");
  std::string wejscie(utf8);
  std::string wynik(wejscie.size(), '\0');
  char* we = wejscie.data();
  char* wy = wynik.data();
  std::size_t zostalo = wejscie.size();
  std::size_t miejsca = wynik.size();
  const std::size_t n = ::iconv(konwersja, &we, &zostalo, &wy, &miejsca);
  ::iconv_close(konwersja);
  if (n == static_cast<std::size_t>(-1)) {
    throw std::runtime_error("not representable in Windows-1250: " + std::string(utf8));
  }
  wynik.resize(wynik.size() - miejsca);
  return wynik;
}
