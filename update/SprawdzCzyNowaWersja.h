#pragma once

// The start-up question to the maker's web site whether a newer version exists.

#include <functional>
#include <string>

#include "update/TCzasLokalny.h"
#include "update/Witryna.h"

// What the check takes from the machine; tests give their own.
struct TSrodowiskoAktualizacji {
  std::string SciezkaZnacznika;  // "readme.txt" beside the program
  std::function<TCzasLokalny()> Teraz;
  std::function<int()> Losuj;  // uniform in 0 to 9998
};

// The running program's: the marker beside its executable, the system clock, and a generator
// seeded once per run.
TSrodowiskoAktualizacji SrodowiskoProgramu();

// The desktop side of the check, given by the window.
struct TPulpitAktualizacji {
  // Shows the question (Windows-1250 text) with Yes (default) and No; true for Yes.
  std::function<bool(const std::string& Pytanie)> ZapytajTakNie;
  std::function<void(const std::string& Adres)> OtworzAdres;
};

// When the marker is 7 or more days old, asks the site with the version query (`TytulOkna` in
// it) and, on the answer "1", offers the update page and dates the marker today at midnight.
// Never throws.
void SprawdzCzyNowaWersja(const std::string& TytulOkna, const TWitryna& Witryna,
                          const TSrodowiskoAktualizacji& Srodowisko,
                          const TPulpitAktualizacji& Pulpit);
