#pragma once

#include <cstddef>

// How many descriptors the process holds open: a test compares the count before and after.
std::size_t LiczbaOtwartychDeskryptorow();
