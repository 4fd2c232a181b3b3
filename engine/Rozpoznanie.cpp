#include "engine/Rozpoznanie.h"

#include <algorithm>

void Rozpoznaj(TPlikDoOdczytu& Plik, TRozpoznanie& Wynik, const TSuplement& Suplement) {
  Wynik.Stan = TStanRozpoznania::Nieczytelny;
  Wynik.OpisBledu.clear();
  Wynik.Kandydaci.clear();
  Wynik.Sondy.clear();
  const std::string_view sciezka = Plik.Sciezka();
  const auto separator = [](char c) { return c == '/' || c == '\\'; };
  Wynik.Nazwa.assign(std::find_if(sciezka.rbegin(), sciezka.rend(), separator).base(),
                     sciezka.end());
  if (!Plik.Otwarty()) {
    Wynik.Odczyt = {};
    Wynik.OpisBledu = Plik.OpisBledu();
    return;
  }
  if (!ZbudujKlucz(Plik, Wynik.Odczyt)) {
    Wynik.Odczyt = {};
    Wynik.OpisBledu = "The file could not be read";
    return;
  }
  // The text test reads the same opening: nothing can change the file between the two reads.
  Wynik.Stan = RozpoznajPlik(Wynik.Odczyt.Klucz, Plik, Wynik.Kandydaci, Wynik.Sondy, Suplement)
                   ? TStanRozpoznania::Rozpoznany
                   : TStanRozpoznania::Nierozpoznany;
  // The extension filter may have let a probe's row go.
  std::erase_if(Wynik.Sondy, [&](const TWynikSondy& s) {
    return std::ranges::find(Wynik.Kandydaci, s.Trafienie.Wiersz) == Wynik.Kandydaci.end();
  });
}

const TWynikSondy* WynikSondy(const TRozpoznanie& Wynik, const TOpisPliku* Kandydat) {
  const auto s = std::ranges::find(Wynik.Sondy, Kandydat,
                                   [](const TWynikSondy& w) { return w.Trafienie.Wiersz; });
  return s == Wynik.Sondy.end() ? nullptr : &*s;
}

std::size_t PrzypieteBajty(const TRozpoznanie& Wynik, const TOpisPliku* Kandydat) {
  const TWynikSondy* sonda = WynikSondy(Wynik, Kandydat);
  const std::size_t wlasne = PrzypieteBajty(*Kandydat);
  return sonda != nullptr ? std::max(wlasne, sonda->Trafienie.PrzypieteBajty) : wlasne;
}

void Rozpoznaj(const std::string& Sciezka, TRozpoznanie& Wynik, const TSuplement& Suplement) {
  TPlikDoOdczytu plik(Sciezka);
  Rozpoznaj(plik, Wynik, Suplement);
}
