#include "text/Szesnastkowo.h"

void DopiszSzesnastkowo(std::string& Tekst, unsigned char Bajt) {
  static constexpr char Cyfry[] = "0123456789ABCDEF";
  Tekst += Cyfry[Bajt >> 4];
  Tekst += Cyfry[Bajt & 0x0F];
}
