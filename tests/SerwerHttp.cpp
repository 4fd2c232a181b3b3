#include "tests/SerwerHttp.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <strings.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <stdexcept>

namespace {

// A prime: no power-of-two read size lines up with it, so a lost or doubled piece shows.
constexpr std::size_t OkresWzorca = 251;

// How often waiting loops look whether the server is being stopped.
constexpr int KrokCzekaniaMs = 20;

sockaddr_in AdresPetli(std::uint16_t Port) {
  sockaddr_in adres{};
  adres.sin_family = AF_INET;
  adres.sin_port = htons(Port);
  adres.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  return adres;
}

std::uint16_t PortGniazda(int Gniazdo) {
  sockaddr_in adres{};
  socklen_t dlugosc = sizeof adres;
  if (::getsockname(Gniazdo, reinterpret_cast<sockaddr*>(&adres), &dlugosc) != 0) {
    throw std::runtime_error("getsockname");
  }
  return ntohs(adres.sin_port);
}

int GniazdoNaPetli() {
  const int gniazdo = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (gniazdo < 0) throw std::runtime_error("socket");
  const sockaddr_in adres = AdresPetli(0);
  if (::bind(gniazdo, reinterpret_cast<const sockaddr*>(&adres), sizeof adres) != 0) {
    ::close(gniazdo);
    throw std::runtime_error("bind");
  }
  return gniazdo;
}

std::string Szesnastkowo(std::size_t Liczba) {
  char tekst[32];
  std::snprintf(tekst, sizeof tekst, "%zx", Liczba);
  return tekst;
}

std::string WartoscNaglowka(const std::string& Zapytanie, const char* Nazwa) {
  const std::string szukany = std::string("\r\n") + Nazwa + ":";
  for (std::size_t i = 0; i + szukany.size() <= Zapytanie.size(); ++i) {
    if (::strncasecmp(Zapytanie.c_str() + i, szukany.c_str(), szukany.size()) != 0) continue;
    std::size_t poczatek = i + szukany.size();
    while (poczatek < Zapytanie.size() && Zapytanie[poczatek] == ' ') ++poczatek;
    return Zapytanie.substr(poczatek, Zapytanie.find("\r\n", poczatek) - poczatek);
  }
  return {};
}

}  // namespace

TSerwerHttp::TSerwerHttp(std::function<TOdpowiedzHttp(const std::string& Cel)> Scenariusz)
    : scenariusz_(std::move(Scenariusz)), nasluch_(GniazdoNaPetli()) {
  port_ = PortGniazda(nasluch_);
  if (::listen(nasluch_, 8) != 0) {
    ::close(nasluch_);
    throw std::runtime_error("listen");
  }
  watek_ = std::thread(&TSerwerHttp::Pracuj, this);
}

TSerwerHttp::~TSerwerHttp() {
  koniec_ = true;
  watek_.join();
  ::close(nasluch_);
}

std::string TSerwerHttp::Adres() const {
  return "http://127.0.0.1:" + std::to_string(port_) + "/";
}

std::vector<TZapytanieHttp> TSerwerHttp::Zapytania() const {
  const std::lock_guard blokada(straz_);
  return zapytania_;
}

void TSerwerHttp::Pracuj() {
  while (!koniec_) {
    pollfd czekaj{.fd = nasluch_, .events = POLLIN, .revents = 0};
    if (::poll(&czekaj, 1, KrokCzekaniaMs) <= 0) continue;
    const int gniazdo = ::accept4(nasluch_, nullptr, nullptr, SOCK_CLOEXEC);
    if (gniazdo < 0) continue;
    Obsluz(gniazdo);
    ::close(gniazdo);
  }
}

void TSerwerHttp::Obsluz(int Gniazdo) {
  std::string zapytanie;
  while (zapytanie.find("\r\n\r\n") == std::string::npos) {
    if (koniec_) return;
    pollfd czekaj{.fd = Gniazdo, .events = POLLIN, .revents = 0};
    if (::poll(&czekaj, 1, KrokCzekaniaMs) <= 0) continue;
    char bufor[1024];
    const ssize_t n = ::recv(Gniazdo, bufor, sizeof bufor, 0);
    if (n <= 0) return;
    zapytanie.append(bufor, static_cast<std::size_t>(n));
  }
  const std::string wiersz = zapytanie.substr(0, zapytanie.find("\r\n"));
  {
    const std::lock_guard blokada(straz_);
    zapytania_.push_back({.Wiersz = wiersz, .Agent = WartoscNaglowka(zapytanie, "User-Agent")});
  }
  const std::size_t poczatekCelu = wiersz.find(' ') + 1;
  const TOdpowiedzHttp odpowiedz =
      scenariusz_(wiersz.substr(poczatekCelu, wiersz.rfind(' ') - poczatekCelu));

  using enum TOdpowiedzHttp::TRodzaj;
  if (odpowiedz.Rodzaj == Milczenie) {
    // Until the client gives up and closes, or the test ends.
    while (!koniec_) {
      pollfd czekaj{.fd = Gniazdo, .events = POLLIN, .revents = 0};
      char bufor[256];
      if (::poll(&czekaj, 1, KrokCzekaniaMs) > 0 && ::recv(Gniazdo, bufor, sizeof bufor, 0) <= 0) {
        return;
      }
    }
    return;
  }

  std::string naglowek = "HTTP/1.1 " + odpowiedz.Status + "\r\n";
  for (const std::string& linia : odpowiedz.Naglowki) naglowek += linia + "\r\n";
  if (odpowiedz.Rodzaj == Zwykla) {
    naglowek += odpowiedz.Porcjami
                    ? std::string("Transfer-Encoding: chunked\r\n")
                    : "Content-Length: " + std::to_string(odpowiedz.Tresc.size()) + "\r\n";
  }
  naglowek += "Connection: close\r\n\r\n";
  if (!Wyslij(Gniazdo, naglowek)) return;

  if (odpowiedz.Rodzaj == BezKonca) {
    // A whole number of the pattern's periods, so that block after block continues it.
    const std::string blok = WzorzecBezKonca(16 * OkresWzorca);
    while (Wyslij(Gniazdo, blok)) {
    }
    return;
  }
  const std::size_t kawalek = odpowiedz.Kawalek == 0 ? odpowiedz.Tresc.size() : odpowiedz.Kawalek;
  for (std::size_t i = 0; i < odpowiedz.Tresc.size(); i += kawalek) {
    const std::string czesc = odpowiedz.Tresc.substr(i, kawalek);
    if (!Wyslij(Gniazdo, odpowiedz.Porcjami ? Szesnastkowo(czesc.size()) + "\r\n" + czesc + "\r\n"
                                            : czesc)) {
      return;
    }
    // So that the pieces reach the client apart rather than as one.
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  if (odpowiedz.Porcjami) Wyslij(Gniazdo, "0\r\n\r\n");
  ::shutdown(Gniazdo, SHUT_WR);
}

bool TSerwerHttp::Wyslij(int Gniazdo, const std::string& Dane) {
  std::size_t wyslane = 0;
  while (wyslane < Dane.size()) {
    if (koniec_) return false;
    pollfd czekaj{.fd = Gniazdo, .events = POLLOUT, .revents = 0};
    if (::poll(&czekaj, 1, KrokCzekaniaMs) <= 0) continue;
    const ssize_t n = ::send(Gniazdo, Dane.data() + wyslane, Dane.size() - wyslane, MSG_NOSIGNAL);
    if (n <= 0) return false;
    wyslane += static_cast<std::size_t>(n);
  }
  return true;
}

std::uint16_t PortBezSerwera() {
  // Bound but not listening: the port stays ours, and the kernel refuses every connection.
  static const int gniazdo = GniazdoNaPetli();
  return PortGniazda(gniazdo);
}

std::string WzorzecBezKonca(std::size_t Dlugosc) {
  std::string wzorzec(Dlugosc, '\0');
  for (std::size_t i = 0; i < Dlugosc; ++i) wzorzec[i] = static_cast<char>(i % OkresWzorca);
  return wzorzec;
}
