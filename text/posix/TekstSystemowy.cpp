#include "text/TekstSystemowy.h"

#include "text/Cp1250.h"

std::string NaTekstSystemowy(std::string_view Cp1250) {
  return cp1250::NaUtf8(Cp1250);
}
