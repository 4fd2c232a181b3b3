#pragma once

// The unrecognised-file report: what the program knows of a file that nothing in the
// catalogue recognises, offered to the maker's web site through the browser.

#include <cstdint>
#include <string>
#include <string_view>

#include "catalogue/TOpisPliku.h"

class TPulpit;

// The four values of a report, as Windows-1250 text.
struct TDaneZgloszenia {
  std::string Bajty;         // the first 10 bytes as 20 hex digits
  std::string Rozszerzenie;  // the key's extension, at most 6 characters
  std::string Typ;           // the desktop's type name
  std::string Rozmiar;       // the size in decimal digits
};

TDaneZgloszenia DaneZgloszenia(const TOpisPliku& Klucz, std::string_view TekstSzesnastkowy,
                               std::int64_t Rozmiar, std::string TypSystemowy);

// The eleven lines of the question, separated by single carriage returns.
std::string KomunikatZgloszenia(const TDaneZgloszenia& Dane);

// The report page's address. Each value is percent-encoded byte by byte (all but
// A-Z a-z 0-9 - . _ ~), so that "&", "#", "%", "+", spaces and Polish letters reach the site
// as they are instead of cutting or corrupting the query.
std::string AdresZgloszenia(std::string_view AdresBazowy, const TDaneZgloszenia& Dane);

std::string KodujWartoscAdresu(std::string_view Wartosc);

// Asks the user whether to send the file's data and on OK opens the report page.
void ZglosNieznanyPlik(TPulpit& Pulpit, std::string_view AdresBazowy, const std::string& Sciezka,
                       const TOpisPliku& Klucz, std::string_view TekstSzesnastkowy,
                       std::int64_t Rozmiar);
