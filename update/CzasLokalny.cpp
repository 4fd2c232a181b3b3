#include "update/CzasLokalny.h"

#include <chrono>

namespace {

constexpr std::int64_t SekundDoby = 24 * 60 * 60;

std::int64_t NumerDnia(const TCzasLokalny& Czas) {
  using namespace std::chrono;
  const year_month_day data{year{Czas.Rok}, month{static_cast<unsigned>(Czas.Miesiac)},
                            day{static_cast<unsigned>(Czas.Dzien)}};
  return sys_days{data}.time_since_epoch().count();
}

std::int64_t SekundaDnia(const TCzasLokalny& Czas) {
  return (std::int64_t{Czas.Godzina} * 60 + Czas.Minuta) * 60 + Czas.Sekunda;
}

}  // namespace

TCzasLokalny Polnoc(const TCzasLokalny& Czas) {
  return {.Rok = Czas.Rok, .Miesiac = Czas.Miesiac, .Dzien = Czas.Dzien};
}

std::optional<TCzasLokalny> WPostaciDos(const TCzasLokalny& Czas) {
  if (Czas.Rok < 1980 || Czas.Rok > 2107) return std::nullopt;
  TCzasLokalny dos = Czas;
  dos.Sekunda -= dos.Sekunda % 2;
  return dos;
}

std::int64_t WiekWDniach(const TCzasLokalny& Dzis, const TCzasLokalny& Moment) {
  const std::int64_t sekundy =
      (NumerDnia(Dzis) - NumerDnia(Moment)) * SekundDoby + SekundaDnia(Dzis) - SekundaDnia(Moment);
  return sekundy / SekundDoby;  // C++ division truncates toward zero, as the age wants
}
