#pragma once

// Work done on several threads and handed back in the order it was given: the walk adds files
// in sorted order, threads identify them, and the output comes out in that same order, byte for
// byte as from one thread. Only a fixed window of files is in flight, so memory does not grow
// with the tree.
//
// The thread that adds the work is one of the threads: with N threads asked for, N - 1 more are
// started, and the adding thread, instead of waiting while the window is full, takes work
// that no thread has started. So N threads keep N cores busy, the walk and the output included.

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
      : odbierz_(std::move(Odbierz)), wlasna_(NowaPraca()), miejsca_(Okno) {
    for (unsigned i = 1; i < Watki; ++i) {
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

  // Hands back what is done meanwhile; while the window is full, works on it too.
  void Dodaj(TZadanie Zadanie) {
    if (watki_.empty()) {
      TWynik wynik = wlasna_(Zadanie);
      odbierz_(wynik);
      return;
    }
    std::unique_lock blokada(mutex_);
    while (dodane_ - oddane_ == miejsca_.size()) {
      if (!OddajNastepny(blokada) && !ZrobNierozpoczete(blokada)) Czekaj(blokada);
    }
    TMiejsce& miejsce = miejsca_[dodane_ % miejsca_.size()];
    miejsce.Zadanie = std::move(Zadanie);
    miejsce.Gotowe = false;
    ++dodane_;
    dlaWatkow_.notify_one();
    while (OddajNastepny(blokada)) {
    }
  }

  // Hands back everything still in flight, working on what no thread has started.
  void Zakoncz() {
    if (watki_.empty()) return;
    std::unique_lock blokada(mutex_);
    while (oddane_ < dodane_) {
      if (!OddajNastepny(blokada) && !ZrobNierozpoczete(blokada)) Czekaj(blokada);
    }
  }

 private:
  struct TMiejsce {
    TZadanie Zadanie{};
    TWynik Wynik{};
    bool Gotowe = false;
  };

  // Hands back the oldest result when it is done; false when there is none done. The lock is
  // let go while the result is handed on.
  bool OddajNastepny(std::unique_lock<std::mutex>& blokada) {
    if (oddane_ == dodane_) return false;
    TMiejsce& miejsce = miejsca_[oddane_ % miejsca_.size()];
    if (!miejsce.Gotowe) return false;
    TWynik wynik = std::move(miejsce.Wynik);
    miejsce.Gotowe = false;
    ++oddane_;
    blokada.unlock();
    odbierz_(wynik);
    blokada.lock();
    return true;
  }

  // Does the oldest work no thread has started, on this thread; false when there is none.
  bool ZrobNierozpoczete(std::unique_lock<std::mutex>& blokada) {
    if (pobrane_ == dodane_) return false;
    Zrob(blokada, wlasna_);
    return true;
  }

  // Until a result is done: the only thing that can change while this thread holds no work.
  void Czekaj(std::unique_lock<std::mutex>& blokada) {
    dlaOdbioru_.wait(blokada, [&] { return miejsca_[oddane_ % miejsca_.size()].Gotowe; });
  }

  // Takes the oldest work not started, does it without the lock and leaves its result.
  void Zrob(std::unique_lock<std::mutex>& blokada, TPraca& praca) {
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

  void Pracuj(TPraca& praca) {
    std::unique_lock blokada(mutex_);
    for (;;) {
      dlaWatkow_.wait(blokada, [&] { return koniec_ || pobrane_ < dodane_; });
      if (pobrane_ == dodane_) return;
      Zrob(blokada, praca);
    }
  }

  TOdbior odbierz_;
  TPraca wlasna_;  // the adding thread's own
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
