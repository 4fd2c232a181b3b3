// rozpoznik-site: the maker's web site for Rozpoznik.

#include <CLI/CLI.hpp>
#include <cstdio>
#include <iostream>

#include "site/Serwer.h"
#include "site/Sygnaly.h"
#include "site/Ustawienia.h"

namespace {

// Each line in one write, so that lines of different threads never interleave.
void DoDziennika(const std::string& Wiersz) {
  const std::string linia = Wiersz + '\n';
  std::fwrite(linia.data(), 1, linia.size(), stderr);
}

int Blad(const std::string& Opis) {
  std::cerr << "rozpoznik-site: " << Opis << '\n';
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{
      "The maker's web site for Rozpoznik: the version answer, the update page, the intake of "
      "reports of unrecognised files and their triage. Options may also be given in the file of "
      "--config, one \"name = value\" per line (repeat a name for several values).",
      "rozpoznik-site"};
  TOpcjeTekstowe opcje;
  opcje.Najnowsza = ROZPOZNIK_WERSJA;
  TUstawienia u;
  app.set_config("--config", "", "Read options from this file");
  app.add_option("--listen", opcje.Nasluch,
                 "HOST:PORT to listen on; keep it on loopback behind a proxy")
      ->capture_default_str();
  app.add_option("--database", u.Baza, "The SQLite file of the reports")->capture_default_str();
  app.add_option("--latest", opcje.Najnowsza,
                 "The latest version, X.Y; older programs are told to update")
      ->capture_default_str();
  app.add_option("--news", u.Nowosci, "One item of what is new in the latest version (Polish)");
  app.add_option("--download", opcje.Pobrania,
                 "\"windows|portable|linux URL SIZE SHA256\": a download on the update page");
  app.add_option("--token", u.Token,
                 "The maker's access token for /zgloszenia, at least 16 characters; without it "
                 "the triage stays closed")
      ->envname("ROZPOZNIK_SITE_TOKEN");
  app.add_option("--reports-per-minute", u.ZgloszenNaMinute,
                 "Reports one address may send a minute; 0 for no limit")
      ->capture_default_str()
      ->check(CLI::NonNegativeNumber);
  app.add_option("--proxy", u.Posrednik,
                 "Address of the reverse proxy whose X-Forwarded-For names the sender");
  app.add_option("--threads", u.Watki, "Worker threads")
      ->capture_default_str()
      ->check(CLI::Range(1, 1024));
  CLI11_PARSE(app, argc, argv);

  if (const auto blad = PrzyjmijOpcje(opcje, u)) return Blad(*blad);

  try {
    TSerwer serwer(u, DoDziennika);
    const int port = serwer.Zwiaz();
    if (port < 0) {
      std::cerr << "rozpoznik-site: cannot listen on " << opcje.Nasluch << '\n';
      return 1;
    }
    // The port the system chose, for a --listen with port 0.
    DoDziennika("listening on " + u.Host + ":" + std::to_string(port) + ", latest version " +
                opcje.Najnowsza + ", database " + serwer.Baza().Trwalosc());
    const TStraznikSygnalow straznik([&] { serwer.Zatrzymaj(); });
    return serwer.Obsluguj() ? 0 : 1;
  } catch (const EBladBazy& b) {
    std::cerr << "rozpoznik-site: " << b.what() << '\n';
    return 1;
  }
}
