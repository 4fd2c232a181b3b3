#include "tests/window/SerwerTestowy.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>

TSerwerTestowy::TSerwerTestowy(std::string Tresc, int CzekanieMs)
    : czekanieMs_(CzekanieMs), tresc_(std::move(Tresc)) {
  gniazdo_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in adres{};
  adres.sin_family = AF_INET;
  adres.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t dlugosc = sizeof adres;
  if (gniazdo_ < 0 || ::bind(gniazdo_, reinterpret_cast<sockaddr*>(&adres), dlugosc) != 0 ||
      ::listen(gniazdo_, 1) != 0 ||
      ::getsockname(gniazdo_, reinterpret_cast<sockaddr*>(&adres), &dlugosc) != 0) {
    if (gniazdo_ >= 0) ::close(gniazdo_);
    throw std::runtime_error("cannot listen on the loopback address");
  }
  port_ = ntohs(adres.sin_port);
  watek_ = std::thread([this] { Obsluz(); });
}

TSerwerTestowy::~TSerwerTestowy() {
  if (watek_.joinable()) watek_.join();
  ::close(gniazdo_);
}

std::string TSerwerTestowy::Adres() const {
  return "http://127.0.0.1:" + std::to_string(port_) + "/";
}

std::string TSerwerTestowy::Zapytanie() {
  if (watek_.joinable()) watek_.join();
  return zapytanie_;
}

void TSerwerTestowy::Obsluz() {
  pollfd czekanie{gniazdo_, POLLIN, 0};
  if (::poll(&czekanie, 1, czekanieMs_) != 1) return;
  const int polaczenie = ::accept4(gniazdo_, nullptr, nullptr, SOCK_CLOEXEC);
  if (polaczenie < 0) return;
  std::string zadanie;
  char bufor[1024];
  pollfd odczyt{polaczenie, POLLIN, 0};
  while (zadanie.find("\r\n\r\n") == std::string::npos && ::poll(&odczyt, 1, czekanieMs_) == 1) {
    const ssize_t n = ::read(polaczenie, bufor, sizeof bufor);
    if (n <= 0) break;
    zadanie.append(bufor, static_cast<std::size_t>(n));
  }
  zapytanie_ = zadanie.substr(0, zadanie.find("\r\n"));
  const std::string odpowiedz = "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nContent-Length: " +
                                std::to_string(tresc_.size()) + "\r\nConnection: close\r\n\r\n" +
                                tresc_;
  [[maybe_unused]] const ssize_t wyslane = ::write(polaczenie, odpowiedz.data(), odpowiedz.size());
  ::close(polaczenie);
}
