#pragma once

// The maker's view of the reports: one group per first bytes and extension, what today's
// catalogue says of them, and the catalogue row they suggest.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "site/Baza.h"

struct TGrupaZgloszen {
  std::string Bajty;
  std::string Rozszerzenie;
  std::int64_t Liczba = 0;
  std::string Pierwsze;
  std::string Ostatnie;
  std::int64_t NajmniejszyRozmiar = 0;
  std::int64_t NajwiekszyRozmiar = 0;
  // The type names the reporters' systems gave, each with its count, the most frequent first.
  std::vector<std::pair<std::string, std::int64_t>> Typy;
  // The types today's catalogue finds for these bytes and this extension; empty when none.
  std::vector<std::string> RozpoznaneTypy;
  // A row for catalogue/BazaSygnatur.cpp, ready to paste, and the signature of the row it goes
  // after ("" when it goes first), which keeps the table sorted.
  std::string ProponowanyWiersz;
  std::string WstawPoSygnaturze;
};

// The groups, the most reported first. `Wiersze` as TBaza::Wiersze gives them.
std::vector<TGrupaZgloszen> Pogrupuj(const std::vector<TZapisanyWiersz>& Wiersze);

// What the catalogue finds for a report's 20 hex digits and its extension (UTF-8 in and out).
// Only the first 10 bytes are known, so a longer signature counts when they agree with its
// start; the text formats, which need the whole file, are not looked at, but the supplement's
// signatures are.
std::vector<std::string> TypyZKatalogu(const std::string& Bajty, const std::string& Rozszerzenie);

// "N" when every report gave the same size, "N–M" otherwise.
std::string OpisRozmiarow(const TGrupaZgloszen& Grupa);

// The CSV export of the groups, one line each, with a header line.
std::string GrupyJakoCsv(const std::vector<TGrupaZgloszen>& Grupy);
