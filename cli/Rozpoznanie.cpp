#include "cli/Rozpoznanie.h"

#include <optional>
#include <string>
#include <utility>

#include "catalogue/Cp1250.h"
#include "engine/PlikDoOdczytu.h"

namespace {

void Nieczytelny(TRozpoznanie& Wynik, std::string opis) {
  Wynik.Stan = TStan::Nieczytelny;
  Wynik.OpisBledu = std::move(opis);
}

}  // namespace

void Rozpoznaj(const std::string& Sciezka, TRozpoznanie& Wynik) {
  Wynik.OpisBledu.clear();
  {
    // The key is read from this one opening, so that what the window's key would silently turn
    // into zeros (no such file, no permission, not a regular file, a read error) is reported.
    TPlikDoOdczytu plik(Sciezka);
    if (!plik.Otwarty()) {
      Nieczytelny(Wynik, cp1250::NaUtf8(plik.OpisBledu()));
      return;
    }
    std::optional<TKlucz> klucz = ZbudujKlucz(plik, Sciezka);
    if (!klucz) {
      Nieczytelny(Wynik, "The file could not be read");
      return;
    }
    Wynik.Klucz = *std::move(klucz);
  }
  try {
    const bool rozpoznany =
        RozpoznajPlik(Wynik.Klucz.Klucz, Sciezka, Wynik.ListaTypow, Wynik.ListaRozszerzen,
                      Wynik.ListaKategorii, Wynik.ListaProgramow);
    Wynik.Stan = rozpoznany ? TStan::Rozpoznany : TStan::Nierozpoznany;
  } catch (const EBladOtwarciaPliku& blad) {
    Nieczytelny(Wynik, cp1250::NaUtf8(blad.what()));
  }
}
