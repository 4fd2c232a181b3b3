#include "site/Serwer.h"

#include <httplib.h>

#include <chrono>
#include <cstdio>

#include "site/Dostep.h"
#include "site/Kodowanie.h"
#include "site/LimitZgloszen.h"
#include "site/Parametry.h"
#include "site/Strony.h"
#include "site/Triaz.h"
#include "site/Zasoby.h"
#include "site/Zgloszenie.h"

namespace {

// Every legitimate address is a few hundred bytes; a browser's headers fit well in these.
constexpr std::size_t NajdluzszyCel = 2048;
constexpr std::size_t NajwiecejNaglowkow = 64;
constexpr std::size_t NajwiecejBajtowNaglowkow = 16 * 1024;
constexpr std::size_t NajwiekszaTresc = 4096;

constexpr const char* Html = "text/html; charset=utf-8";

using httplib::Request;
using httplib::Response;
using httplib::Server;

std::string CzasUtc(std::chrono::system_clock::time_point Chwila) {
  using namespace std::chrono;
  const auto dzien = floor<days>(Chwila);
  const year_month_day data{dzien};
  const hh_mm_ss czas{floor<seconds>(Chwila - dzien)};
  char tekst[32];
  std::snprintf(tekst, sizeof tekst, "%04d-%02u-%02uT%02d:%02d:%02dZ",
                static_cast<int>(data.year()), static_cast<unsigned>(data.month()),
                static_cast<unsigned>(data.day()), static_cast<int>(czas.hours().count()),
                static_cast<int>(czas.minutes().count()), static_cast<int>(czas.seconds().count()));
  return tekst;
}

std::string_view PierwszaPara(std::string_view Zapytanie) {
  return Zapytanie.substr(0, Zapytanie.find('&'));
}

void Strona(Response& Odpowiedz, int Status, const std::string& Tresc) {
  Odpowiedz.status = Status;
  Odpowiedz.set_content(Tresc, Html);
}

std::size_t BajtyNaglowkow(const Request& Zapytanie) {
  std::size_t bajty = 0;
  for (const auto& [nazwa, wartosc] : Zapytanie.headers) bajty += nazwa.size() + wartosc.size();
  return bajty;
}

}  // namespace

struct TSerwer::TStan {
  TUstawienia Ustawienia;
  TDziennik Dziennik;
  TBaza Baza;
  TLimitZgloszen Limit;
  Server Serwer;
  int Port = -1;

  TStan(TUstawienia U, TDziennik D)
      : Ustawienia(std::move(U)),
        Dziennik(std::move(D)),
        Baza(Ustawienia.Baza),
        Limit(Ustawienia.ZgloszenNaMinute) {}

  // Behind the configured reverse proxy the sender is the last address the proxy added.
  std::string AdresKlienta(const Request& Z) const {
    if (Ustawienia.Posrednik.empty() || Z.remote_addr != Ustawienia.Posrednik ||
        !Z.has_header("X-Forwarded-For")) {
      return Z.remote_addr;
    }
    const std::string lista = Z.get_header_value("X-Forwarded-For");
    std::string ostatni = lista.substr(lista.rfind(',') + 1);
    ostatni.erase(0, ostatni.find_first_not_of(" \t"));
    ostatni.erase(ostatni.find_last_not_of(" \t") + 1);
    return ostatni.empty() ? Z.remote_addr : ostatni;
  }

  void Zapisz(const Request& Z, const Response& O) const {
    // The library leaves the address empty for a request line it could not read.
    const std::string adres = Z.remote_addr.empty() ? "-" : DoDziennika(AdresKlienta(Z));
    Dziennik(CzasUtc(std::chrono::system_clock::now()) + " " + adres + " \"" +
             DoDziennika(Z.method) + " " + DoDziennika(Z.target) + "\" " +
             std::to_string(O.status) + " " + std::to_string(O.body.size()));
  }

  Server::HandlerResponse SprawdzGranice(const Request& Z, Response& O) const {
    if (Z.target.size() > NajdluzszyCel) {
      Strona(O, 414, StronaBledu(414));
    } else if (Z.headers.size() > NajwiecejNaglowkow ||
               BajtyNaglowkow(Z) > NajwiecejBajtowNaglowkow) {
      Strona(O, 431, StronaBledu(431));
    } else if (Z.method != "GET" && Z.method != "HEAD") {
      O.set_header("Allow", "GET, HEAD");
      Strona(O, 405, StronaBledu(405));
    } else {
      return Server::HandlerResponse::Unhandled;
    }
    return Server::HandlerResponse::Handled;
  }

  void Wersja(const Request& Z, Response& O) const {
    O.set_header("Cache-Control", "no-store");
    O.set_content(std::string(OdpowiedzOWersje(CzescZapytania(Z.target), Ustawienia.Najnowsza)),
                  "text/plain");
  }

  void Korzen(const Request& Z, Response& O) {
    const std::string_view zapytanie = CzescZapytania(Z.target);
    const std::string_view para = PierwszaPara(zapytanie);
    if (!para.starts_with("s=")) {
      Strona(O, 200, StronaGlowna(Ustawienia));
    } else if (const std::string s = OdkodujProcenty(para.substr(2)); s == "rozszerzenia") {
      Strona(O, 200, StronaAktualizacji(Ustawienia));
    } else if (s == "rozpoznik_dodaj") {
      Zglos(Z, zapytanie, O);
    } else {
      Strona(O, 404, StronaBledu(404));
    }
  }

  void Zglos(const Request& Z, std::string_view Zapytanie, Response& O) {
    O.set_header("Cache-Control", "no-store");
    // A HEAD, as link checkers send, must not store anything.
    if (Z.method != "GET") {
      O.set_header("Allow", "GET");
      Strona(O, 405, StronaBledu(405));
      return;
    }
    if (!Limit.Przepusc(AdresNadawcy(AdresKlienta(Z)), std::chrono::steady_clock::now())) {
      O.set_header("Retry-After", "60");
      Strona(O, 429, StronaBledu(429));
      return;
    }
    auto wynik = CzytajZgloszenie(Zapytanie);
    if (const auto* blad = std::get_if<TBladZgloszenia>(&wynik)) {
      Strona(O, 400, StronaOdrzuconegoZgloszenia(blad->Powod));
      return;
    }
    try {
      Baza.Zapisz(std::get<TZgloszenie>(wynik), CzasUtc(std::chrono::system_clock::now()));
    } catch (const EBladBazy& b) {
      Dziennik(std::string("database: ") + b.what());
      Strona(O, 503,
             StronaOdrzuconegoZgloszenia(
                 "Nie udało się teraz zapisać zgłoszenia. Spróbuj ponownie za chwilę."));
      return;
    }
    Strona(O, 200, StronaPodziekowania());
  }

  // The triage answers nobody without the token and says nothing more than that.
  bool Dopuszczony(const Request& Z, Response& O) const {
    O.set_header("Cache-Control", "no-store");
    if (MaDostep(Z.get_header_value("Authorization"), Ustawienia.Token)) return true;
    O.set_header("WWW-Authenticate", "Basic realm=\"Rozpoznik\", charset=\"UTF-8\"");
    Strona(O, 401, StronaBledu(401));
    return false;
  }

  void Zgloszenia(const Request& Z, Response& O) {
    if (Dopuszczony(Z, O)) Strona(O, 200, StronaZgloszen(Pogrupuj(Baza.Wiersze())));
  }

  void ZgloszeniaCsv(const Request& Z, Response& O) {
    if (!Dopuszczony(Z, O)) return;
    O.set_header("Content-Disposition", "attachment; filename=\"zgloszenia.csv\"");
    O.set_content(GrupyJakoCsv(Pogrupuj(Baza.Wiersze())), "text/csv; charset=utf-8");
  }

  void Przygotuj() {
    const int watki = Ustawienia.Watki;
    Serwer.new_task_queue = [watki] {
      return new httplib::ThreadPool(static_cast<std::size_t>(watki));
    };
    // Headers and body leave in separate writes; with Nagle's algorithm the body would wait
    // for the client's delayed acknowledgement, some 40 ms per answer.
    Serwer.set_tcp_nodelay(true);
    Serwer.set_keep_alive_max_count(1000);
    Serwer.set_read_timeout(5);
    Serwer.set_write_timeout(5);
    Serwer.set_payload_max_length(NajwiekszaTresc);
    Serwer.set_default_headers({
        {"X-Content-Type-Options", "nosniff"},
        {"X-Frame-Options", "DENY"},
        {"Referrer-Policy", "no-referrer"},
        {"Content-Security-Policy",
         "default-src 'none'; img-src 'self'; style-src 'unsafe-inline'; base-uri 'none'; "
         "form-action 'none'; frame-ancestors 'none'"},
    });
    Serwer.set_pre_routing_handler(
        [this](const Request& Z, Response& O) { return SprawdzGranice(Z, O); });
    Serwer.Get("/aktual.php", [this](const Request& Z, Response& O) { Wersja(Z, O); });
    Serwer.Get("/", [this](const Request& Z, Response& O) { Korzen(Z, O); });
    Serwer.Get("/zrzut.png", [](const Request&, Response& O) {
      O.set_header("Cache-Control", "public, max-age=86400");
      const std::string_view zrzut = ZrzutOkna();
      O.set_content(zrzut.data(), zrzut.size(), "image/png");
    });
    Serwer.Get("/zgloszenia", [this](const Request& Z, Response& O) { Zgloszenia(Z, O); });
    Serwer.Get("/zgloszenia.csv", [this](const Request& Z, Response& O) { ZgloszeniaCsv(Z, O); });
    // The library's own answers (400, 404, 413, 414...) get a Polish page of the same status;
    // answers that already have one keep it.
    Serwer.set_error_handler(Server::HandlerWithResponse([](const Request&, Response& O) {
      if (!O.body.empty()) return Server::HandlerResponse::Unhandled;
      Strona(O, O.status, StronaBledu(O.status));
      return Server::HandlerResponse::Handled;
    }));
    Serwer.set_exception_handler([this](const Request&, Response& O, std::exception_ptr blad) {
      try {
        std::rethrow_exception(blad);
      } catch (const std::exception& b) {
        Dziennik(std::string("error: ") + b.what());
      } catch (...) {
        Dziennik("error: unknown exception");
      }
      Strona(O, 500, StronaBledu(500));
    });
    Serwer.set_logger([this](const Request& Z, const Response& O) { Zapisz(Z, O); });
  }
};

TSerwer::TSerwer(TUstawienia Ustawienia, TDziennik Dziennik)
    : stan_(std::make_unique<TStan>(std::move(Ustawienia), std::move(Dziennik))) {
  stan_->Przygotuj();
}

TSerwer::~TSerwer() = default;

int TSerwer::Zwiaz() {
  const TUstawienia& u = stan_->Ustawienia;
  if (u.Port == 0) {
    stan_->Port = stan_->Serwer.bind_to_any_port(u.Host);
  } else {
    stan_->Port = stan_->Serwer.bind_to_port(u.Host, u.Port) ? u.Port : -1;
  }
  return stan_->Port;
}

bool TSerwer::Obsluguj() {
  return stan_->Port > 0 && stan_->Serwer.listen_after_bind();
}

void TSerwer::Zatrzymaj() {
  stan_->Serwer.stop();
}

TBaza& TSerwer::Baza() {
  return stan_->Baza;
}
