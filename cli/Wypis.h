#pragma once

// How an identified file is written out: as text for people or as one JSON line for programs.
// Both append to a buffer that the caller reuses and writes out in large pieces.

#include <string>
#include <string_view>

#include "cli/Rozpoznanie.h"

// The path on its own line, then for each candidate its type, category and programs; or one
// line saying that the file was not recognised, with its first 10 bytes, extension and size.
void DopiszOpis(std::string& Wyjscie, std::string_view Sciezka, const TRozpoznanie& Wynik);

// One JSON object on one line: path, size, extension, bytes, recognised, candidates.
void DopiszJson(std::string& Wyjscie, std::string_view Sciezka, const TRozpoznanie& Wynik);
