#include "cli/Wyjasnienie.h"

#include <algorithm>
#include <cstddef>

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
    while (znaczniki.back() == ' ') znaczniki.pop_back();
    Wyjscie += bajty;
    Wyjscie += '\n';
    Wyjscie += znaczniki;
    Wyjscie += '\n';
  }
}

}  // namespace

std::string_view NazwaTabeli(TTabela Tabela) {
  switch (Tabela) {
    case TTabela::Sygnatur:
      return "signatures";
    case TTabela::Wzorcow:
      return "patterns";
    case TTabela::Tekstowa:
      return "text";
  }
  return {};
}

void DopiszWyjasnienie(std::string& Wyjscie, const TDopasowanie& Kandydat,
                       std::string_view TekstSzesnastkowy, std::string_view Wciecie) {
  const std::string_view sygnatura = Kandydat->Sygnatura.Tekst();
  Wyjscie += Wciecie;
  switch (Kandydat.Tabela) {
    case TTabela::Sygnatur:
      Wyjscie += "matched: signature ";
      break;
    case TTabela::Wzorcow:
      Wyjscie += "matched: pattern ";
      break;
    case TTabela::Tekstowa:
      Wyjscie += "matched: text format for the extension ";
      Wyjscie += cp1250::NaUtf8(Kandydat->Rozszerzenie.Tekst());
      Wyjscie += ", as no signature or pattern fits and every byte of the file is text\n";
      return;
  }
  Wyjscie += sygnatura;
  Wyjscie += '\n';
  DopiszBajty(Wyjscie, sygnatura, TekstSzesnastkowy, Wciecie);
}
