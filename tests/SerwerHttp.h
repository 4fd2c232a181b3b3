#pragma once

// A small HTTP/1.1 server on 127.0.0.1, on a port the system picks, running on a thread of its
// own while the object lives. It answers every request from the test's script, one connection
// at a time, and remembers what it was asked.

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "tests/Gniazda.h"

struct TOdpowiedzHttp {
  enum class TRodzaj {
    Zwykla,     // status, headers and the body
    BezKonca,   // a body that never ends, until the client goes away
    Milczenie,  // reads the request and never says a word
  };
  TRodzaj Rodzaj = TRodzaj::Zwykla;
  std::string Status = "200 OK";
  std::vector<std::string> Naglowki{};  // extra header lines, such as "Location: /nowa"
  std::string Tresc{};
  std::size_t Kawalek = 0;  // bytes per send, each sent apart from the next; 0 sends all at once
  bool Porcjami = false;    // chunked transfer encoding instead of a Content-Length
};

struct TZapytanieHttp {
  std::string Wiersz;  // the request line, e.g. "GET /a?b HTTP/1.1"
  std::string Agent;   // the User-Agent header's value
};

class TSerwerHttp {
 public:
  // `Scenariusz` gets the request target ("/a?b") and says what to answer.
  explicit TSerwerHttp(std::function<TOdpowiedzHttp(const std::string& Cel)> Scenariusz);
  ~TSerwerHttp();
  TSerwerHttp(const TSerwerHttp&) = delete;
  TSerwerHttp& operator=(const TSerwerHttp&) = delete;

  // "http://127.0.0.1:<port>/"
  std::string Adres() const;
  std::vector<TZapytanieHttp> Zapytania() const;

 private:
  void Pracuj();
  void Obsluz(TGniazdo Gniazdo);
  bool Wyslij(TGniazdo Gniazdo, const std::string& Dane);

  std::function<TOdpowiedzHttp(const std::string&)> scenariusz_;
  TGniazdo nasluch_ = BrakGniazda;
  std::uint16_t port_ = 0;
  std::atomic<bool> koniec_{false};
  mutable std::mutex straz_;
  std::vector<TZapytanieHttp> zapytania_;
  std::thread watek_;
};

// A loopback port on which nothing listens, so a connection to it is refused.
std::uint16_t PortBezSerwera();

// The bytes of the endless body, from its start.
std::string WzorzecBezKonca(std::size_t Dlugosc);
