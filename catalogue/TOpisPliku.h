#pragma once

// One catalogue description, and also the identification key of a file. The layout is the
// catalogue's stored record: five length-prefixed fields, 459 bytes, no gaps.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

// Text of at most `Pojemnosc` bytes: one length byte, then the bytes, zeros after the text.
template <std::size_t Pojemnosc>
struct TKrotkiTekst {
  static_assert(Pojemnosc <= 255, "the length must fit its one byte");

  std::uint8_t Dlugosc = 0;
  std::array<char, Pojemnosc> Znaki{};

  constexpr std::string_view Tekst() const { return {Znaki.data(), Dlugosc}; }

  // A longer text keeps only its first `Pojemnosc` bytes.
  constexpr void Ustaw(std::string_view tekst) {
    const std::size_t n = std::min(tekst.size(), Pojemnosc);
    Znaki = {};
    std::copy_n(tekst.begin(), n, Znaki.begin());
    Dlugosc = static_cast<std::uint8_t>(n);
  }

  friend constexpr bool operator==(const TKrotkiTekst&, const TKrotkiTekst&) = default;
};

struct TOpisPliku {
  TKrotkiTekst<6> Rozszerzenie;  // upper-case extension without its dot
  TKrotkiTekst<128> Programy;    // program names separated by single carriage returns
  TKrotkiTekst<64> Typ;
  TKrotkiTekst<192> Sygnatura;  // leading bytes as upper-case hex; "*" in patterns
  TKrotkiTekst<64> Kategoria;

  friend constexpr bool operator==(const TOpisPliku&, const TOpisPliku&) = default;
};

static_assert(sizeof(TOpisPliku) == 459);
static_assert(alignof(TOpisPliku) == 1);
static_assert(offsetof(TOpisPliku, Rozszerzenie) == 0);
static_assert(offsetof(TOpisPliku, Programy) == 7);
static_assert(offsetof(TOpisPliku, Typ) == 136);
static_assert(offsetof(TOpisPliku, Sygnatura) == 201);
static_assert(offsetof(TOpisPliku, Kategoria) == 394);
