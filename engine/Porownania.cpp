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
  // A pattern longer than the key can't fit it: nothing beyond the key is read.
  if (Wzorzec.size() > TekstKlucza.size()) return false;
  for (std::size_t i = 0; i < Wzorzec.size(); ++i) {
    const char k = TekstKlucza[i];
    const char w = Wzorzec[i];
    if (k != w && w != '*' && k != '*') return false;
  }
  return true;
}
