#include "PlikiTestowe.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "update/posix/StrukturaTm.h"

namespace {

struct stat Stan(const std::string& Sciezka) {
  struct stat dane {};
  if (::stat(Sciezka.c_str(), &dane) != 0) throw std::runtime_error("stat " + Sciezka);
  return dane;
}

void UstawCzasy(const std::string& Sciezka, const timespec& Dostep, const timespec& Zapis) {
  const timespec czasy[2] = {Dostep, Zapis};
  if (::utimensat(AT_FDCWD, Sciezka.c_str(), czasy, 0) != 0) {
    throw std::runtime_error("utimensat " + Sciezka);
  }
}

constexpr timespec BezZmiany{.tv_sec = 0, .tv_nsec = UTIME_OMIT};

}  // namespace

void ZapiszPlik(const std::string& Sciezka, const std::string& Tresc) {
  std::ofstream(Sciezka, std::ios::binary) << Tresc;
}

std::string CzytajPlik(const std::string& Sciezka) {
  std::ostringstream tresc;
  tresc << std::ifstream(Sciezka, std::ios::binary).rdbuf();
  return tresc.str();
}

std::time_t SekundyLokalne(const TCzasLokalny& Czas) {
  std::tm czas = NaStruktureTm(Czas);
  return std::mktime(&czas);
}

void UstawCzasZapisu(const std::string& Sciezka, const TCzasLokalny& Czas) {
  UstawCzasy(Sciezka, BezZmiany, {.tv_sec = SekundyLokalne(Czas), .tv_nsec = 0});
}

TCzasLokalny CzasZapisu(const std::string& Sciezka) {
  const std::time_t sekundy = Stan(Sciezka).st_mtim.tv_sec;
  std::tm czas{};
  localtime_r(&sekundy, &czas);
  return {czas.tm_year + 1900, czas.tm_mon + 1, czas.tm_mday,
          czas.tm_hour,        czas.tm_min,     czas.tm_sec};
}

void UstawCzasDostepu(const std::string& Sciezka, long long Sekundy) {
  UstawCzasy(Sciezka, {.tv_sec = static_cast<std::time_t>(Sekundy), .tv_nsec = 0}, BezZmiany);
}

long long CzasDostepu(const std::string& Sciezka) {
  return Stan(Sciezka).st_atim.tv_sec;
}

void PrintTo(const TCzasLokalny& Czas, std::ostream* Strumien) {
  char tekst[64];
  std::snprintf(tekst, sizeof tekst, "%04d-%02d-%02d %02d:%02d:%02d", Czas.Rok, Czas.Miesiac,
                Czas.Dzien, Czas.Godzina, Czas.Minuta, Czas.Sekunda);
  *Strumien << tekst;
}
