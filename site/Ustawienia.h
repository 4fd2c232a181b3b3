#pragma once

// What a maker sets for the site, on the command line or in its configuration file.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "site/Wersja.h"

enum class TRodzajPobrania { Instalator, Przenosna, PakietLinux };

struct TPobranie {
  TRodzajPobrania Rodzaj = TRodzajPobrania::Instalator;
  std::string Adres;  // http:// or https://
  std::uint64_t Rozmiar = 0;
  std::string Sha256;  // 64 lower-case hex digits
};

struct TUstawienia {
  std::string Host = "127.0.0.1";
  int Port = 8080;
  std::string Baza = "rozpoznik-site.db";
  TWersja Najnowsza;
  std::vector<std::string> Nowosci;  // what is new in the latest version, one item each (UTF-8)
  std::vector<TPobranie> Pobrania;   // in the order of TRodzajPobrania
  std::string Token;                 // empty: the triage pages stay closed to everybody
  int ZgloszenNaMinute = 30;         // per address; 0 turns the limit off
  // The reverse proxy in front of the site: only from this address is X-Forwarded-For believed.
  std::string Posrednik;
  int Watki = 16;
};

inline constexpr std::size_t NajkrotszyToken = 16;

// "windows|portable|linux URL SIZE SHA256", as the configuration gives a download; nothing
// when malformed.
std::optional<TPobranie> CzytajPobranie(const std::string& Tekst);

// "HOST:PORT" (IPv6 hosts in brackets); nothing when malformed.
std::optional<std::pair<std::string, int>> CzytajNasluch(const std::string& Tekst);

// The options that come as text, on the command line or in the configuration file, before they
// are checked.
struct TOpcjeTekstowe {
  std::string Nasluch = "127.0.0.1:8080";
  std::string Najnowsza;
  std::vector<std::string> Pobrania;
};

// Checks those options and the token's length, and puts the options into `Ustawienia`, the
// downloads in the order of TRodzajPobrania. On a malformed one, the maker's message naming it,
// and `Ustawienia` may be half filled.
std::optional<std::string> PrzyjmijOpcje(const TOpcjeTekstowe& Opcje, TUstawienia& Ustawienia);

// A Polish name of the download for the pages.
const char* NazwaPobrania(TRodzajPobrania Rodzaj);
