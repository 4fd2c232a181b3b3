#pragma once

// Which rows of a signature or pattern table a key can fit, grouped by the key's first byte: a
// key then meets only the rows of its group, in table order, instead of every row. A row whose
// first byte is "*" stands in every group. Each entry carries one more byte that its row fixes,
// which a fitting key must repeat, so that most rows of a group are passed after one comparison.
// Each index is built from its table while the program is compiled, and checked there.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "catalogue/TOpisPliku.h"
#include "catalogue/ZasadyKatalogu.h"

// The group of a key whose first byte the index can't tell: shorter than two digits, or with a
// "*" or anything but an upper-case hex digit among its first two. Such a key meets every row.
inline constexpr std::size_t GrupaWszystkichWierszy = 256;

// An entry's Pozycja when the row has no byte with both digits fixed.
inline constexpr std::uint8_t BezStalegoBajtu = 255;

struct TWpisIndeksu {
  std::uint16_t Wiersz;
  // A byte of the row with both digits fixed, the first past the group's byte where there is one:
  // where its digits start in the row's text, and the two digits. A key fits the row only where
  // it holds them there, or "*".
  std::uint8_t Pozycja;
  std::array<char, 2> Cyfry;

  friend constexpr bool operator==(const TWpisIndeksu&, const TWpisIndeksu&) = default;
};

struct TIndeksWierszy {
  // Group g is Wpisy[Poczatki[g], Poczatki[g + 1]); groups 0 to 255 by first byte, then
  // GrupaWszystkichWierszy.
  std::span<const std::uint16_t> Poczatki;
  std::span<const TWpisIndeksu> Wpisy;  // ascending row numbers within a group

  constexpr std::span<const TWpisIndeksu> Grupa(std::size_t g) const {
    return Wpisy.subspan(Poczatki[g], Poczatki[g + 1] - Poczatki[g]);
  }
};

// The indexes of the signature table, the pattern table and the supplement's signatures.
extern const TIndeksWierszy IndeksBazySygnatur;
extern const TIndeksWierszy IndeksBazyWzorcow;
extern const TIndeksWierszy IndeksSuplementuSygnatur;

namespace indeks {

constexpr int WartoscCyfry(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

constexpr std::size_t GrupaKlucza(std::string_view klucz) {
  if (klucz.size() < 2) return GrupaWszystkichWierszy;
  const int starsza = WartoscCyfry(klucz[0]);
  const int mlodsza = WartoscCyfry(klucz[1]);
  if (starsza < 0 || mlodsza < 0) return GrupaWszystkichWierszy;
  return static_cast<std::size_t>(starsza * 16 + mlodsza);
}

// Whether a key whose first byte is `bajt` can fit the row: each of the row's first two
// characters is that byte's digit or "*".
constexpr bool WierszWGrupie(std::string_view sygnatura, std::size_t bajt) {
  for (std::size_t i = 0; i < 2 && i < sygnatura.size(); ++i) {
    const std::size_t cyfra = i == 0 ? bajt / 16 : bajt % 16;
    if (sygnatura[i] != '*' && WartoscCyfry(sygnatura[i]) != static_cast<int>(cyfra)) return false;
  }
  return true;
}

constexpr TWpisIndeksu Wpis(std::string_view sygnatura, std::size_t wiersz) {
  TWpisIndeksu wpis{static_cast<std::uint16_t>(wiersz), BezStalegoBajtu, {}};
  const auto staly = [&](std::size_t i) { return sygnatura[i] != '*' && sygnatura[i + 1] != '*'; };
  for (std::size_t i = 2; i + 1 < sygnatura.size() && wpis.Pozycja == BezStalegoBajtu; i += 2) {
    if (staly(i)) wpis.Pozycja = static_cast<std::uint8_t>(i);
  }
  if (wpis.Pozycja == BezStalegoBajtu && sygnatura.size() >= 2 && staly(0)) wpis.Pozycja = 0;
  if (wpis.Pozycja != BezStalegoBajtu)
    wpis.Cyfry = {sygnatura[wpis.Pozycja], sygnatura[wpis.Pozycja + 1u]};
  return wpis;
}

// Whether the key can fit the entry's row as far as its fixed byte tells: past the key's end
// only "*" fits, and a "*" in the key fits any digit.
constexpr bool MozePasowac(std::string_view klucz, const TWpisIndeksu& wpis) {
  if (wpis.Pozycja == BezStalegoBajtu) return true;
  if (klucz.size() < wpis.Pozycja + std::size_t{2}) return false;
  const char a = klucz[wpis.Pozycja];
  const char b = klucz[wpis.Pozycja + 1];
  return (a == wpis.Cyfry[0] || a == '*') && (b == wpis.Cyfry[1] || b == '*');
}

template <std::size_t N>
constexpr std::size_t LiczbaWpisow(const std::array<TOpisPliku, N>& tabela) {
  std::size_t wpisy = N;  // the group of every row
  for (std::size_t bajt = 0; bajt < GrupaWszystkichWierszy; ++bajt) {
    for (const TOpisPliku& wiersz : tabela) wpisy += WierszWGrupie(wiersz.Sygnatura.Tekst(), bajt);
  }
  return wpisy;
}

}  // namespace indeks

template <std::size_t Wpisow>
struct TDaneIndeksu {
  std::array<std::uint16_t, GrupaWszystkichWierszy + 2> Poczatki{};
  std::array<TWpisIndeksu, Wpisow> Wpisy{};

  constexpr TIndeksWierszy Widok() const { return {Poczatki, Wpisy}; }
};

template <const auto& Tabela>
consteval auto ZbudujIndeks() {
  static_assert(Tabela.size() <= UINT16_MAX, "a row number must fit the index's entries");
  TDaneIndeksu<indeks::LiczbaWpisow(Tabela)> dane;
  std::size_t n = 0;
  for (std::size_t g = 0; g <= GrupaWszystkichWierszy; ++g) {
    dane.Poczatki[g] = static_cast<std::uint16_t>(n);
    for (std::size_t i = 0; i < Tabela.size(); ++i) {
      if (g == GrupaWszystkichWierszy || indeks::WierszWGrupie(Tabela[i].Sygnatura.Tekst(), g))
        dane.Wpisy[n++] = indeks::Wpis(Tabela[i].Sygnatura.Tekst(), i);
    }
  }
  dane.Poczatki[GrupaWszystkichWierszy + 1] = static_cast<std::uint16_t>(n);
  return dane;
}

// Whether every group lists, in ascending order, exactly the rows that a key starting with its
// byte can fit, by the catalogue's own test of two rows fitting one key, and the last group all;
// and whether each entry's fixed byte is one of its row's.
template <std::size_t N, std::size_t Wpisow>
constexpr bool IndeksZgodnyZTabela(const std::array<TOpisPliku, N>& tabela,
                                   const TDaneIndeksu<Wpisow>& dane) {
  constexpr std::string_view cyfry = "0123456789ABCDEF";
  if (dane.Poczatki[0] != 0 || dane.Poczatki[GrupaWszystkichWierszy + 1] != Wpisow) return false;
  for (std::size_t g = 0; g <= GrupaWszystkichWierszy; ++g) {
    const char bajt[2] = {cyfry[g / 16 % 16], cyfry[g % 16]};
    std::size_t wpis = dane.Poczatki[g];
    for (std::size_t i = 0; i < N; ++i) {
      const bool pasuje = g == GrupaWszystkichWierszy ||
                          zasady::PasujaRazem(tabela[i].Sygnatura.Tekst(), {bajt, 2});
      if (!pasuje) continue;
      if (wpis >= dane.Poczatki[g + 1] || dane.Wpisy[wpis].Wiersz != i) return false;
      const TWpisIndeksu& w = dane.Wpisy[wpis];
      const std::string_view sygnatura = tabela[i].Sygnatura.Tekst();
      if (w.Pozycja != BezStalegoBajtu &&
          (w.Pozycja + std::size_t{2} > sygnatura.size() || sygnatura[w.Pozycja] == '*' ||
           sygnatura[w.Pozycja + 1] == '*' ||
           sygnatura.substr(w.Pozycja, 2) != std::string_view(w.Cyfry.data(), 2)))
        return false;
      ++wpis;
    }
    if (wpis != dane.Poczatki[g + 1]) return false;
  }
  return true;
}
