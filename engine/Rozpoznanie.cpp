#include "engine/Rozpoznanie.h"

#include <optional>
#include <utility>

void Rozpoznaj(TPlikDoOdczytu& Plik, TRozpoznanie& Wynik, const TSuplement& Suplement) {
  Wynik.Stan = TStanRozpoznania::Nieczytelny;
  Wynik.OpisBledu.clear();
  Wynik.Kandydaci.clear();
  Wynik.Odczyt = {};
  const std::string& sciezka = Plik.Sciezka();
  const std::size_t separator = sciezka.find_last_of("/\\");
  Wynik.Nazwa = separator == std::string::npos ? sciezka : sciezka.substr(separator + 1);
  if (!Plik.Otwarty()) {
    Wynik.OpisBledu = Plik.OpisBledu();
    return;
  }
  std::optional<TOdczytPliku> odczyt = ZbudujKlucz(Plik);
  if (!odczyt) {
    Wynik.OpisBledu = "The file could not be read";
    return;
  }
  Wynik.Odczyt = *std::move(odczyt);
  // The text test reads the same opening: nothing can change the file between the two reads.
  Wynik.Stan = RozpoznajPlik(Wynik.Odczyt.Klucz, Plik, Wynik.Kandydaci, Suplement)
                   ? TStanRozpoznania::Rozpoznany
                   : TStanRozpoznania::Nierozpoznany;
}

void Rozpoznaj(const std::string& Sciezka, TRozpoznanie& Wynik, const TSuplement& Suplement) {
  TPlikDoOdczytu plik(Sciezka);
  Rozpoznaj(plik, Wynik, Suplement);
}
