#pragma once

// Identifying one file: its key and the candidates that fit it, both read through one opening,
// or why the file could not be read. The window, rozpoznik-cli and the tools all come here, so
// that a file is identified the same way wherever it is asked about.

#include <string>

#include "engine/Klucz.h"
#include "engine/ObslugaBaz.h"
#include "engine/PlikDoOdczytu.h"

enum class TStanRozpoznania { Rozpoznany, Nierozpoznany, Nieczytelny };

// What is known of one file. A caller that identifies many files reuses one, so that the
// candidates keep their storage.
struct TRozpoznanie {
  TStanRozpoznania Stan = TStanRozpoznania::Nieczytelny;
  // The system's words for why the file could not be read; empty otherwise.
  std::string OpisBledu;
  // The file's name without its folders: the catalogue cuts extensions at five characters, and
  // only the whole name tells a .torrent file from a mismatch of "TORRE".
  std::string Nazwa;
  // The key, its hex text and the size; as read, unless the file could not be read.
  TOdczytPliku Odczyt;
  // Rows of the catalogue's tables, in the lookup's order; empty unless recognised.
  TKandydaci Kandydaci;
  // What the probes found, one for each candidate that a probe named.
  TWynikiSond Sondy;
};

// What the probe that named the candidate found; nullptr for a candidate of the first 80 bytes.
const TWynikSondy* WynikSondy(const TRozpoznanie& Wynik, const TOpisPliku* Kandydat);

// How many bytes of the file the candidate pins: its signature's, or those its probe pinned.
std::size_t PrzypieteBajty(const TRozpoznanie& Wynik, const TOpisPliku* Kandydat);

// The file as the caller opened it. A file that could not be opened, or whose start can't be
// read, is reported as such rather than identified from zeros.
void Rozpoznaj(TPlikDoOdczytu& Plik, TRozpoznanie& Wynik,
               const TSuplement& Suplement = SuplementKatalogu);

// The file of that name, opened for this alone. Anything but a regular file (a folder, a pipe,
// a device) can't be read.
void Rozpoznaj(const std::string& Sciezka, TRozpoznanie& Wynik,
               const TSuplement& Suplement = SuplementKatalogu);
