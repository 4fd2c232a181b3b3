#pragma once

// The answer for a file of no bytes at all: no signature can speak of it, and its name alone
// proves nothing, so it is neither guessed from zeros nor offered as an unknown file to report.

#include "catalogue/TOpisPliku.h"

extern const TOpisPliku OpisPustegoPliku;
