#pragma once

// Which rows of a text table have a given extension: the table's (extension, row) pairs sorted,
// so that a name's extension finds its rows, in table order, by halving instead of meeting every
// row. Each index is built from its table while the program is compiled, and checked there.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "catalogue/TOpisPliku.h"

struct TWpisRozszerzenia {
  std::uint64_t Klucz;  // the row's extension as indeks::KluczRozszerzenia gives it
  std::uint16_t Wiersz;
};

// The indexes of the text table and of the supplement's text formats.
extern const std::span<const TWpisRozszerzenia> IndeksBazyTekstowej;
extern const std::span<const TWpisRozszerzenia> IndeksSuplementuTekstowego;

namespace indeks {

inline constexpr std::size_t NajdluzszeRozszerzenie = 6;

// An extension of at most six bytes as one number, its bytes and then its length, so that the
// search compares numbers, not texts; a longer one is no row's.
constexpr std::uint64_t KluczRozszerzenia(std::string_view rozszerzenie) {
  std::uint64_t klucz = 0;
  for (const char c : rozszerzenie) klucz = klucz << 8 | static_cast<unsigned char>(c);
  return klucz << 8 | rozszerzenie.size();
}

constexpr bool Wczesniejszy(const TWpisRozszerzenia& a, const TWpisRozszerzenia& b) {
  return a.Klucz != b.Klucz ? a.Klucz < b.Klucz : a.Wiersz < b.Wiersz;
}

// The entries of the rows with the extension, in table order.
constexpr std::span<const TWpisRozszerzenia> WierszeRozszerzenia(
    std::span<const TWpisRozszerzenia> indeks, std::string_view rozszerzenie) {
  if (rozszerzenie.size() > NajdluzszeRozszerzenie) return {};
  // The classic algorithm: clang 14 can't take libstdc++ 12's ranges::equal_range apart.
  const std::uint64_t klucz = KluczRozszerzenia(rozszerzenie);
  struct TPorownanie {
    constexpr bool operator()(const TWpisRozszerzenia& w, std::uint64_t k) const {
      return w.Klucz < k;
    }
    constexpr bool operator()(std::uint64_t k, const TWpisRozszerzenia& w) const {
      return k < w.Klucz;
    }
  };
  const auto [od, doN] = std::equal_range(indeks.begin(), indeks.end(), klucz, TPorownanie{});
  return {od, doN};
}

}  // namespace indeks

template <const auto& Tabela>
consteval auto ZbudujIndeksRozszerzen() {
  static_assert(Tabela.size() <= UINT16_MAX, "a row number must fit the index's entries");
  std::array<TWpisRozszerzenia, Tabela.size()> wpisy{};
  for (std::size_t i = 0; i < Tabela.size(); ++i) {
    wpisy[i] = {indeks::KluczRozszerzenia(Tabela[i].Rozszerzenie.Tekst()),
                static_cast<std::uint16_t>(i)};
  }
  std::sort(wpisy.begin(), wpisy.end(), indeks::Wczesniejszy);
  return wpisy;
}

// Whether the entries are in order, each with its row's extension, and every row has one.
static_assert(sizeof(TOpisPliku::Rozszerzenie) - 1 == indeks::NajdluzszeRozszerzenie);
template <std::size_t N>
constexpr bool IndeksRozszerzenZgodny(const std::array<TOpisPliku, N>& tabela,
                                      const std::array<TWpisRozszerzenia, N>& wpisy) {
  std::array<bool, N> jest{};
  for (std::size_t e = 0; e < N; ++e) {
    const TWpisRozszerzenia& w = wpisy[e];
    if (w.Wiersz >= N || jest[w.Wiersz] ||
        w.Klucz != indeks::KluczRozszerzenia(tabela[w.Wiersz].Rozszerzenie.Tekst()))
      return false;
    if (e > 0 && !indeks::Wczesniejszy(wpisy[e - 1], w)) return false;
    jest[w.Wiersz] = true;
  }
  return true;
}
