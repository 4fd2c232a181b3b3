#include "site/Wersja.h"

#include <charconv>
#include <string>

#include "site/Parametry.h"

namespace {

constexpr std::string_view NazwaProgramu = "Rozpoznik wersja ";
constexpr int NajwiekszaLiczbaLosowa = 9998;

std::optional<int> Liczba(std::string_view Cyfry, std::size_t NajwiecejCyfr) {
  if (Cyfry.empty() || Cyfry.size() > NajwiecejCyfr) return std::nullopt;
  if (Cyfry.size() > 1 && Cyfry.front() == '0') return std::nullopt;
  for (const char c : Cyfry) {
    if (c < '0' || c > '9') return std::nullopt;
  }
  int wartosc = 0;
  std::from_chars(Cyfry.data(), Cyfry.data() + Cyfry.size(), wartosc);
  return wartosc;
}

bool PoprawnaLiczbaLosowa(const std::optional<std::string>& Tekst) {
  if (!Tekst) return false;
  const auto liczba = Liczba(*Tekst, 4);
  return liczba && *liczba <= NajwiekszaLiczbaLosowa;
}

}  // namespace

std::optional<TWersja> CzytajWersje(std::string_view Tekst) {
  const std::size_t kropka = Tekst.find('.');
  if (kropka == std::string_view::npos) return std::nullopt;
  const std::string_view glowna = Tekst.substr(0, kropka);
  const std::string_view poboczna = Tekst.substr(kropka + 1);
  const auto x = Liczba(glowna, 4);
  const auto y = Liczba(poboczna, 4);
  if (!x || !y) return std::nullopt;
  return TWersja{*x, *y};
}

std::string_view OdpowiedzOWersje(std::string_view Zapytanie, TWersja Najnowsza) {
  if (!PoprawnaLiczbaLosowa(JedynaWartosc(Zapytanie, "rand"))) return "0";
  const auto program = JedynaWartosc(Zapytanie, "program");
  if (!program || !program->starts_with(NazwaProgramu)) return "0";
  const auto wersja = CzytajWersje(std::string_view(*program).substr(NazwaProgramu.size()));
  return wersja && *wersja < Najnowsza ? "1" : "0";
}
