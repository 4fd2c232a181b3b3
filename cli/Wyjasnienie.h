#pragma once

// Why a candidate fits: the table whose rule it met, the signature or pattern, and the file's
// first bytes with the deciding ones marked.

#include <string>
#include <string_view>

#include "catalogue/TOpisPliku.h"
#include "engine/Sonda.h"

// Under a candidate, each line begun with `Wciecie`: the table that holds it and what it matched,
// then, for a signature or pattern, the leading bytes (from the key's hex text) as far as the last
// deciding one, sixteen to a line, each line followed by one that marks the deciding hex digits
// with "^". A text format of a file whose name has no extension was shown by its lines, which
// `RozszerzeniePliku` (the file's, empty then) tells.
void DopiszWyjasnienie(std::string& Wyjscie, const TOpisPliku& Kandydat,
                       std::string_view TekstSzesnastkowy, std::string_view RozszerzeniePliku,
                       std::string_view Wciecie);

// Under a candidate that a probe named: the probe, the table and the offset, then the bytes there
// as above, the mark's deciding digits marked.
void DopiszWyjasnienieSondy(std::string& Wyjscie, const TWynikSondy& Sonda,
                            std::string_view Wciecie);
