// How a box shows a text wider than itself, decided once for both views.

#include <gtest/gtest.h>

#include <utility>

#include "window/DlugiTekst.h"

TEST(WidokPola, DlugiTekstPoczatekLubKoniecZPodpowiedzia) {
  const auto widok = [](TDlugiTekst Regula, bool ZaDlugi) {
    const TWidokPola w = WidokPola(Regula, ZaDlugi);
    return std::pair{w.OdKonca, w.Podpowiedz};
  };
  // A path shows its end, the file's own name; a type name its start.
  EXPECT_EQ(widok(TDlugiTekst::PodpowiedzKoniec, true), std::pair(true, true));
  EXPECT_EQ(widok(TDlugiTekst::PodpowiedzPoczatek, true), std::pair(false, true));
  EXPECT_EQ(widok(TDlugiTekst::Przyciety, true), std::pair(false, false));
  // A text that fits shows whole from its start, with no tooltip to repeat it.
  for (const TDlugiTekst regula :
       {TDlugiTekst::PodpowiedzKoniec, TDlugiTekst::PodpowiedzPoczatek, TDlugiTekst::Przyciety}) {
    EXPECT_EQ(widok(regula, false), std::pair(false, false));
  }
}
