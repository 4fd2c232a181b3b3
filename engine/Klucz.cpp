#include "engine/Klucz.h"

#include <array>
#include <optional>
#include <utility>

#include "text/Cp1250.h"
#include "text/Szesnastkowo.h"

namespace {

struct TPoczatekPliku {
  std::array<unsigned char, DlugoscPoczatku> Bajty{};
  std::size_t Przeczytane = 0;
  std::int64_t Rozmiar = 0;
};

// Nothing when the read fails.
std::optional<TPoczatekPliku> CzytajPoczatek(TPlikDoOdczytu& Plik) {
  TPoczatekPliku poczatek;
  // One read request: a short file leaves zeros behind its end.
  const std::int64_t przeczytane = Plik.Czytaj(0, poczatek.Bajty.data(), poczatek.Bajty.size());
  if (przeczytane < 0) return std::nullopt;
  poczatek.Przeczytane = static_cast<std::size_t>(przeczytane);
  poczatek.Rozmiar = Plik.Rozmiar();
  return poczatek;
}

std::string TekstSzesnastkowy(const std::array<unsigned char, DlugoscPoczatku>& bajty) {
  std::string tekst(2 * bajty.size(), '0');
  char* cel = tekst.data();
  for (const unsigned char b : bajty) cel = ZapiszSzesnastkowo(cel, b);
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

namespace {

TOdczytPliku KluczZPoczatku(const TPoczatekPliku& poczatek, std::string_view Sciezka) {
  TOdczytPliku wynik;
  wynik.TekstSzesnastkowy = TekstSzesnastkowy(poczatek.Bajty);
  wynik.Rozmiar = poczatek.Rozmiar;
  wynik.Klucz.Sygnatura.Ustaw(
      std::string_view(wynik.TekstSzesnastkowy).substr(0, 2 * poczatek.Przeczytane));
  wynik.Klucz.Rozszerzenie.Ustaw(PobierzRozszerzenie(cp1250::ZUtf8(Sciezka)));
  return wynik;
}

}  // namespace

std::optional<TOdczytPliku> ZbudujKlucz(TPlikDoOdczytu& Plik) {
  const std::optional<TPoczatekPliku> poczatek = CzytajPoczatek(Plik);
  if (!poczatek) return std::nullopt;
  return KluczZPoczatku(*poczatek, Plik.Sciezka());
}

// Trouble with the file is silent: what could not be read stays zero, and the size 0.
TOdczytPliku ZbudujKlucz(const std::string& Sciezka) {
  TPlikDoOdczytu plik(Sciezka);
  if (plik.Otwarty()) {
    if (std::optional<TOdczytPliku> klucz = ZbudujKlucz(plik)) return *std::move(klucz);
  }
  return KluczZPoczatku({}, Sciezka);
}
