#include "update/Zegar.h"

#include <windows.h>

TCzasLokalny TerazLokalnie() {
  SYSTEMTIME czas{};
  GetLocalTime(&czas);
  return {.Rok = czas.wYear,
          .Miesiac = czas.wMonth,
          .Dzien = czas.wDay,
          .Godzina = czas.wHour,
          .Minuta = czas.wMinute,
          .Sekunda = czas.wSecond};
}
