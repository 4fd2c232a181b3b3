#include "cli/Wyjasnienie.h"

#include <algorithm>
#include <cstddef>

#include "catalogue/Katalog.h"
#include "catalogue/PustyPlik.h"
#include "text/Cp1250.h"

namespace {

constexpr std::size_t BajtowWWierszu = 16;

// A digit of the key decides when the signature or pattern fixes it; "*" leaves it free.
bool Rozstrzyga(std::string_view wzorzec, std::size_t cyfra) {
  return cyfra < wzorzec.size() && wzorzec[cyfra] != '*';
}

void DopiszBajty(std::string& Wyjscie, std::string_view wzorzec, std::string_view hex,
                 std::string_view wciecie) {
  std::size_t cyfr = std::min(wzorzec.size(), hex.size());
  while (cyfr > 0 && !Rozstrzyga(wzorzec, cyfr - 1)) --cyfr;
  const std::size_t bajtow = (cyfr + 1) / 2;
  for (std::size_t od = 0; od < bajtow; od += BajtowWWierszu) {
    const std::size_t doBajtu = std::min(bajtow, od + BajtowWWierszu);
    std::string bajty(wciecie);
    std::string znaczniki(wciecie);
    for (std::size_t b = od; b < doBajtu; ++b) {
      if (b > od) {
        bajty += ' ';
        znaczniki += ' ';
      }
      bajty += hex.substr(2 * b, 2);
      znaczniki += Rozstrzyga(wzorzec, 2 * b) ? '^' : ' ';
      znaczniki += Rozstrzyga(wzorzec, 2 * b + 1) ? '^' : ' ';
    }
    // A pattern can leave sixteen bytes in a row free; their line of marks is then empty.
    while (znaczniki.size() > wciecie.size() && znaczniki.back() == ' ') znaczniki.pop_back();
    if (znaczniki.size() == wciecie.size()) znaczniki.clear();
    Wyjscie += bajty;
    Wyjscie += '\n';
    Wyjscie += znaczniki;
    Wyjscie += '\n';
  }
}

}  // namespace

void DopiszWyjasnienie(std::string& Wyjscie, const TOpisPliku& Kandydat,
                       std::string_view TekstSzesnastkowy, std::string_view RozszerzeniePliku,
                       std::string_view Wciecie) {
  const std::string_view sygnatura = Kandydat.Sygnatura.Tekst();
  Wyjscie += Wciecie;
  if (&Kandydat == &OpisPustegoPliku) {
    Wyjscie += "the file is empty: nothing in it can fit a signature\n";
    return;
  }
  Wyjscie += "matched in ";
  Wyjscie += TabelaWiersza(Kandydat);
  // The catalogue's rules leave a row without a signature only in the text tables.
  if (sygnatura.empty()) {
    const std::string_view rozszerzenie = Kandydat.Rozszerzenie.Tekst();
    if (RozszerzeniePliku.empty() && !rozszerzenie.empty()) {
      Wyjscie += ": text format its first lines show (";
      Wyjscie += cp1250::NaUtf8(rozszerzenie);
      Wyjscie += "), every byte of the file being text\n";
      return;
    }
    Wyjscie += rozszerzenie.empty() ? ": text format for a name without an extension"
                                    : ": text format for the extension ";
    Wyjscie += cp1250::NaUtf8(rozszerzenie);
    Wyjscie += ", every byte of the file being text\n";
    return;
  }
  Wyjscie += sygnatura.find('*') != std::string_view::npos ? ": pattern " : ": signature ";
  Wyjscie += sygnatura;
  Wyjscie += '\n';
  DopiszBajty(Wyjscie, sygnatura, TekstSzesnastkowy, Wciecie);
}

void DopiszWyjasnienieSondy(std::string& Wyjscie, const TWynikSondy& Sonda,
                            std::string_view Wciecie) {
  Wyjscie += Wciecie;
  Wyjscie += "matched in ";
  Wyjscie += TabelaWiersza(*Sonda.Trafienie.Wiersz);
  Wyjscie += ": probe ";
  Wyjscie += Sonda.Trafienie.Sonda;
  Wyjscie += ", bytes at offset ";
  Wyjscie += std::to_string(Sonda.Trafienie.Przesuniecie);
  Wyjscie += '\n';
  // A probe that reads its own way pins the bytes it shows.
  const std::string_view znak = Sonda.Znak.empty() ? std::string_view(Sonda.Bajty) : Sonda.Znak;
  DopiszBajty(Wyjscie, znak, Sonda.Bajty, Wciecie);
}
