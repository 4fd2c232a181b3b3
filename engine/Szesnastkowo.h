#pragma once

// A byte as two upper-case hexadecimal digits, the high half first: the way the key writes a
// file's leading bytes, and the way addresses and terminals escape bytes.

#include <string>

inline void DopiszSzesnastkowo(std::string& Tekst, unsigned char Bajt) {
  static constexpr char Cyfry[] = "0123456789ABCDEF";
  Tekst += Cyfry[Bajt >> 4];
  Tekst += Cyfry[Bajt & 0x0F];
}
