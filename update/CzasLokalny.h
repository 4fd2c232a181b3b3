#pragma once

// Calendar arithmetic on local date-times, as the marker's age needs it. It works on the wall
// clock's dates, not on elapsed seconds, so that a daylight-saving change never shifts an age.

#include <cstdint>
#include <optional>

#include "update/TCzasLokalny.h"

// The same day at 00:00:00.
TCzasLokalny Polnoc(const TCzasLokalny& Czas);

// The moment as an MS-DOS date-time holds it: an odd second goes down to the even one below,
// and nothing outside the years 1980 to 2107.
std::optional<TCzasLokalny> WPostaciDos(const TCzasLokalny& Czas);

// `Dzis` minus `Moment` in days, with the time of day as a fraction of a day, truncated toward
// zero; negative for a moment after `Dzis`.
std::int64_t WiekWDniach(const TCzasLokalny& Dzis, const TCzasLokalny& Moment);
