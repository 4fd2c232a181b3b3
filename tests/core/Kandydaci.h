#pragma once

// Lookups in the whole catalogue, with their candidates compared as whole catalogue rows.

#include <cstddef>
#include <initializer_list>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/TOpisPliku.h"
#include "engine/ObslugaBaz.h"

// One candidate: entry i of each of the four result lists.
struct TKandydat {
  std::string Rozszerzenie;
  std::string Typ;
  std::string Kategoria;
  std::string Programy;

  friend bool operator==(const TKandydat&, const TKandydat&) = default;
};

void PrintTo(const TKandydat& kandydat, std::ostream* wyjscie);

TKandydat Kandydat(const TOpisPliku& wiersz);

template <typename Tabela>
std::vector<TKandydat> Kandydaci(const Tabela& tabela, std::initializer_list<std::size_t> wiersze) {
  std::vector<TKandydat> wynik;
  for (const std::size_t w : wiersze) wynik.push_back(Kandydat(tabela.at(w)));
  return wynik;
}

struct TWynikWyszukiwania {
  bool Rozpoznany = false;
  std::vector<TKandydat> Kandydaci;
};

// A path no test creates: the text-content test throws on it, so a lookup given it shows
// whether that test ran.
inline const std::string NieistniejacyPlik = "/nieistniejacy-folder-rozpoznika/plik";

// RozpoznajPlik, with its four parallel lists checked to be of one length.
TWynikWyszukiwania Rozpoznaj(const TOpisPliku& klucz,
                             const std::string& sciezka = NieistniejacyPlik,
                             const TSuplement& suplement = SuplementKatalogu);

// A key as the identification key holds it: the hex digits padded with "0" to 160.
TOpisPliku KluczZHex(std::string_view hex, std::string_view rozszerzenie);
// A key of the file's leading bytes, padded with zero bytes to 80.
TOpisPliku KluczZBajtow(std::string_view bajty, std::string_view rozszerzenie);

// The signature text of bytes: two upper-case hex digits per byte.
std::string Hex(std::string_view bajty);
