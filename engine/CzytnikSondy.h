#pragma once

// What the probes that walk a file's own structures share: positional reads that keep to the
// file's size and to one budget for the whole probe, and the little-endian numbers those
// structures are written in.

#include <cstddef>
#include <cstdint>
#include <span>

#include "engine/PlikDoOdczytu.h"
#include "engine/Sonda.h"

// What a probe may read of the file's 64 KiB, the bytes kept for showing its answer aside.
inline constexpr std::size_t BudzetSondy =
    static_cast<std::size_t>(LimitOdczytuSond) - BajtyDoPokazania;

class TCzytnikSondy {
 public:
  explicit TCzytnikSondy(TPlikDoOdczytu& Plik) : plik_(Plik) {}

  std::int64_t Rozmiar() const { return plik_.Rozmiar(); }
  std::size_t Pozostalo() const { return pozostalo_; }

  // Exactly Bufor.size() bytes from Od, or false: a region that starts before the file, ends
  // past it, or doesn't fit what is left of the budget is refused unread, as is a short read.
  bool Czytaj(std::int64_t Od, std::span<unsigned char> Bufor) {
    const auto ile = static_cast<std::int64_t>(Bufor.size());
    if (Od < 0 || Od > Rozmiar() || ile > Rozmiar() - Od || Bufor.size() > pozostalo_) return false;
    pozostalo_ -= Bufor.size();
    std::size_t wczytane = 0;
    while (wczytane < Bufor.size()) {
      const std::int64_t n = plik_.Czytaj(Od + static_cast<std::int64_t>(wczytane),
                                          Bufor.data() + wczytane, Bufor.size() - wczytane);
      if (n <= 0) return false;
      wczytane += static_cast<std::size_t>(n);
    }
    return true;
  }

 private:
  TPlikDoOdczytu& plik_;
  std::size_t pozostalo_ = BudzetSondy;
};

namespace le {

inline std::uint16_t Liczba16(const unsigned char* b) {
  return static_cast<std::uint16_t>(b[0] | b[1] << 8);
}

inline std::uint32_t Liczba32(const unsigned char* b) {
  return static_cast<std::uint32_t>(Liczba16(b)) | static_cast<std::uint32_t>(Liczba16(b + 2))
                                                       << 16;
}

inline std::uint64_t Liczba64(const unsigned char* b) {
  return static_cast<std::uint64_t>(Liczba32(b)) | static_cast<std::uint64_t>(Liczba32(b + 4))
                                                       << 32;
}

}  // namespace le
