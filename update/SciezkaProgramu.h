#pragma once

// Where the running program's own file lies.

#include <string>

struct TSciezkaProgramu {
  std::string Katalog;     // up to and including the last separator
  std::string NazwaPliku;  // what follows it
};

// Both parts empty when the system won't tell.
TSciezkaProgramu SciezkaProgramu();
