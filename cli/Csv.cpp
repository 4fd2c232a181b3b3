#include "cli/Csv.h"

void DopiszPoleCsv(std::string& Wyjscie, std::string_view Pole) {
  if (Pole.find_first_of(",\"\r\n") == std::string_view::npos) {
    Wyjscie += Pole;
    return;
  }
  Wyjscie += '"';
  for (const char c : Pole) {
    if (c == '"') Wyjscie += '"';
    Wyjscie += c;
  }
  Wyjscie += '"';
}
