#pragma once

// Files for the tests of the update check: a file's content and times read and set straight
// through the system, apart from the code under test.

#include <ctime>
#include <ostream>
#include <string>

#include "update/TCzasLokalny.h"

void ZapiszPlik(const std::string& Sciezka, const std::string& Tresc);
std::string CzytajPlik(const std::string& Sciezka);

// Seconds since 1970 of a local date-time, with the daylight-saving rule of that day.
std::time_t SekundyLokalne(const TCzasLokalny& Czas);

// The last-write time in local time; whole seconds.
void UstawCzasZapisu(const std::string& Sciezka, const TCzasLokalny& Czas);
TCzasLokalny CzasZapisu(const std::string& Sciezka);

// The last-access time as the system keeps it, in seconds since 1970.
void UstawCzasDostepu(const std::string& Sciezka, long long Sekundy);
long long CzasDostepu(const std::string& Sciezka);

// For GoogleTest's messages: "2024-04-02 15:30:00".
void PrintTo(const TCzasLokalny& Czas, std::ostream* Strumien);
