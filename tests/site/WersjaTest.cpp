#include <gtest/gtest.h>

#include "site/Wersja.h"

namespace {

constexpr TWersja Najnowsza{1, 5};

TEST(OdpowiedzOWersje, JedenTylkoDlaStarszejWersjiProgramu) {
  EXPECT_EQ(OdpowiedzOWersje("rand=42&program=Rozpoznik%20wersja%201.4", Najnowsza), "1");
  EXPECT_EQ(OdpowiedzOWersje("rand=0&program=Rozpoznik%20wersja%200.9", Najnowsza), "1");
  EXPECT_EQ(OdpowiedzOWersje("rand=9998&program=Rozpoznik%20wersja%201.5", Najnowsza), "0");
  EXPECT_EQ(OdpowiedzOWersje("rand=7&program=Rozpoznik%20wersja%202.0", Najnowsza), "0");
  // Parts compare as numbers: 1.10 is newer than 1.5.
  EXPECT_EQ(OdpowiedzOWersje("rand=7&program=Rozpoznik%20wersja%201.10", Najnowsza), "0");
  EXPECT_EQ(OdpowiedzOWersje("program=Rozpoznik%20wersja%201.4&rand=7&x=y", Najnowsza), "1");
}

TEST(OdpowiedzOWersje, ZeroDlaBrakujacychIZlychWartosci) {
  for (const char* zapytanie : {
           "",
           "rand=42",
           "program=Rozpoznik%20wersja%201.4",
           "rand=&program=Rozpoznik%20wersja%201.4",
           "rand=9999&program=Rozpoznik%20wersja%201.4",
           "rand=-1&program=Rozpoznik%20wersja%201.4",
           "rand=4x&program=Rozpoznik%20wersja%201.4",
           "rand=1&rand=2&program=Rozpoznik%20wersja%201.4",
           "rand=1&program=Rozpoznik%20wersja%201.4&program=Rozpoznik%20wersja%201.4",
           "rand=1&program=Inny%20program%20wersja%201.4",
           "rand=1&program=Rozpoznik%20wersja%201",
           "rand=1&program=Rozpoznik%20wersja%201.4%20beta",
           "rand=1&program=rozpoznik%20wersja%201.4",
           "rand=1&program=Rozpoznik+wersja+1.4",
           "rand=1&program=Rozpoznik%20wersja%20-1.4",
           "rand=1&program=Rozpoznik%20wersja%2001.4",
           "rand=1&program=Rozpoznik%20wersja%201.",
       }) {
    EXPECT_EQ(OdpowiedzOWersje(zapytanie, Najnowsza), "0") << zapytanie;
  }
}

TEST(CzytajWersje, DwieLiczbyPrzedzieloneKropka) {
  EXPECT_EQ(CzytajWersje("1.4"), (TWersja{1, 4}));
  EXPECT_EQ(CzytajWersje("0.0"), (TWersja{0, 0}));
  EXPECT_EQ(CzytajWersje("12.345"), (TWersja{12, 345}));
  for (const char* zla : {"", "1", "1.4.2", ".4", "1.", "+1.4", "1.-4", "1 .4", "99999.1"}) {
    EXPECT_FALSE(CzytajWersje(zla)) << zla;
  }
}

}  // namespace
