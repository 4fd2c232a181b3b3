// The container probes within the whole identification: a probe that names a format the first
// 80 bytes already named confirms that candidate instead of repeating it, and what it pinned,
// the key's bytes that let it run included, decides the ranked order without a name.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "catalogue/Katalog.h"
#include "engine/Rozpoznanie.h"
#include "tests/core/SondyKontenerowTestowe.h"

namespace {

class SondyWRozpoznaniu : public TTestZPlikami {
 protected:
  TRozpoznanie Rozpoznany(const std::string& Probka) {
    TRozpoznanie wynik;
    Rozpoznaj(folder_.Zapisz("bez_nazwy", ::Probka(Probka)), wynik);
    return wynik;
  }
};

// The candidate with the most pinned bytes, the first of equals: what --ranked shows first.
const TOpisPliku* PierwszyWedlugPrzypietych(const TRozpoznanie& Wynik) {
  const auto najwiecej =
      std::ranges::max_element(Wynik.Kandydaci, std::ranges::less{},
                               [&](const TOpisPliku* k) { return PrzypieteBajty(Wynik, k); });
  return najwiecej == Wynik.Kandydaci.end() ? nullptr : *najwiecej;
}

bool TeSameSlowa(const TOpisPliku* a, const TOpisPliku* b) {
  return a->Typ == b->Typ && a->Rozszerzenie == b->Rozszerzenie;
}

}  // namespace

TEST_F(SondyWRozpoznaniu, FormatZnanyZKluczaNiePowtorzonyTylkoPotwierdzony) {
  for (const auto& [probka, wiersz] : {std::pair{"arkusz.xls", TWierszKontenera::Xls},
                                       std::pair{"dokument.doc", TWierszKontenera::Doc},
                                       std::pair{"biblioteka.jar", TWierszKontenera::Jar}}) {
    SCOPED_TRACE(probka);
    const TRozpoznanie wynik = Rozpoznany(probka);
    for (std::size_t i = 0; i < wynik.Kandydaci.size(); ++i) {
      for (std::size_t j = i + 1; j < wynik.Kandydaci.size(); ++j) {
        EXPECT_FALSE(TeSameSlowa(wynik.Kandydaci[i], wynik.Kandydaci[j]))
            << wynik.Kandydaci[i]->Typ.Tekst();
      }
    }
    const auto jego = std::ranges::find_if(wynik.Kandydaci, [&](const TOpisPliku* k) {
      return TeSameSlowa(k, &WierszKontenera(wiersz));
    });
    ASSERT_NE(jego, wynik.Kandydaci.end());
    const TWynikSondy* sonda = WynikSondy(wynik, *jego);
    ASSERT_NE(sonda, nullptr);
    EXPECT_EQ(PierwszyWedlugPrzypietych(wynik), *jego);
  }
}

// A probe's answer stands on the key's bytes that let it run as well as on its mark: an MZ
// header and the PE header behind it outweigh any row that pins the MZ header alone.
TEST_F(SondyWRozpoznaniu, PrzypieteSondyObejmujaBajtyKluczaKtoreJaUruchomily) {
  const TRozpoznanie wynik = Rozpoznany("program32.exe");
  const auto pe = std::ranges::find_if(
      wynik.Sondy, [](const TWynikSondy& s) { return s.Trafienie.Sonda == "pe"; });
  ASSERT_NE(pe, wynik.Sondy.end());
  EXPECT_EQ(pe->Trafienie.PrzypieteBajty, pe->Bajty.size() / 2 + 2);
  EXPECT_EQ(PierwszyWedlugPrzypietych(wynik), pe->Trafienie.Wiersz);
}
