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
  TOdczytPliku Odczyt;
  TKandydaci Kandydaci;
};

// The key and the candidates, exactly as the window gets them, from one opening of the file. A
// file that can't be read (missing, no permission, not a regular file) is reported as such.
void Rozpoznaj(const TPlikDoRozpoznania& Plik, TRozpoznanie& Wynik);
