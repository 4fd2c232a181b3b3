#include "text/TekstSystemowy.h"

#include "text/Cp1250.h"

// The program holds the system's text as UTF-8 and turns it into UTF-16 where it meets
// Windows (text/windows/Utf16.h).
std::string NaTekstSystemowy(std::string_view Cp1250) {
  return cp1250::NaUtf8(Cp1250);
}
