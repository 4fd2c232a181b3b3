#pragma once

// A catalogue row's words as the text output shows them, in UTF-8. A walk over many files meets
// the same few rows again and again, so each thread that writes output keeps a memo of the rows
// it has converted.

#include <string>
#include <unordered_map>

#include "catalogue/TOpisPliku.h"

struct TTekstyWiersza {
  std::string Typ;
  std::string Kategoria;
  // Joined by ", "; "(none)" when the row names no program.
  std::string Programy;
};

// One thread's memo. A row is known by its address, so the rows must outlive the memo, as the
// catalogue's do.
class TTekstyWierszy {
 public:
  // Valid as long as the memo.
  const TTekstyWiersza& Teksty(const TOpisPliku& Wiersz);

 private:
  std::unordered_map<const TOpisPliku*, TTekstyWiersza> znane_;
};
