#include "site/Ustawienia.h"

#include <algorithm>
#include <charconv>
#include <set>
#include <sstream>
#include <tuple>

namespace {

bool Liczba(std::string_view Tekst, auto& Wartosc) {
  if (Tekst.empty() || !std::ranges::all_of(Tekst, [](char c) { return c >= '0' && c <= '9'; })) {
    return false;
  }
  const auto [koniec, blad] = std::from_chars(Tekst.data(), Tekst.data() + Tekst.size(), Wartosc);
  return blad == std::errc{} && koniec == Tekst.data() + Tekst.size();
}

}  // namespace

std::optional<TPobranie> CzytajPobranie(const std::string& Tekst) {
  std::istringstream slowa(Tekst);
  std::string rodzaj, adres, rozmiar, sha, nadmiar;
  if (!(slowa >> rodzaj >> adres >> rozmiar >> sha) || (slowa >> nadmiar)) return std::nullopt;
  TPobranie pobranie;
  if (rodzaj == "windows") {
    pobranie.Rodzaj = TRodzajPobrania::Instalator;
  } else if (rodzaj == "portable") {
    pobranie.Rodzaj = TRodzajPobrania::Przenosna;
  } else if (rodzaj == "linux") {
    pobranie.Rodzaj = TRodzajPobrania::PakietLinux;
  } else {
    return std::nullopt;
  }
  if (!adres.starts_with("http://") && !adres.starts_with("https://")) return std::nullopt;
  if (!Liczba(rozmiar, pobranie.Rozmiar)) return std::nullopt;
  std::ranges::transform(sha, sha.begin(), [](char c) {
    return c >= 'A' && c <= 'F' ? static_cast<char>(c - 'A' + 'a') : c;
  });
  if (sha.size() != 64 || !std::ranges::all_of(sha, [](char c) {
        return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
      })) {
    return std::nullopt;
  }
  pobranie.Adres = adres;
  pobranie.Sha256 = sha;
  return pobranie;
}

std::optional<std::pair<std::string, int>> CzytajNasluch(const std::string& Tekst) {
  const std::size_t dwukropek = Tekst.rfind(':');
  if (dwukropek == std::string::npos) return std::nullopt;
  std::string host = Tekst.substr(0, dwukropek);
  if (host.size() >= 2 && host.front() == '[' && host.back() == ']') {
    host = host.substr(1, host.size() - 2);
  }
  int port = 0;
  if (host.empty() || !Liczba(std::string_view(Tekst).substr(dwukropek + 1), port) ||
      port > 65535) {
    return std::nullopt;
  }
  return std::pair{host, port};
}

std::optional<std::string> PrzyjmijOpcje(const TOpcjeTekstowe& Opcje, TUstawienia& Ustawienia) {
  const auto adres = CzytajNasluch(Opcje.Nasluch);
  if (!adres) return "--listen wants HOST:PORT, not \"" + Opcje.Nasluch + "\"";
  std::tie(Ustawienia.Host, Ustawienia.Port) = *adres;
  const auto wersja = CzytajWersje(Opcje.Najnowsza);
  if (!wersja) return "--latest wants X.Y, not \"" + Opcje.Najnowsza + "\"";
  Ustawienia.Najnowsza = *wersja;
  if (!Ustawienia.Token.empty() && Ustawienia.Token.size() < NajkrotszyToken) {
    return "the token must have at least 16 characters";
  }
  std::set<TRodzajPobrania> rodzaje;
  Ustawienia.Pobrania.clear();
  for (const std::string& p : Opcje.Pobrania) {
    const auto pobranie = CzytajPobranie(p);
    if (!pobranie) {
      return "--download wants \"windows|portable|linux URL SIZE SHA256\", not \"" + p + "\"";
    }
    if (!rodzaje.insert(pobranie->Rodzaj).second) {
      return "--download names a kind twice: \"" + p + "\"";
    }
    Ustawienia.Pobrania.push_back(*pobranie);
  }
  std::ranges::sort(Ustawienia.Pobrania, {}, &TPobranie::Rodzaj);
  return std::nullopt;
}

const char* NazwaPobrania(TRodzajPobrania Rodzaj) {
  switch (Rodzaj) {
    case TRodzajPobrania::Instalator:
      return "Instalator dla Windows";
    case TRodzajPobrania::Przenosna:
      return "Wersja przenośna (archiwum ZIP)";
    case TRodzajPobrania::PakietLinux:
      return "Pakiet dla Linuksa";
  }
  return "";
}
