#include "tests/SerwerHttp.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdio>

#include "tests/Gniazda.h"

namespace {

// A prime: no power-of-two read size lines up with it, so a lost or doubled piece shows.
constexpr std::size_t OkresWzorca = 251;

// How often waiting loops look whether the server is being stopped.
constexpr int KrokCzekaniaMs = 20;

std::string Szesnastkowo(std::size_t Liczba) {
  char tekst[32];
  std::snprintf(tekst, sizeof tekst, "%zx", Liczba);
  return tekst;
}

bool RowneBezWielkosciLiter(char a, char b) {
  return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
}

std::string WartoscNaglowka(const std::string& Zapytanie, const char* Nazwa) {
  const std::string szukany = std::string("\r\n") + Nazwa + ":";
  const auto znaleziony = std::search(Zapytanie.begin(), Zapytanie.end(), szukany.begin(),
                                      szukany.end(), RowneBezWielkosciLiter);
  if (znaleziony == Zapytanie.end()) return {};
  std::size_t poczatek = static_cast<std::size_t>(znaleziony - Zapytanie.begin()) + szukany.size();
  while (poczatek < Zapytanie.size() && Zapytanie[poczatek] == ' ') ++poczatek;
  return Zapytanie.substr(poczatek, Zapytanie.find("\r\n", poczatek) - poczatek);
}

}  // namespace

TSerwerHttp::TSerwerHttp(std::function<TOdpowiedzHttp(const std::string& Cel)> Scenariusz)
    : scenariusz_(std::move(Scenariusz)), nasluch_(GniazdoNaPetli()) {
  port_ = PortGniazda(nasluch_);
  try {
    Nasluchuj(nasluch_);
  } catch (...) {
    Zamknij(nasluch_);
    throw;
  }
  watek_ = std::thread(&TSerwerHttp::Pracuj, this);
}

TSerwerHttp::~TSerwerHttp() {
  koniec_ = true;
  watek_.join();
  Zamknij(nasluch_);
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
    if (!Gotowe(nasluch_, TCzekanieNa::Odczyt, KrokCzekaniaMs)) continue;
    const TGniazdo gniazdo = Przyjmij(nasluch_);
    if (gniazdo == BrakGniazda) continue;
    Obsluz(gniazdo);
    Zamknij(gniazdo);
  }
}

void TSerwerHttp::Obsluz(TGniazdo Gniazdo) {
  std::string zapytanie;
  while (zapytanie.find("\r\n\r\n") == std::string::npos) {
    if (koniec_) return;
    if (!Gotowe(Gniazdo, TCzekanieNa::Odczyt, KrokCzekaniaMs)) continue;
    char bufor[1024];
    const long n = Odbierz(Gniazdo, bufor, sizeof bufor);
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
      char bufor[256];
      if (Gotowe(Gniazdo, TCzekanieNa::Odczyt, KrokCzekaniaMs) &&
          Odbierz(Gniazdo, bufor, sizeof bufor) <= 0) {
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
  ZamknijZapis(Gniazdo);
}

bool TSerwerHttp::Wyslij(TGniazdo Gniazdo, const std::string& Dane) {
  std::size_t wyslane = 0;
  while (wyslane < Dane.size()) {
    if (koniec_) return false;
    if (!Gotowe(Gniazdo, TCzekanieNa::Zapis, KrokCzekaniaMs)) continue;
    const long n = ::Wyslij(Gniazdo, Dane.data() + wyslane, Dane.size() - wyslane);
    if (n <= 0) return false;
    wyslane += static_cast<std::size_t>(n);
  }
  return true;
}

std::uint16_t PortBezSerwera() {
  // Bound but not listening: the port stays ours, and the kernel refuses every connection.
  static const TGniazdo gniazdo = GniazdoNaPetli();
  return PortGniazda(gniazdo);
}

std::string WzorzecBezKonca(std::size_t Dlugosc) {
  std::string wzorzec(Dlugosc, '\0');
  for (std::size_t i = 0; i < Dlugosc; ++i) wzorzec[i] = static_cast<char>(i % OkresWzorca);
  return wzorzec;
}
