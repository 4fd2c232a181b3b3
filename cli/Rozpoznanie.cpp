#include "cli/Rozpoznanie.h"

#include <algorithm>
#include <string>

#include "catalogue/PustyPlik.h"
#include "engine/PlikDoOdczytu.h"

namespace {

// Extensions as long as this in the catalogue's rows may be the start of a longer one.
constexpr std::size_t ObcieteRozszerzenie = 5;

char Wielka(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// Whether the name ends in "." and an extension that `obciete` begins: the dot that stands before
// it is followed by no other, as the last dot starts a name's extension.
bool DluzszeRozszerzenie(std::string_view nazwa, std::string_view obciete) {
  for (std::size_t kropka = nazwa.find('.'); kropka != std::string_view::npos;
       kropka = nazwa.find('.', kropka + 1)) {
    const std::string_view reszta = nazwa.substr(kropka + 1);
    if (reszta.size() <= obciete.size()) continue;
    if (std::ranges::equal(reszta.substr(0, obciete.size()), obciete,
                           [](char a, char b) { return Wielka(a) == b; }) &&
        reszta.find('.', obciete.size()) == std::string_view::npos) {
      return true;
    }
  }
  return false;
}

}  // namespace

void Rozpoznaj(const TPlikDoRozpoznania& Plik, TRozpoznanie& Wynik) {
  TPlikDoOdczytu plik = Otworz(Plik);
  Rozpoznaj(plik, Wynik);
}

bool RozszerzenieWsrodKandydatow(const TRozpoznanie& Wynik) {
  // The key's extension is upper-cased and catalogue extensions hold no lower-case letters.
  const std::string_view wlasne = Wynik.Odczyt.Klucz.Rozszerzenie.Tekst();
  return std::ranges::any_of(Wynik.Kandydaci, [&](const TOpisPliku* kandydat) {
    const std::string_view rozszerzenie = kandydat->Rozszerzenie.Tekst();
    return rozszerzenie == wlasne || (rozszerzenie.size() == ObcieteRozszerzenie &&
                                      DluzszeRozszerzenie(Wynik.Nazwa, rozszerzenie));
  });
}

bool NiezgodneRozszerzenie(const TRozpoznanie& Wynik) {
  const bool pusty = Wynik.Kandydaci.size() == 1 && Wynik.Kandydaci.front() == &OpisPustegoPliku;
  return Wynik.Stan == TStan::Rozpoznany && Wynik.Odczyt.Klucz.Rozszerzenie.Dlugosc > 0 && !pusty &&
         !RozszerzenieWsrodKandydatow(Wynik);
}

void UszeregujWedlugPrzypietych(TRozpoznanie& Wynik) {
  std::ranges::stable_sort(
      Wynik.Kandydaci, std::ranges::greater{},
      [&](const TOpisPliku* kandydat) { return PrzypieteBajty(Wynik, kandydat); });
}
