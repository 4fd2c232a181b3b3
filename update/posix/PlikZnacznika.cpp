#include "update/CzasZapisuPliku.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <ctime>

#include "update/posix/StrukturaTm.h"

std::optional<TCzasLokalny> CzasZapisuPliku(const std::string& Sciezka) {
  struct stat dane {};
  if (::stat(Sciezka.c_str(), &dane) != 0 || S_ISDIR(dane.st_mode)) return std::nullopt;
  std::tm czas{};
  if (::localtime_r(&dane.st_mtim.tv_sec, &czas) == nullptr) return std::nullopt;
  return ZeStrukturyTm(czas);
}

bool UstawCzasZapisuPliku(const std::string& Sciezka, const TCzasLokalny& Czas) {
  std::tm czas = NaStruktureTm(Czas);
  const std::time_t sekundy = std::mktime(&czas);
  if (sekundy == -1) return false;

  // Opening for writing, without O_CREAT, is what leaves a read-only or vanished marker alone
  // (a plain utimensat would re-date a read-only file of ours too). O_NONBLOCK: a FIFO put in
  // the marker's place must not hold up the start.
  const int fd = ::open(Sciezka.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat dane {};
  bool ustawiony = false;
  if (::fstat(fd, &dane) == 0 && S_ISREG(dane.st_mode)) {
    const timespec czasy[2] = {{.tv_sec = 0, .tv_nsec = UTIME_OMIT},
                               {.tv_sec = sekundy, .tv_nsec = 0}};
    ustawiony = ::futimens(fd, czasy) == 0;
  }
  ::close(fd);
  return ustawiony;
}
