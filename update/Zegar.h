#pragma once

#include "update/TCzasLokalny.h"

// The local date and time now, as the system's time zone gives it.
TCzasLokalny TerazLokalnie();
