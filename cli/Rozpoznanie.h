#pragma once

// One file identified the way the window identifies it, with its failures brought to light.

#include <string>

#include "cli/Sciezki.h"
#include "engine/Klucz.h"
#include "engine/ObslugaBaz.h"

// Dowiazanie: a symbolic link the walk met, listed as one and never identified; Rozpoznaj never
// gives it.
enum class TStan { Rozpoznany, Nierozpoznany, Nieczytelny, Dowiazanie };

// What is known of one file. Reused from file to file, so that the list keeps its storage.
struct TRozpoznanie {
  TStan Stan = TStan::Nieczytelny;
  std::string OpisBledu;  // the system's words; set only when the file could not be read
  TOdczytPliku Odczyt;
  TKandydaci Kandydaci;
};

// The key and the candidates, exactly as the window gets them, from one opening of the file. A
// file that can't be read (missing, no permission, not a regular file) is reported as such.
void Rozpoznaj(const TPlikDoRozpoznania& Plik, TRozpoznanie& Wynik);

// Whether the file's own extension is among its candidates' extensions; false for a file that
// was not recognised.
bool RozszerzenieWsrodKandydatow(const TRozpoznanie& Wynik);

// A recognised file whose name claims a type that none of its candidates has: the question
// behind "whatever its name says". A name without an extension claims nothing, and a file
// nothing recognised is not said to lie.
bool NiezgodneRozszerzenie(const TRozpoznanie& Wynik);
