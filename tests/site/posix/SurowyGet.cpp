#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

#include <cstdlib>

#include "tests/site/SerwerWitryny.h"

TSurowaOdpowiedz SurowyGet(int Port, const std::string& WierszZapytania) {
  TSurowaOdpowiedz odpowiedz;
  const int gniazdo = socket(AF_INET, SOCK_STREAM, 0);
  if (gniazdo < 0) return odpowiedz;
  const timeval czekaj{10, 0};
  setsockopt(gniazdo, SOL_SOCKET, SO_RCVTIMEO, &czekaj, sizeof czekaj);
  sockaddr_in adres{};
  adres.sin_family = AF_INET;
  adres.sin_port = htons(static_cast<std::uint16_t>(Port));
  adres.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  std::string surowe;
  if (connect(gniazdo, reinterpret_cast<const sockaddr*>(&adres), sizeof adres) == 0) {
    const std::string zapytanie =
        WierszZapytania + "\r\nHost: 127.0.0.1\r\nConnection: close\r\n\r\n";
    if (send(gniazdo, zapytanie.data(), zapytanie.size(), MSG_NOSIGNAL) ==
        static_cast<ssize_t>(zapytanie.size())) {
      char bufor[4096];
      ssize_t n = 0;
      while ((n = recv(gniazdo, bufor, sizeof bufor, 0)) > 0) {
        surowe.append(bufor, static_cast<std::size_t>(n));
      }
    }
  }
  close(gniazdo);
  // "HTTP/1.1 200 OK\r\n...\r\n\r\nbody"
  if (surowe.size() > 12) odpowiedz.Status = std::atoi(surowe.substr(9, 3).c_str());
  const std::size_t koniecNaglowkow = surowe.find("\r\n\r\n");
  if (koniecNaglowkow != std::string::npos) odpowiedz.Tresc = surowe.substr(koniecNaglowkow + 4);
  return odpowiedz;
}
