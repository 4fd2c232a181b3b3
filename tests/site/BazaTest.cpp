#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "site/Baza.h"
#include "tests/FolderTestowy.h"

namespace {

// Reports from many threads at once are committed in batches: each must be stored once, in its
// own row or in the count of the same report, whichever batch took it.
TEST(Baza, ZgloszeniaZWieluWatkowZapisaneRazBezWzgleduNaPaczke) {
  const TFolderTestowy folder;
  TBaza baza(folder.Sciezka("zgloszenia.db"));
  constexpr int Watkow = 8;
  constexpr int Zgloszen = 100;
  const TZgloszenie wspolne{"00000000000000000000", "BIN", "Wspólny", 1};
  std::vector<std::thread> watki;
  for (int w = 0; w < Watkow; ++w) {
    watki.emplace_back([&, w] {
      for (int i = 0; i < Zgloszen; ++i) {
        baza.Zapisz({"AA" + std::string(18, static_cast<char>('0' + w)), "BIN", "Własny",
                     static_cast<std::int64_t>(i)},
                    "2026-12-09T08:00:00Z");
        baza.Zapisz(wspolne, "2026-12-09T08:00:0" + std::to_string(i % 10) + "Z");
      }
    });
  }
  for (std::thread& watek : watki) watek.join();

  const std::vector<TZapisanyWiersz> wiersze = baza.Wiersze();
  ASSERT_EQ(wiersze.size(), 1u + Watkow * Zgloszen);
  EXPECT_EQ(wiersze[0].Zgloszenie, wspolne);
  EXPECT_EQ(wiersze[0].Liczba, Watkow * Zgloszen);
  EXPECT_EQ(wiersze[0].Ostatnie, "2026-12-09T08:00:09Z");
  for (std::size_t i = 1; i < wiersze.size(); ++i) EXPECT_EQ(wiersze[i].Liczba, 1) << i;
}

}  // namespace
