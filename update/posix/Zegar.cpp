#include "update/Zegar.h"

#include <ctime>

#include "update/posix/StrukturaTm.h"

TCzasLokalny TerazLokalnie() {
  const std::time_t teraz = std::time(nullptr);
  std::tm czas{};
  if (::localtime_r(&teraz, &czas) == nullptr) return {};
  return ZeStrukturyTm(czas);
}
