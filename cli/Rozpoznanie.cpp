#include "cli/Rozpoznanie.h"

#include <optional>
#include <string>
#include <utility>

#include "engine/PlikDoOdczytu.h"

void Rozpoznaj(const TPlikDoRozpoznania& Plik, TRozpoznanie& Wynik) {
  Wynik.OpisBledu.clear();
  Wynik.Kandydaci.clear();
  Wynik.Stan = TStan::Nieczytelny;
  // The key and the text test read this one opening: the file is opened once, and nothing can
  // change it between the two reads.
  TPlikDoOdczytu plik = Otworz(Plik);
  if (!plik.Otwarty()) {
    Wynik.OpisBledu = plik.OpisBledu();
    return;
  }
  std::optional<TOdczytPliku> odczyt = ZbudujKlucz(plik);
  if (!odczyt) {
    Wynik.OpisBledu = "The file could not be read";
    return;
  }
  Wynik.Odczyt = *std::move(odczyt);
  Wynik.Stan = RozpoznajPlik(Wynik.Odczyt.Klucz, plik, Wynik.Kandydaci) ? TStan::Rozpoznany
                                                                        : TStan::Nierozpoznany;
}
