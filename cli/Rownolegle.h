#pragma once

// Work done on several threads and handed back in the order it was given: the walk adds files
// in sorted order, threads identify them, and the output comes out in that same order, byte for
// byte as from one thread. Only a fixed window of files is in flight, so memory does not grow
// with the tree.

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>
#include <vector>

template <typename TZadanie, typename TWynik>
class TRownolegle {
 public:
  // Each thread has its own `Praca`, made by `NowaPraca`, so that it can keep its buffers.
  // `Odbierz` runs on the thread that adds the work, in the order of adding.
  using TPraca = std::function<TWynik(TZadanie&)>;
  using TOdbior = std::function<void(TWynik&)>;

  TRownolegle(unsigned Watki, std::size_t Okno, const std::function<TPraca()>& NowaPraca,
              TOdbior Odbierz)
      : odbierz_(std::move(Odbierz)), miejsca_(Okno) {
    if (Watki <= 1) {
      prosta_ = NowaPraca();
      return;
    }
    for (unsigned i = 0; i < Watki; ++i) {
      watki_.emplace_back([this, praca = NowaPraca()]() mutable { Pracuj(praca); });
    }
  }

  ~TRownolegle() {
    {
      const std::lock_guard blokada(mutex_);
      koniec_ = true;
    }
    dlaWatkow_.notify_all();
    for (std::thread& w : watki_) w.join();
  }

  TRownolegle(const TRownolegle&) = delete;
  TRownolegle& operator=(const TRownolegle&) = delete;

  // Waits while the window is full, handing back what is done meanwhile.
  void Dodaj(TZadanie Zadanie) {
    if (prosta_) {
      TWynik wynik = (*prosta_)(Zadanie);
      odbierz_(wynik);
      return;
    }
    std::unique_lock blokada(mutex_);
    while (dodane_ - oddane_ == miejsca_.size()) OddajNastepny(blokada, true);
    TMiejsce& miejsce = miejsca_[dodane_ % miejsca_.size()];
    miejsce.Zadanie = std::move(Zadanie);
    miejsce.Gotowe = false;
    ++dodane_;
    dlaWatkow_.notify_one();
    while (oddane_ < dodane_ && OddajNastepny(blokada, false)) {
    }
  }

  // Hands back everything still in flight.
  void Zakoncz() {
    if (prosta_) return;
    std::unique_lock blokada(mutex_);
    while (oddane_ < dodane_) OddajNastepny(blokada, true);
  }

 private:
  struct TMiejsce {
    TZadanie Zadanie{};
    TWynik Wynik{};
    bool Gotowe = false;
  };

  // Hands back the oldest result when it is done (or, with `Czekaj`, once it is); false when it
  // was not done. The lock is let go while the result is handed on.
  bool OddajNastepny(std::unique_lock<std::mutex>& blokada, bool Czekaj) {
    TMiejsce& miejsce = miejsca_[oddane_ % miejsca_.size()];
    if (Czekaj) {
      dlaOdbioru_.wait(blokada, [&] { return miejsce.Gotowe; });
    } else if (!miejsce.Gotowe) {
      return false;
    }
    TWynik wynik = std::move(miejsce.Wynik);
    miejsce.Gotowe = false;
    ++oddane_;
    blokada.unlock();
    odbierz_(wynik);
    blokada.lock();
    return true;
  }

  void Pracuj(TPraca& praca) {
    std::unique_lock blokada(mutex_);
    for (;;) {
      dlaWatkow_.wait(blokada, [&] { return koniec_ || pobrane_ < dodane_; });
      if (pobrane_ == dodane_) return;
      const std::uint64_t numer = pobrane_++;
      TMiejsce& miejsce = miejsca_[numer % miejsca_.size()];
      TZadanie zadanie = std::move(miejsce.Zadanie);
      blokada.unlock();
      TWynik wynik = praca(zadanie);
      blokada.lock();
      miejsce.Wynik = std::move(wynik);
      miejsce.Gotowe = true;
      if (numer == oddane_) dlaOdbioru_.notify_one();
    }
  }

  TOdbior odbierz_;
  std::optional<TPraca> prosta_;  // one thread: the work is done as it is added
  std::mutex mutex_;
  std::condition_variable dlaWatkow_;
  std::condition_variable dlaOdbioru_;
  std::vector<TMiejsce> miejsca_;
  std::uint64_t dodane_ = 0;
  std::uint64_t pobrane_ = 0;
  std::uint64_t oddane_ = 0;
  bool koniec_ = false;
  std::vector<std::thread> watki_;
};
