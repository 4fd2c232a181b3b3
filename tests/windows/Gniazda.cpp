#include "tests/Gniazda.h"

#include <winsock2.h>
#include <ws2tcpip.h>

#include <stdexcept>

namespace {

SOCKET S(TGniazdo Gniazdo) {
  return static_cast<SOCKET>(Gniazdo);
}

// Winsock must be started before the first socket; it stays up for the rest of the tests.
void WinsockGotowy() {
  static const bool gotowy = [] {
    WSADATA dane{};
    return WSAStartup(MAKEWORD(2, 2), &dane) == 0;
  }();
  if (!gotowy) throw std::runtime_error("WSAStartup");
}

int Dlugosc(std::size_t Ile) {
  return Ile > 0x7fffffff ? 0x7fffffff : static_cast<int>(Ile);
}

}  // namespace

TGniazdo GniazdoNaPetli() {
  WinsockGotowy();
  const SOCKET gniazdo = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  if (gniazdo == INVALID_SOCKET) throw std::runtime_error("socket");
  sockaddr_in adres{};
  adres.sin_family = AF_INET;
  adres.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  if (::bind(gniazdo, reinterpret_cast<const sockaddr*>(&adres), sizeof adres) != 0) {
    ::closesocket(gniazdo);
    throw std::runtime_error("bind");
  }
  return static_cast<TGniazdo>(gniazdo);
}

std::uint16_t PortGniazda(TGniazdo Gniazdo) {
  sockaddr_in adres{};
  int dlugosc = sizeof adres;
  if (::getsockname(S(Gniazdo), reinterpret_cast<sockaddr*>(&adres), &dlugosc) != 0) {
    throw std::runtime_error("getsockname");
  }
  return ntohs(adres.sin_port);
}

void Nasluchuj(TGniazdo Gniazdo) {
  if (::listen(S(Gniazdo), 8) != 0) throw std::runtime_error("listen");
}

bool Gotowe(TGniazdo Gniazdo, TCzekanieNa Na, int Ms) {
  WSAPOLLFD czekaj{};
  czekaj.fd = S(Gniazdo);
  czekaj.events = Na == TCzekanieNa::Odczyt ? POLLRDNORM : POLLWRNORM;
  return ::WSAPoll(&czekaj, 1, Ms) > 0;
}

TGniazdo Przyjmij(TGniazdo Nasluch) {
  const SOCKET gniazdo = ::accept(S(Nasluch), nullptr, nullptr);
  return gniazdo == INVALID_SOCKET ? BrakGniazda : static_cast<TGniazdo>(gniazdo);
}

long Odbierz(TGniazdo Gniazdo, char* Bufor, std::size_t Ile) {
  return ::recv(S(Gniazdo), Bufor, Dlugosc(Ile), 0);
}

long Wyslij(TGniazdo Gniazdo, const char* Dane, std::size_t Ile) {
  return ::send(S(Gniazdo), Dane, Dlugosc(Ile), 0);
}

void ZamknijZapis(TGniazdo Gniazdo) {
  ::shutdown(S(Gniazdo), SD_SEND);
}

void Zamknij(TGniazdo Gniazdo) {
  ::closesocket(S(Gniazdo));
}
