#include "cli/Rozpoznanie.h"

#include <cstdint>
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
  std::int64_t rozmiarPrzedKluczem = 0;
  {
    const TPlikDoOdczytu plik(Sciezka);
    if (!plik.Otwarty()) {
      Nieczytelny(Wynik, cp1250::NaUtf8(plik.OpisBledu()));
      return;
    }
    rozmiarPrzedKluczem = plik.Rozmiar();
  }
  Wynik.Klucz = ZbudujKlucz(Sciezka);
  // The key reports size 0 for a file it could not open or read: a file that had content a
  // moment ago and now gives zeros vanished or failed to read, and its key says nothing.
  if (Wynik.Klucz.Rozmiar == 0 && rozmiarPrzedKluczem > 0) {
    Nieczytelny(Wynik, "The file vanished or could not be read");
    return;
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
