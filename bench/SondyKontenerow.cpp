// What the probes of Windows programs, ZIP containers and OLE2 files answer for each file named
// on the command line, one line a file: the path, the probe, the offset and the row's type (UTF-8),
// or "-" where no probe applies or none recognised the file. bench/korpus/sondy_kontenerow.py
// scores it over the real-file corpus.

#include "engine/SondyKontenerow.h"

#include <cstring>
#include <iostream>
#include <string_view>

#include "text/Cp1250.h"

namespace {

struct TSondaZeZnakiem {
  std::string_view Znak;
  TCzytanieSondy Sonda;
};

constexpr TSondaZeZnakiem Sondy[] = {
    {{"MZ", 2}, SondaPe},
    {{"PK\x03\x04", 4}, SondaZip},
    {{"\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8}, SondaOle2},
};

}  // namespace

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    TPlikDoOdczytu plik(argv[i]);
    char poczatek[8] = {};
    const auto n = plik.Otwarty() ? plik.Czytaj(0, poczatek, sizeof poczatek) : 0;
    TTrafienieSondy trafienie;
    bool rozpoznany = false;
    for (const TSondaZeZnakiem& s : Sondy) {
      if (n >= static_cast<std::int64_t>(s.Znak.size()) &&
          std::memcmp(poczatek, s.Znak.data(), s.Znak.size()) == 0) {
        rozpoznany = s.Sonda(plik, trafienie);
        break;
      }
    }
    std::cout << argv[i] << '\t';
    if (rozpoznany) {
      std::cout << trafienie.Sonda << '\t' << trafienie.Przesuniecie << '\t'
                << cp1250::NaUtf8(trafienie.Wiersz->Typ.Tekst()) << '\n';
    } else {
      std::cout << "-\t-\t-\n";
    }
  }
}
