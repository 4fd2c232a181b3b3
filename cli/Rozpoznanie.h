#pragma once

// One file identified the way the window identifies it, with its failures brought to light.

#include <string>

#include "cli/Sciezki.h"
#include "engine/Klucz.h"
#include "engine/ObslugaBaz.h"

enum class TStan { Rozpoznany, Nierozpoznany, Nieczytelny };

// What is known of one file. Reused from file to file, so that the list keeps its storage.
struct TRozpoznanie {
  TStan Stan = TStan::Nieczytelny;
  std::string OpisBledu;  // the system's words; set only when the file could not be read
  std::string Nazwa;      // the last part of the path, for the extension rule
  TOdczytPliku Odczyt;
  TKandydaci Kandydaci;
};

// The key and the candidates, exactly as the window gets them, from one opening of the file. A
// file that can't be read (missing, no permission, not a regular file) is reported as such.
void Rozpoznaj(const TPlikDoRozpoznania& Plik, TRozpoznanie& Wynik);

// The candidates ordered by how many bytes of the file their signatures pin, most first, equal
// counts in the catalogue's order: a long signature says more about a file than a short one
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
