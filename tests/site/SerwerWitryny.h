#pragma once

// rozpoznik-site's server on loopback, on a port the system picks, with a database of its own,
// serving on a thread while the object lives.

#include <httplib.h>

#include <condition_variable>
#include <mutex>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

#include "site/Serwer.h"
#include "tests/FolderTestowy.h"

class TSerwerWitryny {
 public:
  // Host, port and database are the test's; the rest comes from `Ustawienia`.
  explicit TSerwerWitryny(TUstawienia Ustawienia = {});
  ~TSerwerWitryny();
  TSerwerWitryny(const TSerwerWitryny&) = delete;
  TSerwerWitryny& operator=(const TSerwerWitryny&) = delete;

  // "http://127.0.0.1:<port>/"
  std::string Adres() const;
  int Port() const { return port_; }
  httplib::Client Klient() const;
  // The log once it has at least `Wierszy` lines, or after 5 seconds: the server writes a
  // request's line after its answer has gone.
  std::vector<std::string> Dziennik(std::size_t Wierszy) const;
  TBaza& Baza() { return serwer_->Baza(); }

 private:
  TFolderTestowy folder_;
  mutable std::mutex straz_;
  mutable std::condition_variable nowyWiersz_;
  std::vector<std::string> dziennik_;
  std::unique_ptr<TSerwer> serwer_;
  int port_ = -1;
  std::thread watek_;
};

// For GoogleTest's messages.
void PrintTo(const TZgloszenie& Zgloszenie, std::ostream* Strumien);

struct TSurowaOdpowiedz {
  int Status = 0;
  std::string Tresc;
};

// Sends `WierszZapytania` ("GET /... HTTP/1.1") byte for byte, as no HTTP client library would
// let it pass, and reads the answer to its end.
TSurowaOdpowiedz SurowyGet(int Port, const std::string& WierszZapytania);
