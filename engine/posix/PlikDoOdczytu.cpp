#include "engine/PlikDoOdczytu.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

namespace {

int Deskryptor(std::intptr_t uchwyt) {
  return static_cast<int>(uchwyt);
}

// The system's words, in the user's language once the toolkit has set the locale, passed on as
// the system gives them.
std::string OpisSystemowy(int kod) {
  return std::strerror(kod);
}

std::string OpisNieregularnego(const struct stat& dane) {
  return S_ISDIR(dane.st_mode) ? OpisSystemowy(EISDIR) : "Not a regular file";
}

// O_NONBLOCK keeps a pipe that took a file's place from holding the open; the open file is
// then checked through its descriptor, which also gives the size.
constexpr int FlagiOtwarcia = O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY;

}  // namespace

TPlikDoOdczytu::TPlikDoOdczytu(std::string Sciezka) : sciezka_(std::move(Sciezka)) {
  // Anything but a regular file is refused before it is opened: opening a device can rewind a
  // tape or arm a watchdog, and opening a pipe can wait for a writer.
  struct stat dane {};
  if (::stat(sciezka_.c_str(), &dane) != 0) {
    opisBledu_ = OpisSystemowy(errno);
    return;
  }
  if (!S_ISREG(dane.st_mode)) {
    opisBledu_ = OpisNieregularnego(dane);
    return;
  }
  Przyjmij(::open(sciezka_.c_str(), FlagiOtwarcia));
}

TPlikDoOdczytu::TPlikDoOdczytu(TUchwytFolderu Folder, const std::string& Nazwa, bool ZaDowiazaniem,
                               std::string Sciezka)
    : sciezka_(std::move(Sciezka)) {
  const int flagi = FlagiOtwarcia | (ZaDowiazaniem ? 0 : O_NOFOLLOW);
  Przyjmij(::openat(Deskryptor(static_cast<std::intptr_t>(Folder)), Nazwa.c_str(), flagi));
}

void TPlikDoOdczytu::Przyjmij(std::intptr_t Wynik) {
  const int fd = Deskryptor(Wynik);
  if (fd < 0) {
    opisBledu_ = OpisSystemowy(errno);
    return;
  }
  struct stat dane {};
  if (::fstat(fd, &dane) != 0) {
    opisBledu_ = OpisSystemowy(errno);
    ::close(fd);
    return;
  }
  if (!S_ISREG(dane.st_mode)) {
    opisBledu_ = OpisNieregularnego(dane);
    ::close(fd);
    return;
  }
  uchwyt_ = fd;
  rozmiar_ = static_cast<std::int64_t>(dane.st_size);
}

TPlikDoOdczytu::~TPlikDoOdczytu() {
  if (Otwarty()) ::close(Deskryptor(uchwyt_));
}

std::int64_t TPlikDoOdczytu::CzytajZSystemu(std::int64_t Od, void* Bufor, std::size_t Ile) {
  for (;;) {
    const ssize_t n = ::pread(Deskryptor(uchwyt_), Bufor, Ile, static_cast<off_t>(Od));
    if (n >= 0) return n;
    if (errno != EINTR) return -1;
  }
}
