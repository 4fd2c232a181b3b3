// The strict UTF-8 decoder against the definition itself: every code point that Unicode allows
// is written out by the rule of its bit layout, and what the decoder reads must be exactly those
// sequences; an invalid piece must be the longest beginning of such a sequence, or one byte.

#include "text/Utf8.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>
#include <vector>

#include "text/Cp1250.h"

namespace {

// A sequence of at most 4 bytes as one number, its length in the top byte.
std::uint64_t Klucz(std::string_view bajty) {
  std::uint64_t k = bajty.size();
  for (const char c : bajty) k = (k << 8) | static_cast<unsigned char>(c);
  return k;
}

struct TDefinicja {
  std::vector<std::uint64_t> Pelne;     // every valid sequence
  std::vector<std::uint64_t> Poczatki;  // every beginning of one, shorter than it

  TDefinicja() {
    for (char32_t z = 0; z <= 0x10FFFF; ++z) {
      if (z >= 0xD800 && z <= 0xDFFF) continue;
      std::string s;
      if (z < 0x80) {
        s = {static_cast<char>(z)};
      } else if (z < 0x800) {
        s = {static_cast<char>(0xC0 | (z >> 6)), static_cast<char>(0x80 | (z & 0x3F))};
      } else if (z < 0x10000) {
        s = {static_cast<char>(0xE0 | (z >> 12)), static_cast<char>(0x80 | ((z >> 6) & 0x3F)),
             static_cast<char>(0x80 | (z & 0x3F))};
      } else {
        s = {static_cast<char>(0xF0 | (z >> 18)), static_cast<char>(0x80 | ((z >> 12) & 0x3F)),
             static_cast<char>(0x80 | ((z >> 6) & 0x3F)), static_cast<char>(0x80 | (z & 0x3F))};
      }
      Pelne.push_back(Klucz(s));
      for (std::size_t n = 1; n < s.size(); ++n) Poczatki.push_back(Klucz(s.substr(0, n)));
    }
    for (auto* v : {&Pelne, &Poczatki}) {
      std::ranges::sort(*v);
      v->erase(std::unique(v->begin(), v->end()), v->end());
    }
  }

  bool Pelna(std::string_view s) const { return std::ranges::binary_search(Pelne, Klucz(s)); }
  bool Poczatek(std::string_view s) const { return std::ranges::binary_search(Poczatki, Klucz(s)); }
};

struct TKawalek {
  std::size_t Dlugosc;
  bool Znak;
  bool operator==(const TKawalek&) const = default;
};

std::vector<TKawalek> WedlugDefinicji(std::string_view bajty) {
  static const TDefinicja definicja;
  std::vector<TKawalek> wynik;
  for (std::size_t i = 0; i < bajty.size();) {
    const std::string_view reszta = bajty.substr(i);
    std::size_t dlugosc = 0;
    bool znak = false;
    for (std::size_t n = 1; n <= std::min<std::size_t>(4, reszta.size()); ++n) {
      if (definicja.Pelna(reszta.substr(0, n))) {
        dlugosc = n;
        znak = true;
        break;
      }
      if (definicja.Poczatek(reszta.substr(0, n))) dlugosc = n;
    }
    if (dlugosc == 0) dlugosc = 1;
    wynik.push_back({dlugosc, znak});
    i += dlugosc;
  }
  return wynik;
}

void Sprawdz(bool warunek) {
  if (!warunek) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar) {
  const std::string_view bajty(reinterpret_cast<const char*>(dane), rozmiar);

  std::vector<TKawalek> kawalki;
  for (std::size_t i = 0; i < bajty.size();) {
    const std::size_t poczatek = i;
    const auto znak = utf8::CzytajZnak(bajty, i);
    Sprawdz(i > poczatek && i <= bajty.size());
    kawalki.push_back({i - poczatek, znak.has_value()});
    if (znak) {
      std::string zapis;
      utf8::DopiszZnak(zapis, *znak);
      Sprawdz(zapis == bajty.substr(poczatek, i - poczatek));
    }
  }
  Sprawdz(kawalki == WedlugDefinicji(bajty));

  // What a JSON writer of its own accepts as UTF-8 must agree with the decoder.
  const std::string poprawiony = utf8::ZZastepnikami(bajty);
  const bool wszystkiePoprawne = std::ranges::all_of(kawalki, &TKawalek::Znak);
  Sprawdz((poprawiony == bajty) == wszystkiePoprawne);
  bool jsonPrzyjmuje = true;
  try {
    (void)nlohmann::json(std::string(bajty)).dump();
  } catch (const nlohmann::json::type_error&) {
    jsonPrzyjmuje = false;
  }
  Sprawdz(jsonPrzyjmuje == wszystkiePoprawne);
  (void)nlohmann::json(poprawiony).dump();  // throws, and so fails, on invalid UTF-8
  Sprawdz(utf8::ZZastepnikami(poprawiony) == poprawiony);

  // The code page conversion gives one byte for each piece.
  Sprawdz(cp1250::ZUtf8(bajty).size() == kawalki.size());
  return 0;
}
