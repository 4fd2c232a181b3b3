#pragma once

// Which rows of a signature or pattern table a key can fit, grouped by the key's first byte: a
// key then meets only the rows of its group, in table order, instead of every row. A row whose
// first byte is "*" stands in every group. Each entry carries one more byte that its row fixes,
// which a fitting key must repeat, so that most rows of a group are passed after one comparison.
// Each index is built from its table while the program is compiled, and checked there.

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string_view>
#include <utility>

#include "catalogue/TOpisPliku.h"
#include "catalogue/ZasadyKatalogu.h"

// The group of a key whose first byte the index can't tell: shorter than two digits, or with a
// "*" or anything but an upper-case hex digit among its first two. Such a key meets every row.
inline constexpr std::size_t GrupaWszystkichWierszy = 256;

// An entry's Pozycja when the row has no byte with both digits fixed.
inline constexpr std::uint8_t BezStalegoBajtu = 255;

struct TWpisIndeksu {
  std::uint16_t Wiersz;
  // The last byte of the row with both digits fixed, which tells rows of one group apart best (the
  // OpenDocument patterns share 60 digits of a ZIP's header): where its digits start in the row's
  // text, and the two digits. A key fits the row only where it holds them there, or "*".
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

// How many digits a character of a row's first byte leaves a key, from which: a digit itself, any
// of the sixteen for "*" or a position past the row's end, none for anything else.
struct TCyfryZnaku {
  int Od;
  int Ile;
};

constexpr TCyfryZnaku CyfryZnaku(std::string_view sygnatura, std::size_t i) {
  if (i >= sygnatura.size() || sygnatura[i] == '*') return {0, 16};
  const int cyfra = WartoscCyfry(sygnatura[i]);
  return cyfra < 0 ? TCyfryZnaku{0, 0} : TCyfryZnaku{cyfra, 1};
}

// Each group whose keys can fit the row, in ascending order. Every row is visited once, and only
// its own groups: a table's index is built in time proportional to its entries.
template <typename F>
constexpr void KazdaGrupaWiersza(std::string_view sygnatura, F&& zrob) {
  const TCyfryZnaku starsza = CyfryZnaku(sygnatura, 0);
  const TCyfryZnaku mlodsza = CyfryZnaku(sygnatura, 1);
  for (int s = starsza.Od; s < starsza.Od + starsza.Ile; ++s) {
    for (int m = mlodsza.Od; m < mlodsza.Od + mlodsza.Ile; ++m) {
      zrob(static_cast<std::size_t>(s * 16 + m));
    }
  }
}

constexpr TWpisIndeksu Wpis(std::string_view sygnatura, std::size_t wiersz) {
  TWpisIndeksu wpis{static_cast<std::uint16_t>(wiersz), BezStalegoBajtu, {}};
  for (std::size_t i = 0; i + 1 < sygnatura.size(); i += 2) {
    if (sygnatura[i] != '*' && sygnatura[i + 1] != '*') {
      wpis.Pozycja = static_cast<std::uint8_t>(i);
      wpis.Cyfry = {sygnatura[i], sygnatura[i + 1]};
    }
  }
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

// The same test as a lookup makes it for every entry of the key's group: for a key without "*"
// (Gwiazdki false), the two digits are compared at once, read from the key's record field, whose
// bytes after the text are zeros, so that a fixed byte past the key's end meets a zero, which no
// digit equals. It may let through a row the test above turns away, never the other way round,
// so every row it passes must still be tested whole.
inline bool MozePasowac(const decltype(TOpisPliku::Sygnatura)& Klucz, bool Gwiazdki,
                        const TWpisIndeksu& wpis) {
  const auto& znaki = Klucz.Znaki;
  if (Gwiazdki || wpis.Pozycja + std::size_t{1} >= znaki.size()) {
    return MozePasowac(Klucz.Tekst(), wpis);
  }
  return std::memcmp(znaki.data() + wpis.Pozycja, wpis.Cyfry.data(), 2) == 0;
}

template <std::size_t N>
constexpr std::size_t LiczbaWpisow(const std::array<TOpisPliku, N>& tabela) {
  std::size_t wpisy = N;  // the group of every row
  for (const TOpisPliku& wiersz : tabela) {
    const TCyfryZnaku starsza = CyfryZnaku(wiersz.Sygnatura.Tekst(), 0);
    const TCyfryZnaku mlodsza = CyfryZnaku(wiersz.Sygnatura.Tekst(), 1);
    wpisy += static_cast<std::size_t>(starsza.Ile * mlodsza.Ile);
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
  // Counted first, then each row placed at its groups' next free entries, in table order.
  std::array<std::size_t, GrupaWszystkichWierszy + 1> wolne{};
  for (const TOpisPliku& wiersz : Tabela) {
    indeks::KazdaGrupaWiersza(wiersz.Sygnatura.Tekst(), [&](std::size_t g) { ++wolne[g]; });
  }
  wolne[GrupaWszystkichWierszy] = Tabela.size();
  std::size_t n = 0;
  for (std::size_t g = 0; g <= GrupaWszystkichWierszy; ++g) {
    dane.Poczatki[g] = static_cast<std::uint16_t>(n);
    n += std::exchange(wolne[g], n);
  }
  dane.Poczatki[GrupaWszystkichWierszy + 1] = static_cast<std::uint16_t>(n);
  for (std::size_t i = 0; i < Tabela.size(); ++i) {
    const std::string_view sygnatura = Tabela[i].Sygnatura.Tekst();
    const TWpisIndeksu wpis = indeks::Wpis(sygnatura, i);
    indeks::KazdaGrupaWiersza(sygnatura, [&](std::size_t g) { dane.Wpisy[wolne[g]++] = wpis; });
    dane.Wpisy[wolne[GrupaWszystkichWierszy]++] = wpis;
  }
  return dane;
}

// Whether every group lists, in ascending order, rows that a key starting with its byte can fit,
// by the catalogue's own test of two rows fitting one key, each row in as many groups as its
// first byte leaves digits, and the last group every row; and whether each entry's fixed byte is
// one of its row's.
template <std::size_t N, std::size_t Wpisow>
constexpr bool IndeksZgodnyZTabela(const std::array<TOpisPliku, N>& tabela,
                                   const TDaneIndeksu<Wpisow>& dane) {
  constexpr std::string_view cyfry = "0123456789ABCDEF";
  if (dane.Poczatki[0] != 0 || dane.Poczatki[GrupaWszystkichWierszy + 1] != Wpisow) return false;
  std::array<std::size_t, N> grup{};
  for (std::size_t g = 0; g <= GrupaWszystkichWierszy; ++g) {
    if (dane.Poczatki[g] > dane.Poczatki[g + 1]) return false;
    const char bajt[2] = {cyfry[g / 16 % 16], cyfry[g % 16]};
    for (std::size_t e = dane.Poczatki[g]; e < dane.Poczatki[g + 1]; ++e) {
      const TWpisIndeksu& w = dane.Wpisy[e];
      if (w.Wiersz >= N || (e > dane.Poczatki[g] && w.Wiersz <= dane.Wpisy[e - 1].Wiersz))
        return false;
      const std::string_view sygnatura = tabela[w.Wiersz].Sygnatura.Tekst();
      if (g < GrupaWszystkichWierszy && !zasady::PasujaRazem(sygnatura, {bajt, 2})) return false;
      if (w.Pozycja != BezStalegoBajtu &&
          (w.Pozycja + std::size_t{2} > sygnatura.size() || sygnatura[w.Pozycja] == '*' ||
           sygnatura[w.Pozycja + 1] == '*' ||
           sygnatura.substr(w.Pozycja, 2) != std::string_view(w.Cyfry.data(), 2)))
        return false;
      if (g < GrupaWszystkichWierszy) ++grup[w.Wiersz];
    }
  }
  if (dane.Poczatki[GrupaWszystkichWierszy + 1] - dane.Poczatki[GrupaWszystkichWierszy] != N)
    return false;
  for (std::size_t i = 0; i < N; ++i) {
    const std::string_view sygnatura = tabela[i].Sygnatura.Tekst();
    const auto cyfr = [&](std::size_t z) -> std::size_t {
      return z >= sygnatura.size() || sygnatura[z] == '*' ? 16 : 1;
    };
    if (grup[i] != cyfr(0) * cyfr(1)) return false;
  }
  return true;
}
