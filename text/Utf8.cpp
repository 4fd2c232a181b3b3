#include "text/Utf8.h"

namespace utf8 {

void DopiszZnak(std::string& Tekst, char32_t Znak) {
  const auto bajt = [&](char32_t b) { Tekst += static_cast<char>(b); };
  if (Znak < 0x80) {
    bajt(Znak);
  } else if (Znak < 0x800) {
    bajt(0xC0u | (Znak >> 6));
    bajt(0x80u | (Znak & 0x3Fu));
  } else if (Znak < 0x10000) {
    bajt(0xE0u | (Znak >> 12));
    bajt(0x80u | ((Znak >> 6) & 0x3Fu));
    bajt(0x80u | (Znak & 0x3Fu));
  } else {
    bajt(0xF0u | (Znak >> 18));
    bajt(0x80u | ((Znak >> 12) & 0x3Fu));
    bajt(0x80u | ((Znak >> 6) & 0x3Fu));
    bajt(0x80u | (Znak & 0x3Fu));
  }
}

std::string ZZastepnikami(std::string_view Bajty) {
  constexpr char32_t Zastepnik = 0xFFFD;
  std::string wynik;
  wynik.reserve(Bajty.size());
  for (std::size_t i = 0; i < Bajty.size();) {
    const std::size_t poczatek = i;
    const std::optional<char32_t> znak = CzytajZnak(Bajty, i);
    if (znak) {
      wynik.append(Bajty.substr(poczatek, i - poczatek));
    } else {
      DopiszZnak(wynik, Zastepnik);
    }
  }
  return wynik;
}

}  // namespace utf8
