#include "text/Cp1250.h"

namespace cp1250 {

std::string ZUtf8(std::string_view utf8) {
  std::string wynik;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto znak = utf8::CzytajZnak(utf8, i);
    const auto b = znak ? Bajt(*znak) : std::nullopt;
    wynik.push_back(b ? static_cast<char>(*b) : '?');
  }
  return wynik;
}

std::optional<std::string> ZUtf8Dokladnie(std::string_view utf8) {
  std::string wynik;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto znak = utf8::CzytajZnak(utf8, i);
    const auto b = znak ? Bajt(*znak) : std::nullopt;
    if (!b) return std::nullopt;
    wynik.push_back(static_cast<char>(*b));
  }
  return wynik;
}

std::string NaUtf8(std::string_view tekst) {
  std::string wynik;
  DopiszUtf8(wynik, tekst);
  return wynik;
}

void DopiszUtf8(std::string& wynik, std::string_view tekst) {
  for (const char c : tekst) utf8::DopiszZnak(wynik, ZnakUnicode(static_cast<unsigned char>(c)));
}

}  // namespace cp1250
