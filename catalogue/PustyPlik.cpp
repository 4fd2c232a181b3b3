#include "catalogue/PustyPlik.h"

#include "catalogue/ZasadyKatalogu.h"

namespace {

// No program is named: there is nothing in the file for one to open. The category is its own,
// outside the catalogue's vocabulary, as no catalogue row describes an empty file.
constexpr std::array<TWierszZrodlowy, 1> Wiersz = {{
    {"", "", "Pusty plik (0 bajtów)", "Pusty plik", ""},
}};

static_assert(SprawdzWiersze(Wiersz, TRodzajTabeli::TekstowaSuplementu).Zasada ==
              TZasada::Spelniona);

}  // namespace

constexpr TOpisPliku OpisPustegoPliku = ZbudujTabele(Wiersz)[0];
