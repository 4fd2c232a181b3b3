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

// A sequence of at most 4 bytes as one number, the first byte highest.
std::uint32_t Numer(std::string_view bajty) {
  std::uint32_t n = 0;
  for (const char c : bajty) n = (n << 8) | static_cast<unsigned char>(c);
  return n;
}

// Sets of sequences, one for each length from 1 to 4: those of up to 3 bytes as bitmaps, those
// of 4 in ascending order, as code point order is byte order.
struct TZbiory {
  std::vector<bool> Krotkie[3] = {std::vector<bool>(1u << 8), std::vector<bool>(1u << 16),
                                  std::vector<bool>(1u << 24)};
  std::vector<std::uint32_t> Czterobajtowe;

  void Dodaj(std::string_view s) {
    if (s.size() < 4) {
      Krotkie[s.size() - 1][Numer(s)] = true;
    } else if (Czterobajtowe.empty() || Czterobajtowe.back() != Numer(s)) {
      Czterobajtowe.push_back(Numer(s));
    }
  }
  bool Zawiera(std::string_view s) const {
    if (s.size() < 4) return Krotkie[s.size() - 1][Numer(s)];
    return std::ranges::binary_search(Czterobajtowe, Numer(s));
  }
};

struct TDefinicja {
  TZbiory Pelne;     // every valid sequence
  TZbiory Poczatki;  // every beginning of one, shorter than it

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
      Pelne.Dodaj(s);
      for (std::size_t n = 1; n < s.size(); ++n) Poczatki.Dodaj(s.substr(0, n));
    }
  }
};

// Built once before the first input, outside the time limit of each.
const TDefinicja* Definicja = nullptr;

struct TKawalek {
  std::size_t Dlugosc;
  bool Znak;
  bool operator==(const TKawalek&) const = default;
};

std::vector<TKawalek> WedlugDefinicji(std::string_view bajty) {
  const TDefinicja& definicja = *Definicja;
  std::vector<TKawalek> wynik;
  for (std::size_t i = 0; i < bajty.size();) {
    const std::string_view reszta = bajty.substr(i);
    std::size_t dlugosc = 0;
    bool znak = false;
    for (std::size_t n = 1; n <= std::min<std::size_t>(4, reszta.size()); ++n) {
      if (definicja.Pelne.Zawiera(reszta.substr(0, n))) {
        dlugosc = n;
        znak = true;
        break;
      }
      if (definicja.Poczatki.Zawiera(reszta.substr(0, n))) dlugosc = n;
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

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  static const TDefinicja definicja;
  Definicja = &definicja;
  return 0;
}

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
