#include "site/Sygnaly.h"

#include <unistd.h>

#include <csignal>

namespace {

sigset_t Sygnaly() {
  sigset_t sygnaly;
  sigemptyset(&sygnaly);
  sigaddset(&sygnaly, SIGINT);
  sigaddset(&sygnaly, SIGTERM);
  return sygnaly;
}

}  // namespace

TStraznikSygnalow::TStraznikSygnalow(std::function<void()> Zatrzymaj) {
  const sigset_t sygnaly = Sygnaly();
  pthread_sigmask(SIG_BLOCK, &sygnaly, nullptr);
  watek_ = std::thread([sygnaly, Zatrzymaj = std::move(Zatrzymaj)] {
    int sygnal = 0;
    sigwait(&sygnaly, &sygnal);
    Zatrzymaj();
  });
}

// The process is ending either way; a signal of its own wakes the thread if none came.
TStraznikSygnalow::~TStraznikSygnalow() {
  kill(getpid(), SIGTERM);
  watek_.join();
}
