#include "update/PlikZnacznika.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <ctime>

#include "update/posix/StrukturaTm.h"

namespace {

int Deskryptor(std::intptr_t uchwyt) {
  return static_cast<int>(uchwyt);
}

}  // namespace

TPlikZnacznika::TPlikZnacznika(const std::string& Sciezka) {
  // A device is refused before it is opened: opening one can rewind a tape or arm a watchdog.
  struct stat dane {};
  if (::lstat(Sciezka.c_str(), &dane) != 0 || !S_ISREG(dane.st_mode)) return;
  // The path may have been swapped meanwhile: O_NOFOLLOW refuses a link, O_NONBLOCK keeps a pipe
  // from holding the open, and the open file is checked once more.
  const int fd = ::open(Sciezka.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return;
  if (::fstat(fd, &dane) != 0 || !S_ISREG(dane.st_mode)) {
    ::close(fd);
    return;
  }
  uchwyt_ = fd;
}

TPlikZnacznika::~TPlikZnacznika() {
  if (Istnieje()) ::close(Deskryptor(uchwyt_));
}

std::optional<TCzasLokalny> TPlikZnacznika::CzasZapisu() const {
  struct stat dane {};
  if (!Istnieje() || ::fstat(Deskryptor(uchwyt_), &dane) != 0) return std::nullopt;
  std::tm czas{};
  if (::localtime_r(&dane.st_mtim.tv_sec, &czas) == nullptr) return std::nullopt;
  return ZeStrukturyTm(czas);
}

bool TPlikZnacznika::UstawCzasZapisu(const TCzasLokalny& Czas) {
  struct stat dane {};
  if (!Istnieje() || ::fstat(Deskryptor(uchwyt_), &dane) != 0) return false;
  // The owner's write permission stands for Windows' read-only attribute, which holds for an
  // administrator too; the system itself lets only the owner (or root) set a time.
  if ((dane.st_mode & S_IWUSR) == 0) return false;
  std::tm czas = NaStruktureTm(Czas);
  const std::time_t sekundy = std::mktime(&czas);
  if (sekundy == -1) return false;
  const timespec czasy[2] = {{.tv_sec = 0, .tv_nsec = UTIME_OMIT},
                             {.tv_sec = sekundy, .tv_nsec = 0}};
  return ::futimens(Deskryptor(uchwyt_), czasy) == 0;
}
