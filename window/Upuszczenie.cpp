#include "window/Upuszczenie.h"

std::optional<std::string> PlikUpuszczenia(const TUpuszczenie& Upuszczone) {
  // Which of several files was meant can't be told, and identifying them all would leave only
  // the last one's result on the screen.
  if (Upuszczone.Inne || Upuszczone.Pliki.size() != 1) return std::nullopt;
  return Upuszczone.Pliki.front();
}
