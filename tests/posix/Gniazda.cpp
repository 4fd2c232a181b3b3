#include "tests/Gniazda.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>

namespace {

int Fd(TGniazdo Gniazdo) {
  return static_cast<int>(Gniazdo);
}

}  // namespace

TGniazdo GniazdoNaPetli() {
  const int gniazdo = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (gniazdo < 0) throw std::runtime_error("socket");
  sockaddr_in adres{};
  adres.sin_family = AF_INET;
  adres.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  if (::bind(gniazdo, reinterpret_cast<const sockaddr*>(&adres), sizeof adres) != 0) {
    ::close(gniazdo);
    throw std::runtime_error("bind");
  }
  return gniazdo;
}

std::uint16_t PortGniazda(TGniazdo Gniazdo) {
  sockaddr_in adres{};
  socklen_t dlugosc = sizeof adres;
  if (::getsockname(Fd(Gniazdo), reinterpret_cast<sockaddr*>(&adres), &dlugosc) != 0) {
    throw std::runtime_error("getsockname");
  }
  return ntohs(adres.sin_port);
}

void Nasluchuj(TGniazdo Gniazdo) {
  if (::listen(Fd(Gniazdo), 8) != 0) throw std::runtime_error("listen");
}

bool Gotowe(TGniazdo Gniazdo, TCzekanieNa Na, int Ms) {
  pollfd czekaj{.fd = Fd(Gniazdo),
                .events = static_cast<short>(Na == TCzekanieNa::Odczyt ? POLLIN : POLLOUT),
                .revents = 0};
  return ::poll(&czekaj, 1, Ms) > 0;
}

TGniazdo Przyjmij(TGniazdo Nasluch) {
  const int gniazdo = ::accept4(Fd(Nasluch), nullptr, nullptr, SOCK_CLOEXEC);
  return gniazdo < 0 ? BrakGniazda : gniazdo;
}

long Odbierz(TGniazdo Gniazdo, char* Bufor, std::size_t Ile) {
  return ::recv(Fd(Gniazdo), Bufor, Ile, 0);
}

long Wyslij(TGniazdo Gniazdo, const char* Dane, std::size_t Ile) {
  return ::send(Fd(Gniazdo), Dane, Ile, MSG_NOSIGNAL);
}

void ZamknijZapis(TGniazdo Gniazdo) {
  ::shutdown(Fd(Gniazdo), SHUT_WR);
}

void Zamknij(TGniazdo Gniazdo) {
  ::close(Fd(Gniazdo));
}
