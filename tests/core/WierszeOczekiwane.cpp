#include "tests/core/WierszeOczekiwane.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <stdexcept>

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

void SprawdzWiersz(const TOpisPliku& wiersz, const TWierszOczekiwany& oczekiwany) {
  SCOPED_TRACE("row " + std::to_string(oczekiwany.Wiersz));
  std::string programy;
  for (const std::string_view nazwa : oczekiwany.Programy) {
    if (!programy.empty()) programy += '\r';
    programy += nazwa;
  }
  EXPECT_EQ(wiersz.Rozszerzenie.Tekst(), oczekiwany.Rozszerzenie);
  EXPECT_EQ(wiersz.Sygnatura.Tekst(), oczekiwany.Sygnatura);
  EXPECT_EQ(wiersz.Typ.Tekst(), Cp1250(oczekiwany.Typ));
  EXPECT_EQ(wiersz.Kategoria.Tekst(), Cp1250(oczekiwany.Kategoria));
  EXPECT_EQ(wiersz.Programy.Tekst(), Cp1250(programy));
}
