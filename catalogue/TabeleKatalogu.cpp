#include <functional>

#include "catalogue/Katalog.h"

const std::array<TTabelaKatalogu, 7> TabeleKatalogu = {
    {{"BazaSygnatur", BazaSygnatur},
     {"BazaWzorcow", BazaWzorcow},
     {"BazaTekstowa", BazaTekstowa},
     {"SuplementSygnatur", SuplementSygnatur},
     {"SuplementTekstowy", SuplementTekstowy},
     {"SuplementSond", SuplementSond},
     {"SuplementKontenerow", SuplementKontenerow}}};

std::string_view TabelaWiersza(const TOpisPliku& Wiersz) {
  // Pointers into different arrays compare only through std::less, which orders all of them.
  const std::less<const TOpisPliku*> przed;
  for (const TTabelaKatalogu& tabela : TabeleKatalogu) {
    const TOpisPliku* poczatek = tabela.Wiersze.data();
    if (!przed(&Wiersz, poczatek) && przed(&Wiersz, poczatek + tabela.Wiersze.size()))
      return tabela.Nazwa;
  }
  return {};
}
