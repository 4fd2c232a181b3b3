#include "text/Cp1250.h"

namespace cp1250 {

namespace {

constexpr char32_t ZnakUnicode(unsigned char bajt) {
  return bajt < 0x80 ? char32_t{bajt} : GornaPolowa[bajt - 0x80u];
}

}  // namespace

std::string ZUtf8(std::string_view utf8) {
  std::string wynik;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto znak = CzytajUtf8(utf8, i);
    const auto b = znak ? Bajt(*znak) : std::nullopt;
    wynik.push_back(b ? static_cast<char>(*b) : '?');
  }
  return wynik;
}

std::optional<std::string> ZUtf8Dokladnie(std::string_view utf8) {
  std::string wynik;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto znak = CzytajUtf8(utf8, i);
    const auto b = znak ? Bajt(*znak) : std::nullopt;
    if (!b) return std::nullopt;
    wynik.push_back(static_cast<char>(*b));
  }
  return wynik;
}

std::string NaUtf8(std::string_view tekst) {
  std::string wynik;
  for (const char c : tekst) {
    const char32_t z = ZnakUnicode(static_cast<unsigned char>(c));
    if (z < 0x80) {
      wynik.push_back(static_cast<char>(z));
    } else if (z < 0x800) {
      wynik.push_back(static_cast<char>(0xC0u | (z >> 6)));
      wynik.push_back(static_cast<char>(0x80u | (z & 0x3Fu)));
    } else {
      wynik.push_back(static_cast<char>(0xE0u | (z >> 12)));
      wynik.push_back(static_cast<char>(0x80u | ((z >> 6) & 0x3Fu)));
      wynik.push_back(static_cast<char>(0x80u | (z & 0x3Fu)));
    }
  }
  return wynik;
}

}  // namespace cp1250
