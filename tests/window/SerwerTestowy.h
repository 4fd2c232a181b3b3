#pragma once

// A one-request HTTP server on the loopback address, on a thread of its own, because the
// update check blocks the GUI thread while it downloads.

#include <cstdint>
#include <string>
#include <thread>

class TSerwerTestowy {
 public:
  // Answers the first request with `Tresc` as the body; gives up when none comes within
  // `CzekanieMs`.
  TSerwerTestowy(std::string Tresc, int CzekanieMs);
  ~TSerwerTestowy();
  TSerwerTestowy(const TSerwerTestowy&) = delete;
  TSerwerTestowy& operator=(const TSerwerTestowy&) = delete;

  // "http://127.0.0.1:<port>/"
  std::string Adres() const;

  // The request line, such as "GET /aktual.php?... HTTP/1.1"; empty when none came. Waits for
  // the server's thread to end.
  std::string Zapytanie();

 private:
  void Obsluz();

  int czekanieMs_;
  int gniazdo_ = -1;
  std::uint16_t port_ = 0;
  std::string tresc_;
  std::string zapytanie_;
  std::thread watek_;
};
