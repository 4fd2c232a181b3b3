#include "engine/Klucz.h"

#include <array>

#include "catalogue/Cp1250.h"
#include "engine/PlikDoOdczytu.h"
#include "engine/Szesnastkowo.h"

namespace {

struct TPoczatekPliku {
  std::array<unsigned char, DlugoscPoczatku> Bajty{};
  std::int64_t Rozmiar = 0;
};

// Trouble with the file is silent: what could not be read stays zero.
TPoczatekPliku CzytajPoczatek(const std::string& Sciezka) {
  TPoczatekPliku poczatek;
  TPlikDoOdczytu plik(Sciezka);
  if (!plik.Otwarty()) return poczatek;
  // One read request: a short file leaves zeros behind its end.
  if (plik.Czytaj(poczatek.Bajty.data(), poczatek.Bajty.size()) < 0) return poczatek;
  poczatek.Rozmiar = plik.Rozmiar();
  return poczatek;
}

std::string TekstSzesnastkowy(const std::array<unsigned char, DlugoscPoczatku>& bajty) {
  std::string tekst;
  tekst.reserve(2 * bajty.size());
  for (const unsigned char b : bajty) DopiszSzesnastkowo(tekst, b);
  return tekst;
}

}  // namespace

std::string PobierzRozszerzenie(std::string_view Sciezka) {
  const std::size_t granica = Sciezka.find_last_of(".\\:/");
  if (granica == std::string_view::npos || Sciezka[granica] != '.') return {};
  std::string rozszerzenie(Sciezka.substr(granica + 1));
  for (char& c : rozszerzenie) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return rozszerzenie;
}

TKlucz ZbudujKlucz(const std::string& Sciezka) {
  const TPoczatekPliku poczatek = CzytajPoczatek(Sciezka);
  TKlucz wynik;
  wynik.TekstSzesnastkowy = TekstSzesnastkowy(poczatek.Bajty);
  wynik.Rozmiar = poczatek.Rozmiar;
  wynik.Klucz.Sygnatura.Ustaw(wynik.TekstSzesnastkowy);
  wynik.Klucz.Rozszerzenie.Ustaw(PobierzRozszerzenie(cp1250::ZUtf8(Sciezka)));
  return wynik;
}
