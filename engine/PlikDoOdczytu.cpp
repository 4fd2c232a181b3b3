#include "engine/PlikDoOdczytu.h"

#include <algorithm>
#include <cstring>

std::int64_t TPlikDoOdczytu::Czytaj(std::int64_t Od, void* Bufor, std::size_t Ile) {
  if (Od < 0) return -1;
  const auto rozmiarPoczatku = static_cast<std::int64_t>(poczatek_.size());
  if (Od >= rozmiarPoczatku) return CzytajZSystemu(Od, Bufor, Ile);
  if (dlugoscPoczatku_ < 0) {
    const std::int64_t n = CzytajZSystemu(0, poczatek_.data(), poczatek_.size());
    if (n < 0) return -1;
    dlugoscPoczatku_ = n;
  }
  if (Od < dlugoscPoczatku_) {
    const auto ile = std::min(static_cast<std::int64_t>(Ile), dlugoscPoczatku_ - Od);
    std::memcpy(Bufor, poczatek_.data() + Od, static_cast<std::size_t>(ile));
    return ile;
  }
  // A first block shorter than asked for ended at the end of the file.
  if (dlugoscPoczatku_ < rozmiarPoczatku) return 0;
  return CzytajZSystemu(Od, Bufor, Ile);
}
