#pragma once

// The C library's broken-down time and ours, field by field.

#include <ctime>

#include "update/TCzasLokalny.h"

inline TCzasLokalny ZeStrukturyTm(const std::tm& Czas) {
  return {.Rok = Czas.tm_year + 1900,
          .Miesiac = Czas.tm_mon + 1,
          .Dzien = Czas.tm_mday,
          .Godzina = Czas.tm_hour,
          .Minuta = Czas.tm_min,
          .Sekunda = Czas.tm_sec};
}

// With the daylight-saving flag left to mktime: whichever of summer and winter time is in force
// on that day.
inline std::tm NaStruktureTm(const TCzasLokalny& Czas) {
  std::tm wynik{};
  wynik.tm_year = Czas.Rok - 1900;
  wynik.tm_mon = Czas.Miesiac - 1;
  wynik.tm_mday = Czas.Dzien;
  wynik.tm_hour = Czas.Godzina;
  wynik.tm_min = Czas.Minuta;
  wynik.tm_sec = Czas.Sekunda;
  wynik.tm_isdst = -1;
  return wynik;
}
