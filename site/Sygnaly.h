#pragma once

// Ending the service cleanly when the system asks it to stop.

#include <functional>
#include <thread>

// Takes SIGINT and SIGTERM away from every thread started after it and waits for them on a
// thread of its own, which runs `Zatrzymaj` when one comes. Create it before any other thread
// starts; its end releases the waiting thread, whether a signal came or not.
class TStraznikSygnalow {
 public:
  explicit TStraznikSygnalow(std::function<void()> Zatrzymaj);
  ~TStraznikSygnalow();
  TStraznikSygnalow(const TStraznikSygnalow&) = delete;
  TStraznikSygnalow& operator=(const TStraznikSygnalow&) = delete;

 private:
  std::thread watek_;
};
