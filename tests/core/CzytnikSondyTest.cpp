#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "engine/CzytnikSondy.h"
#include "tests/core/PlikiTestowe.h"

namespace {

class CzytnikSondy : public TTestZPlikami {};

// Whatever a probe asks for, nothing is read before the file, past its end, or beyond the
// budget, and a region that crosses one of those limits is refused whole.
TEST_F(CzytnikSondy, OdmawiaPozaPlikiemIPonadBudzet) {
  std::string tresc(100 * 1024, 'x');
  tresc[70000] = 'y';
  TPlikDoOdczytu plik(folder_.Zapisz("duzy", tresc));
  TCzytnikSondy czytnik(plik);
  std::array<unsigned char, 16> maly{};
  EXPECT_FALSE(czytnik.Czytaj(-1, maly));
  EXPECT_FALSE(czytnik.Czytaj(static_cast<std::int64_t>(tresc.size()) - 15, maly));
  EXPECT_FALSE(czytnik.Czytaj(INT64_MAX - 4, maly));
  EXPECT_EQ(czytnik.Pozostalo(), BudzetSondy);

  ASSERT_TRUE(czytnik.Czytaj(70000, maly));
  EXPECT_EQ(maly[0], 'y');
  std::vector<unsigned char> reszta(BudzetSondy - maly.size());
  EXPECT_FALSE(czytnik.Czytaj(0, {reszta.data(), reszta.size() + 1}));
  EXPECT_TRUE(czytnik.Czytaj(0, reszta));
  EXPECT_EQ(czytnik.Pozostalo(), 0u);
  EXPECT_FALSE(czytnik.Czytaj(0, {maly.data(), 1}));
}

}  // namespace
