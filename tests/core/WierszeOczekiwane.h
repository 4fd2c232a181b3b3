#pragma once

// Catalogue rows as the tests expect them, written in UTF-8 and turned into Windows-1250 by the
// system's own converter (iconv, or Windows' code page 1250), so that the program's own code page
// table is not its own witness.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/TOpisPliku.h"

std::string Cp1250(std::string_view utf8);

struct TWierszOczekiwany {
  std::size_t Wiersz;
  std::string_view Rozszerzenie;
  std::string_view Sygnatura;
  std::string_view Typ;
  std::string_view Kategoria;
  std::vector<std::string_view> Programy;  // stored joined by single carriage returns
};

// Compares every column byte for byte, naming the row in the message.
void SprawdzWiersz(const TOpisPliku& wiersz, const TWierszOczekiwany& oczekiwany);
