// Work shared among threads comes back in the order it was added, each piece done once, handed
// back on the adding thread, however the threads happen to finish.

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <set>
#include <thread>
#include <vector>

#include "cli/Rownolegle.h"

namespace {

struct TWynikTestu {
  int Numer = -1;
  std::thread::id Watek;
};

// Runs `ile` pieces through `watki` threads with a window of `okno`; the later of each pair of
// pieces is quick and the earlier one slow, so that results are done out of order.
void SprawdzKolejnosc(unsigned watki, std::size_t okno, int ile) {
  std::mutex mutex;
  std::set<std::thread::id> pracujace;
  std::atomic<int> zrobione{0};
  std::vector<int> oddane;
  bool naDodajacym = true;
  const std::thread::id dodajacy = std::this_thread::get_id();
  {
    TRownolegle<int, TWynikTestu> rownolegle(
        watki, okno,
        [&] {
          return [&](int& numer) {
            if (numer % 2 == 0) std::this_thread::sleep_for(std::chrono::microseconds(200));
            ++zrobione;
            const std::lock_guard blokada(mutex);
            pracujace.insert(std::this_thread::get_id());
            return TWynikTestu{numer, std::this_thread::get_id()};
          };
        },
        [&](TWynikTestu& wynik) {
          naDodajacym = naDodajacym && std::this_thread::get_id() == dodajacy;
          oddane.push_back(wynik.Numer);
        });
    for (int i = 0; i < ile; ++i) rownolegle.Dodaj(i);
    rownolegle.Zakoncz();
    EXPECT_EQ(static_cast<int>(oddane.size()), ile);
  }
  std::vector<int> oczekiwane(static_cast<std::size_t>(ile));
  for (int i = 0; i < ile; ++i) oczekiwane[static_cast<std::size_t>(i)] = i;
  EXPECT_EQ(oddane, oczekiwane);
  EXPECT_EQ(zrobione, ile);
  EXPECT_TRUE(naDodajacym);
  EXPECT_LE(pracujace.size(), watki);
}

}  // namespace

TEST(Rownolegle, KolejnoscJakPrzyDodawaniuPrzyKazdejLiczbieWatkow) {
  for (const unsigned watki : {1u, 2u, 3u, 8u}) {
    SCOPED_TRACE(watki);
    SprawdzKolejnosc(watki, 4, 200);
  }
}

TEST(Rownolegle, OknoJednegoMiejscaIMniejPracyNizWatkow) {
  SprawdzKolejnosc(4, 1, 50);
  SprawdzKolejnosc(8, 16, 3);
  SprawdzKolejnosc(2, 8, 0);
}

// Asked for N threads, it starts N - 1: the adding thread works too, so the walk and the output
// don't take a core of their own beside N busy threads.
TEST(Rownolegle, DodajacyWatekPracujeGdyOknoPelne) {
  std::atomic<bool> dodajacyPracowal{false};
  const std::thread::id dodajacy = std::this_thread::get_id();
  TRownolegle<int, int> rownolegle(
      2, 2,
      [&] {
        return [&](int& numer) {
          if (std::this_thread::get_id() == dodajacy) dodajacyPracowal = true;
          std::this_thread::sleep_for(std::chrono::microseconds(500));
          return numer;
        };
      },
      [](int&) {});
  for (int i = 0; i < 40; ++i) rownolegle.Dodaj(i);
  rownolegle.Zakoncz();
  EXPECT_TRUE(dodajacyPracowal);
}
