#pragma once

// A catalogue row's words as the text output shows them, in UTF-8. A walk over many files meets
// the same few rows again and again, so each thread converts a row once and keeps the result.

#include <string>

#include "catalogue/TOpisPliku.h"

struct TTekstyWiersza {
  std::string Typ;
  std::string Kategoria;
  // Joined by ", "; "(none)" when the row names no program.
  std::string Programy;
};

// The row must live as long as the program, as the catalogue's rows do: it is known by its
// address. What is returned stays valid for the rest of the calling thread's life.
const TTekstyWiersza& TekstyWiersza(const TOpisPliku& Wiersz);
