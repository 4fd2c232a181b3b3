#pragma once

// A byte as two upper-case hexadecimal digits, the high half first: the way the key writes a
// file's leading bytes, and the way addresses and terminals escape bytes.

#include <string>

// Writes the two digits at `Cel` and gives the place after them: for a text whose length is
// known beforehand, such as the key's, built for every file of a walk.
inline char* ZapiszSzesnastkowo(char* Cel, unsigned char Bajt) {
  constexpr char Cyfry[] = "0123456789ABCDEF";
  Cel[0] = Cyfry[Bajt >> 4];
  Cel[1] = Cyfry[Bajt & 0x0F];
  return Cel + 2;
}

void DopiszSzesnastkowo(std::string& Tekst, unsigned char Bajt);
