#pragma once

// A local calendar date and time of day, as the clock on the wall shows it.
struct TCzasLokalny {
  int Rok = 0;
  int Miesiac = 0;  // 1 to 12
  int Dzien = 0;    // 1 to 31
  int Godzina = 0;
  int Minuta = 0;
  int Sekunda = 0;

  friend bool operator==(const TCzasLokalny&, const TCzasLokalny&) = default;
};
