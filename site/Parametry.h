#pragma once

// The values of an address's query, read from the raw text the request carried.

#include <optional>
#include <string>
#include <string_view>

// The query of a request target: what follows its first "?", or nothing.
std::string_view CzescZapytania(std::string_view Cel);

// The percent-decoded value of `Nazwa` when the query names it exactly once; a value named
// twice is as good as none, since either could be the one meant.
std::optional<std::string> JedynaWartosc(std::string_view Zapytanie, std::string_view Nazwa);
