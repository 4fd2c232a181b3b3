#pragma once

// The report of an unrecognised file: "?s=rozpoznik_dodaj&ext=E&bajty=B&typ=T&rozm=R".

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "update/GraniceZgloszenia.h"

// A valid report, its texts in UTF-8.
struct TZgloszenie {
  std::string Bajty;         // 20 upper-case hex digits
  std::string Rozszerzenie;  // at most 6 Windows-1250 characters
  std::string Typ;           // at most 80 Windows-1250 characters
  std::int64_t Rozmiar = 0;

  friend bool operator==(const TZgloszenie&, const TZgloszenie&) = default;
};

// Why a report was refused, in Polish, for the reporter's page.
struct TBladZgloszenia {
  std::string Powod;
};

// Reads the report from the raw query of its address. The values may come percent-encoded
// (this program's way) or raw (the older program's way), where the type name may hold "&": it
// runs from the first "&typ=" to the last "&rozm=", and the size ends at the next "&".
std::variant<TZgloszenie, TBladZgloszenia> CzytajZgloszenie(std::string_view Zapytanie);
