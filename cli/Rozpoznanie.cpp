#include "cli/Rozpoznanie.h"

#include <algorithm>
#include <string>

#include "engine/PlikDoOdczytu.h"

void Rozpoznaj(const TPlikDoRozpoznania& Plik, TRozpoznanie& Wynik) {
  TPlikDoOdczytu plik = Otworz(Plik);
  Rozpoznaj(plik, Wynik);
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
