#pragma once

// The three constant tables of file-type descriptions.

#include <array>
#include <cstddef>

#include "catalogue/TOpisPliku.h"

inline constexpr std::size_t RozmiarBazyTekstowej = 19;
inline constexpr std::size_t RozmiarBazyWzorcow = 68;
inline constexpr std::size_t RozmiarBazySygnatur = 489;

// Text formats, found by extension alone, for text files nothing else recognises.
extern const std::array<TOpisPliku, RozmiarBazyTekstowej> BazaTekstowa;
// Formats found by a pattern over the leading hex digits; "*" stands for any one digit.
extern const std::array<TOpisPliku, RozmiarBazyWzorcow> BazaWzorcow;
// Formats found by a prefix of the leading hex digits; sorted for a search by halving.
extern const std::array<TOpisPliku, RozmiarBazySygnatur> BazaSygnatur;
