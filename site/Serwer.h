#pragma once

// The maker's web site: the version answer, the pages, the report intake and the triage.

#include <functional>
#include <memory>
#include <string>

#include "site/Baza.h"
#include "site/Ustawienia.h"

// A line of the log, without its line end.
using TDziennik = std::function<void(const std::string& Wiersz)>;

class TSerwer {
 public:
  // Opens the database; throws EBladBazy.
  TSerwer(TUstawienia Ustawienia, TDziennik Dziennik);
  ~TSerwer();
  TSerwer(const TSerwer&) = delete;
  TSerwer& operator=(const TSerwer&) = delete;

  // Binds the listening socket to the configured host and port (0 takes a free one) and
  // returns the port, or -1. Connections wait from then on, until Obsluguj takes them.
  int Zwiaz();
  // Serves until Zatrzymaj is called from another thread; false when it could not start.
  bool Obsluguj();
  void Zatrzymaj();

  TBaza& Baza();

 private:
  struct TStan;
  std::unique_ptr<TStan> stan_;
};
