#pragma once

// A byte as two upper-case hexadecimal digits, the high half first: the way the key writes a
// file's leading bytes, and the way addresses and terminals escape bytes.

#include <array>
#include <cstddef>
#include <cstring>
#include <string>

// Writes the two digits at `Cel` and gives the place after them: for a text whose length is
// known beforehand, such as the key's, built for every file of a walk.
// Both digits of a byte come from one table entry.
inline char* ZapiszSzesnastkowo(char* Cel, unsigned char Bajt) {
  static constexpr auto Pary = [] {
    constexpr char Cyfry[] = "0123456789ABCDEF";
    std::array<std::array<char, 2>, 256> pary{};
    for (std::size_t b = 0; b < pary.size(); ++b) pary[b] = {Cyfry[b >> 4], Cyfry[b & 0x0F]};
    return pary;
  }();
  std::memcpy(Cel, Pary[Bajt].data(), 2);
  return Cel + 2;
}

void DopiszSzesnastkowo(std::string& Tekst, unsigned char Bajt);
