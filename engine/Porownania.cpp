// The three comparisons of signatures that the lookup is built on.

#include <algorithm>

#include "engine/ObslugaBaz.h"

bool ZgodnyPrefiks(const TOpisPliku& a, const TOpisPliku& b) {
  const std::string_view x = a.Sygnatura.Tekst();
  const std::string_view y = b.Sygnatura.Tekst();
  const std::size_t n = std::min(x.size(), y.size());
  return x.substr(0, n) == y.substr(0, n);
}

bool SygnaturaNieWieksza(const TOpisPliku& Wiersz, const TOpisPliku& Klucz) {
  // char_traits<char> compares as unsigned bytes, and a prefix orders first.
  return Wiersz.Sygnatura.Tekst() <= Klucz.Sygnatura.Tekst();
}

bool PasujeDoWzorca(std::string_view TekstKlucza, std::string_view Wzorzec) {
  // The key ends where the file ends: past it only "*" fits, and nothing beyond it is read.
  for (std::size_t i = 0; i < Wzorzec.size(); ++i) {
    const char w = Wzorzec[i];
    if (i >= TekstKlucza.size()) {
      if (w != '*') return false;
      continue;
    }
    const char k = TekstKlucza[i];
    if (k != w && w != '*' && k != '*') return false;
  }
  return true;
}

std::size_t PrzypieteBajty(const TOpisPliku& Wiersz) {
  const std::string_view sygnatura = Wiersz.Sygnatura.Tekst();
  std::size_t bajty = 0;
  for (std::size_t i = 0; i + 1 < sygnatura.size(); i += 2) {
    if (sygnatura[i] != '*' && sygnatura[i + 1] != '*') ++bajty;
  }
  return bajty;
}
