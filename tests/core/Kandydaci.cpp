#include "tests/core/Kandydaci.h"

#include <gtest/gtest.h>

#include "engine/ObslugaBaz.h"

void PrintTo(const TKandydat& kandydat, std::ostream* wyjscie) {
  *wyjscie << '{' << testing::PrintToString(kandydat.Rozszerzenie) << ", "
           << testing::PrintToString(kandydat.Typ) << ", "
           << testing::PrintToString(kandydat.Kategoria) << ", "
           << testing::PrintToString(kandydat.Programy) << '}';
}

TKandydat Kandydat(const TOpisPliku& wiersz) {
  return {std::string(wiersz.Rozszerzenie.Tekst()), std::string(wiersz.Typ.Tekst()),
          std::string(wiersz.Kategoria.Tekst()), std::string(wiersz.Programy.Tekst())};
}

TWynikWyszukiwania Rozpoznaj(const TOpisPliku& klucz, const std::string& sciezka,
                             const TSuplement& suplement) {
  TListaTekstow typy, rozszerzenia, kategorie, programy;
  TWynikWyszukiwania wynik;
  wynik.Rozpoznany =
      RozpoznajPlik(klucz, sciezka, typy, rozszerzenia, kategorie, programy, suplement);
  EXPECT_EQ(rozszerzenia.size(), typy.size());
  EXPECT_EQ(kategorie.size(), typy.size());
  EXPECT_EQ(programy.size(), typy.size());
  for (std::size_t i = 0; i < typy.size(); ++i) {
    wynik.Kandydaci.push_back({rozszerzenia.at(i), typy.at(i), kategorie.at(i), programy.at(i)});
  }
  EXPECT_EQ(wynik.Rozpoznany, !wynik.Kandydaci.empty());
  return wynik;
}

std::string Hex(std::string_view bajty) {
  static constexpr char Cyfry[] = "0123456789ABCDEF";
  std::string tekst;
  for (const char c : bajty) {
    const auto b = static_cast<unsigned char>(c);
    tekst += {Cyfry[b >> 4], Cyfry[b & 0x0F]};
  }
  return tekst;
}

TOpisPliku KluczZHex(std::string_view hex, std::string_view rozszerzenie) {
  std::string tekst(hex);
  tekst.resize(160, '0');
  TOpisPliku klucz;
  klucz.Sygnatura.Ustaw(tekst);
  klucz.Rozszerzenie.Ustaw(rozszerzenie);
  return klucz;
}

TOpisPliku KluczZBajtow(std::string_view bajty, std::string_view rozszerzenie) {
  return KluczZHex(Hex(bajty.substr(0, 80)), rozszerzenie);
}
