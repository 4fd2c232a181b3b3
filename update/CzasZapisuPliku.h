#pragma once

// The last-write time of a file, in local time. Nothing else about the file is read or changed.

#include <optional>
#include <string>

#include "update/TCzasLokalny.h"

// Nothing when there is no such file or it is a directory.
std::optional<TCzasLokalny> CzasZapisuPliku(const std::string& Sciezka);

// Sets only the last-write time, and only of an existing regular file that this user may write
// to; never creates one. False when the time stays as it was.
bool UstawCzasZapisuPliku(const std::string& Sciezka, const TCzasLokalny& Czas);
