#pragma once

// One file identified the way the window identifies it, with its failures brought to light.

#include "cli/Sciezki.h"
#include "engine/Rozpoznanie.h"

using TStan = TStanRozpoznania;

// The file as the engine identifies it, opened where the listing found it.
void Rozpoznaj(const TPlikDoRozpoznania& Plik, TRozpoznanie& Wynik);

// Whether the file's own extension is among its candidates' extensions; false for a file that
// was not recognised.
bool RozszerzenieWsrodKandydatow(const TRozpoznanie& Wynik);

// A recognised file whose name claims a type that none of its candidates has: the question
// behind "whatever its name says". A name without an extension claims nothing, and a file
// nothing recognised is not said to lie.
bool NiezgodneRozszerzenie(const TRozpoznanie& Wynik);
