#pragma once

// One file identified the way the window identifies it, with the failures the window keeps
// silent brought to light.

#include <string>

#include "engine/Klucz.h"
#include "engine/ObslugaBaz.h"

enum class TStan { Rozpoznany, Nierozpoznany, Nieczytelny };

// What is known of one file. Reused from file to file, so that the lists keep their storage.
struct TRozpoznanie {
  TStan Stan = TStan::Nieczytelny;
  std::string OpisBledu;  // UTF-8; set only when the file could not be read
  TKlucz Klucz;
  TListaTekstow ListaTypow;
  TListaTekstow ListaRozszerzen;
  TListaTekstow ListaKategorii;
  TListaTekstow ListaProgramow;
};

// The key and the candidates, exactly as the window gets them. A file the key would silently
// read as zeros (missing, no permission, not a regular file) is reported as unreadable instead.
void Rozpoznaj(const std::string& Sciezka, TRozpoznanie& Wynik);
