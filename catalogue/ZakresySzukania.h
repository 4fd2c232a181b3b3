#pragma once

// Where the search by halving over the signature table stands when it first probes a row that
// begins with the key's first byte. Until then every step compares that byte alone, so the steps
// are the same for every key that starts with it; they are taken here, once, while the program
// is compiled, and a search for such a key starts from the bounds they leave. It then probes
// exactly the rows that a search over the whole table would probe, and lands on the same row,
// without touching the rows far from the key on every file.

#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string_view>

#include "catalogue/TOpisPliku.h"

// The open bounds of the rows still to probe: Dol < row < Gora.
struct TZakresSzukania {
  std::int16_t Dol;
  std::int16_t Gora;
};

// For each first byte of a key, by its value.
using TZakresySzukania = std::array<TZakresSzukania, 256>;

extern const TZakresySzukania ZakresySzukaniaBazySygnatur;

// The steps of the search that the first byte, as two upper-case hex digits, decides. A row
// shorter than two digits, or beginning with these two, is where a step needs the whole key.
template <std::size_t N>
constexpr TZakresSzukania ZakresPoPierwszymBajcie(const std::array<TOpisPliku, N>& tabela,
                                                  std::string_view cyfry) {
  static_assert(N < std::numeric_limits<std::int16_t>::max(), "a row number must fit the bounds");
  std::ptrdiff_t dol = -1;
  auto gora = static_cast<std::ptrdiff_t>(N);
  while (gora > dol + 1) {
    const std::ptrdiff_t srodek = (dol + gora) / 2;
    const std::string_view wiersz = tabela[static_cast<std::size_t>(srodek)].Sygnatura.Tekst();
    if (wiersz.size() < 2 || wiersz.substr(0, 2) == cyfry) break;
    // The first difference orders the two, as bytes without sign.
    const std::size_t i = wiersz[0] != cyfry[0] ? 0 : 1;
    if (static_cast<unsigned char>(wiersz[i]) < static_cast<unsigned char>(cyfry[i])) {
      dol = srodek;
    } else {
      gora = srodek;
    }
  }
  return {static_cast<std::int16_t>(dol), static_cast<std::int16_t>(gora)};
}

template <std::size_t N>
consteval TZakresySzukania ZbudujZakresySzukania(const std::array<TOpisPliku, N>& tabela) {
  constexpr std::string_view szesnastkowe = "0123456789ABCDEF";
  TZakresySzukania zakresy{};
  for (std::size_t bajt = 0; bajt < zakresy.size(); ++bajt) {
    const char cyfry[2] = {szesnastkowe[bajt / 16], szesnastkowe[bajt % 16]};
    zakresy[bajt] = ZakresPoPierwszymBajcie(tabela, {cyfry, 2});
  }
  return zakresy;
}
