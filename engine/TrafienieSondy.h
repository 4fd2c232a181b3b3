#pragma once

// What a second look past the key found. Some formats put their mark deeper than the key's 80
// bytes (a tar header at 257, a PE header at e_lfanew, the names in a ZIP's central directory);
// a probe reads there, through the same opening as the key, and names a supplement row.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "catalogue/TOpisPliku.h"
#include "engine/PlikDoOdczytu.h"

struct TTrafienieSondy {
  const TOpisPliku* Wiersz = nullptr;  // a supplement row, living as long as the program
  std::string_view Sonda;              // the probe's name, for --explain and JSON
  std::int64_t Przesuniecie = 0;       // where the bytes that decided begin
  std::size_t PrzypieteBajty = 0;      // how many bytes they pin, for --ranked
};

// A probe that has to read its way to the mark (through a field of the header, a directory, the
// end of the file). It reads only through Plik's positional reads, at most 64 KiB in all, never
// past Plik.Rozmiar(); it fills Trafienie and returns true when it recognised the file.
using TCzytanieSondy = bool (*)(TPlikDoOdczytu& Plik, TTrafienieSondy& Trafienie);
