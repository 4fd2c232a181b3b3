#include "site/Zgloszenie.h"

#include <charconv>
#include <optional>

#include "site/Kodowanie.h"
#include "site/Parametry.h"
#include "text/Cp1250.h"

namespace {

constexpr std::string_view ZnacznikTypu = "&typ=";
constexpr std::string_view ZnacznikRozmiaru = "&rozm=";
constexpr std::size_t NajwiecejCyfrRozmiaru = 18;  // always fits std::int64_t

TBladZgloszenia Blad(std::string_view Powod) {
  return {std::string(Powod)};
}

std::optional<std::string> CyfryHexWielkimi(std::string_view Tekst) {
  if (Tekst.size() != CyfryBajtowZgloszenia) return std::nullopt;
  std::string wynik(Tekst);
  for (char& c : wynik) {
    if (c >= 'a' && c <= 'f') c = static_cast<char>(c - 'a' + 'A');
    if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'))) return std::nullopt;
  }
  return wynik;
}

std::optional<std::int64_t> LiczbaCalkowita(std::string_view Tekst) {
  if (Tekst.empty() || Tekst.size() > NajwiecejCyfrRozmiaru) return std::nullopt;
  for (const char c : Tekst) {
    if (c < '0' || c > '9') return std::nullopt;
  }
  std::int64_t wartosc = 0;
  std::from_chars(Tekst.data(), Tekst.data() + Tekst.size(), wartosc);
  return wartosc;
}

}  // namespace

std::variant<TZgloszenie, TBladZgloszenia> CzytajZgloszenie(std::string_view Zapytanie) {
  const std::size_t typ = Zapytanie.find(ZnacznikTypu);
  const std::size_t rozmiar = Zapytanie.rfind(ZnacznikRozmiaru);
  if (typ == std::string_view::npos || rozmiar == std::string_view::npos ||
      rozmiar < typ + ZnacznikTypu.size()) {
    return Blad("Zgłoszenie jest niepełne: brakuje typu pliku albo jego rozmiaru.");
  }
  const std::string_view poczatek = Zapytanie.substr(0, typ);
  const std::string_view surowyTyp =
      Zapytanie.substr(typ + ZnacznikTypu.size(), rozmiar - typ - ZnacznikTypu.size());
  std::string_view surowyRozmiar = Zapytanie.substr(rozmiar + ZnacznikRozmiaru.size());
  surowyRozmiar = surowyRozmiar.substr(0, surowyRozmiar.find('&'));

  const auto rozszerzenie = JedynaWartosc(poczatek, "ext");
  const auto bajty = JedynaWartosc(poczatek, "bajty");
  if (!rozszerzenie || !bajty) {
    return Blad("Zgłoszenie jest niepełne: brakuje rozszerzenia albo bajtów pliku.");
  }

  TZgloszenie zgloszenie;
  const std::string rozszerzenieCp1250 = JakoCp1250(*rozszerzenie);
  if (rozszerzenieCp1250.size() > NajdluzszeRozszerzenie || MaZnakSterujacy(rozszerzenieCp1250)) {
    return Blad("Rozszerzenie może mieć najwyżej 6 znaków, bez znaków sterujących.");
  }
  const auto cyfry = CyfryHexWielkimi(*bajty);
  if (!cyfry) return Blad("Bajty pliku muszą być dokładnie 20 cyframi szesnastkowymi.");
  const std::string typCp1250 = JakoCp1250(OdkodujProcenty(surowyTyp));
  if (typCp1250.size() > NajdluzszyTyp || MaZnakSterujacy(typCp1250)) {
    return Blad("Nazwa typu pliku może mieć najwyżej 80 znaków, bez znaków sterujących.");
  }
  const auto liczba = LiczbaCalkowita(OdkodujProcenty(surowyRozmiar));
  if (!liczba) return Blad("Rozmiar pliku musi być liczbą całkowitą.");

  zgloszenie.Bajty = *cyfry;
  zgloszenie.Rozszerzenie = cp1250::NaUtf8(rozszerzenieCp1250);
  zgloszenie.Typ = cp1250::NaUtf8(typCp1250);
  zgloszenie.Rozmiar = *liczba;
  return zgloszenie;
}
