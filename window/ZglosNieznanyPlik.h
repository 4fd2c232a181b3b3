#pragma once

// The unrecognised-file report: what the program knows of a file that nothing in the
// catalogue recognises, offered to the maker's web site through the browser.

#include <cstdint>
#include <string>
#include <string_view>

#include "catalogue/TOpisPliku.h"
#include "update/Witryna.h"

class TPulpit;

// The report's values: the first 10 bytes, the key's extension, the desktop's type name cut to
// what the site takes, and the size.
TDaneZgloszenia DaneZgloszenia(const TOpisPliku& Klucz, std::string_view TekstSzesnastkowy,
                               std::int64_t Rozmiar, std::string TypSystemowy);

// The eleven lines of the question, separated by single carriage returns.
std::string KomunikatZgloszenia(const TDaneZgloszenia& Dane);

// Asks the user whether to send the file's data and on OK opens the report page.
void ZglosNieznanyPlik(TPulpit& Pulpit, const TWitryna& Witryna, const std::string& Sciezka,
                       const TOpisPliku& Klucz, std::string_view TekstSzesnastkowy,
                       std::int64_t Rozmiar);
