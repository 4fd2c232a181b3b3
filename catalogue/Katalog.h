#pragma once

// The three constant tables of file-type descriptions, and the supplement: today's formats,
// which the lookup tries after them so that their answers keep their places.

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

#include "catalogue/SuplementKontenerow.h"
#include "catalogue/SuplementSond.h"
#include "catalogue/TOpisPliku.h"

inline constexpr std::size_t RozmiarBazyTekstowej = 19;
inline constexpr std::size_t RozmiarBazyWzorcow = 68;
inline constexpr std::size_t RozmiarBazySygnatur = 489;
inline constexpr std::size_t RozmiarSuplementuSygnatur = 356;
inline constexpr std::size_t RozmiarSuplementuTekstowego = 239;
inline constexpr std::size_t RozmiarSuplementuSond = static_cast<std::size_t>(TWierszSondy::Liczba);

// Text formats, found by extension alone, for text files nothing else recognises.
extern const std::array<TOpisPliku, RozmiarBazyTekstowej> BazaTekstowa;
// Formats found by a pattern over the leading hex digits; "*" stands for any one digit.
extern const std::array<TOpisPliku, RozmiarBazyWzorcow> BazaWzorcow;
// Formats found by a prefix of the leading hex digits; sorted for a search by halving.
extern const std::array<TOpisPliku, RozmiarBazySygnatur> BazaSygnatur;

// Formats found by their leading hex digits, each row a prefix or a pattern ("*" for any one
// digit), tried in table order: a row that narrows another stands before it.
extern const std::array<TOpisPliku, RozmiarSuplementuSygnatur> SuplementSygnatur;
// Text formats found by extension alone, beside the text table's; the empty extension stands for
// a text file whose name has none.
extern const std::array<TOpisPliku, RozmiarSuplementuTekstowego> SuplementTekstowy;
// Formats whose mark lies past the first 80 bytes, each row named by the probe that reads there;
// no row has a signature, as none is found by the leading digits.
extern const std::array<TOpisPliku, RozmiarSuplementuSond> SuplementSond;

constexpr const TOpisPliku& WierszSondy(TWierszSondy Wiersz) {
  return SuplementSond[static_cast<std::size_t>(Wiersz)];
}

struct TTabelaKatalogu {
  std::string_view Nazwa;
  std::span<const TOpisPliku> Wiersze;
};

// The six tables by name: the three of the catalogue, then the supplement's three.
extern const std::array<TTabelaKatalogu, 7> TabeleKatalogu;

// The name of the table that holds the row, so that an answer can say where it came from; empty
// for a record that is no row of the catalogue, such as a key.
std::string_view TabelaWiersza(const TOpisPliku& Wiersz);
