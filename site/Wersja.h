#pragma once

// The version question of the program: "aktual.php?rand=R&program=Rozpoznik%20wersja%20X.Y".

#include <compare>
#include <optional>
#include <string_view>

struct TWersja {
  int Glowna = 0;
  int Poboczna = 0;

  friend auto operator<=>(const TWersja&, const TWersja&) = default;
};

// "X.Y", each part 1 to 4 decimal digits without a leading zero (a lone "0" is fine).
std::optional<TWersja> CzytajWersje(std::string_view Tekst);

// "1" when the query is well formed (R a whole number from 0 to 9998, the program text
// "Rozpoznik wersja X.Y", each named once) and X.Y is older than `Najnowsza`; "0" otherwise.
std::string_view OdpowiedzOWersje(std::string_view Zapytanie, TWersja Najnowsza);
