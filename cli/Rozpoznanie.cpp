#include "cli/Rozpoznanie.h"

#include <algorithm>
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

bool RozszerzenieWsrodKandydatow(const TRozpoznanie& Wynik) {
  // The key's extension is upper-cased and catalogue extensions hold no lower-case letters.
  const std::string_view wlasne = Wynik.Odczyt.Klucz.Rozszerzenie.Tekst();
  return std::ranges::any_of(Wynik.Kandydaci, [&](const TOpisPliku* kandydat) {
    return kandydat->Rozszerzenie.Tekst() == wlasne;
  });
}

bool NiezgodneRozszerzenie(const TRozpoznanie& Wynik) {
  return Wynik.Stan == TStan::Rozpoznany && Wynik.Odczyt.Klucz.Rozszerzenie.Dlugosc > 0 &&
         !RozszerzenieWsrodKandydatow(Wynik);
}
