// The About panel: the question-mark picture shows and hides InfoMemo with the About text.

#include "window/Informacje.h"

#include <array>
#include <string_view>

#include "text/Cp1250.h"
#include "window/OknoRozpoznika.h"
#include "window/Teksty.h"

namespace {

struct TWiersz {
  std::size_t Wciecie;
  std::string_view Tekst;
};

// Leading spaces are part of the lines: they lay the text out in the panel.
constexpr std::array<TWiersz, 17> WierszeInformacji = {{
    {0, ""},
    {31, TytulOkna},
    {2, "--------------------------------------------------------------------------"},
    {2, "Autorzy programu: Zespół Rozpoznika."},
    {28, "Prawa autorskie © Zespół Rozpoznika"},
    {0, ""},
    {16, "Obraz w tle: Zespół Rozpoznika (rozpoznik), "},
    {16, "udostępniony na licencji GNU GPL 3 lub nowszej."},
    {0, ""},
    {16, "LICENCJA"},
    {2, "Rozpoznik jest wolnym oprogramowaniem: wolno go"},
    {2, "rozpowszechniać i zmieniać na warunkach Powszechnej"},
    {2, "Licencji Publicznej GNU (GNU GPL) w wersji 3 albo,"},
    {2, "według twojego wyboru, dowolnej późniejszej, wydanej"},
    {2, "przez Free Software Foundation. Program jest dostarczany"},
    {2, "BEZ JAKIEJKOLWIEK GWARANCJI. Szczegóły w pliku LICENSE."},
    {21, "Miłego rozpoznawania plików!"},
}};

}  // namespace

std::string TekstInformacji() {
  std::string tekst;
  for (std::size_t i = 0; i < WierszeInformacji.size(); ++i) {
    if (i > 0) tekst += '\n';
    tekst.append(WierszeInformacji[i].Wciecie, ' ');
    tekst += cp1250::ZUtf8(WierszeInformacji[i].Tekst);
  }
  return tekst;
}

// Every click moves the panel to its place first, also the click that hides it: it then spans
// the window over the result fields and leaves the link line visible.
void TOknoRozpoznika::Image2Click() {
  TStanKontrolki& panel = stan_[TKontrolka::InfoMemo];
  panel.Lewa = 8;
  panel.Gora = 64;
  panel.Widoczna = !panel.Widoczna;
  PokazStan();
}

void TOknoRozpoznika::InfoMemoClick() {
  stan_[TKontrolka::InfoMemo].Widoczna = false;
  PokazStan();
}
