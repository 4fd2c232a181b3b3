#include "text/Szesnastkowo.h"

void DopiszSzesnastkowo(std::string& Tekst, unsigned char Bajt) {
  char para[2];
  ZapiszSzesnastkowo(para, Bajt);
  Tekst.append(para, 2);
}
