#pragma once

// One file identified the way the window identifies it, with its failures brought to light.

#include "cli/Sciezki.h"
#include "engine/Rozpoznanie.h"

using TStan = TStanRozpoznania;

// The file as the engine identifies it, opened where the listing found it.
void Rozpoznaj(const TPlikDoRozpoznania& Plik, TRozpoznanie& Wynik);

// The candidates ordered by how many bytes of the file their signatures or probes pin, most first,
// equal counts in the catalogue's order: a long signature says more about a file than a short one
// that happens to come first in the table.
void UszeregujWedlugPrzypietych(TRozpoznanie& Wynik);

// Whether the file's own extension is among its candidates' extensions; false for a file that
// was not recognised. The catalogue's own rows cut extensions at five characters: "TORRE" is the
// extension of a .torrent file and "TAR.G" of a .tar.gz one.
bool RozszerzenieWsrodKandydatow(const TRozpoznanie& Wynik);

// A recognised file whose name claims a type that none of its candidates has: the question
// behind "whatever its name says". A name without an extension claims nothing, and a file
// nothing recognised is not said to lie, nor an empty one, which no name contradicts.
bool NiezgodneRozszerzenie(const TRozpoznanie& Wynik);
