#pragma once

// The maker's web site as the program knows it: one base address and the four addresses on it.
// Nothing else in the program composes an address of the site.

#include <string>
#include <string_view>
#include <utility>

#include "update/GraniceZgloszenia.h"

// The four values of an unrecognised-file report, as Windows-1250 text, each within the limits
// of GraniceZgloszenia.h.
struct TDaneZgloszenia {
  std::string Bajty;         // the first 10 bytes as 20 hex digits
  std::string Rozszerzenie;  // the key's extension
  std::string Typ;           // the desktop's type name
  std::string Rozmiar;       // the size in decimal digits
};

class TWitryna {
 public:
  // An "http://" address of the site's root, ending in "/".
  explicit TWitryna(std::string AdresBazowy) : adresBazowy_(std::move(AdresBazowy)) {}

  // The site's root: what the site link shows and opens.
  const std::string& AdresKorzenia() const { return adresBazowy_; }

  // The question whether a newer version exists, the only address the program reads itself:
  // "aktual.php?rand=" `Liczba` "&program=" the window caption with every space as "%20".
  std::string AdresZapytaniaOWersje(int Liczba, std::string_view TytulOkna) const;

  // The page that offers the newer version.
  std::string AdresStronyAktualizacji() const;

  // The page that takes the report of an unrecognised file. Each value is percent-encoded byte
  // by byte (all but A-Z a-z 0-9 - . _ ~), so that "&", "#", "%", "+", spaces and Polish
  // letters reach the site as they are instead of cutting or corrupting the query.
  std::string AdresZgloszenia(const TDaneZgloszenia& Dane) const;

 private:
  std::string adresBazowy_;
};

// The site the program was built for.
TWitryna WitrynaProgramu();

// A query value with every byte but A-Z a-z 0-9 - . _ ~ written as "%" and two hex digits.
std::string KodujWartoscAdresu(std::string_view Wartosc);
