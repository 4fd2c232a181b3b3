#include "engine/PlikDoOdczytu.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "catalogue/Cp1250.h"

namespace {

int Deskryptor(std::intptr_t uchwyt) {
  return static_cast<int>(uchwyt);
}

// The system's words, in the user's language once the toolkit has set the locale; the locale's
// text is UTF-8 here, ours is Windows-1250.
std::string OpisSystemowy(int kod) {
  return cp1250::ZUtf8(std::strerror(kod));
}

}  // namespace

TPlikDoOdczytu::TPlikDoOdczytu(const std::string& Sciezka) {
  // O_NONBLOCK keeps the open of a pipe without a writer from waiting; regular files ignore it.
  const int fd = ::open(Sciezka.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
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
    opisBledu_ = S_ISDIR(dane.st_mode) ? OpisSystemowy(EISDIR) : "Not a regular file";
    ::close(fd);
    return;
  }
  uchwyt_ = fd;
}

TPlikDoOdczytu::~TPlikDoOdczytu() {
  if (Otwarty()) ::close(Deskryptor(uchwyt_));
}

std::int64_t TPlikDoOdczytu::Czytaj(void* Bufor, std::size_t Ile) {
  for (;;) {
    const ssize_t n = ::read(Deskryptor(uchwyt_), Bufor, Ile);
    if (n >= 0) return n;
    if (errno != EINTR) return -1;
  }
}

std::optional<std::int64_t> TPlikDoOdczytu::Rozmiar() const {
  struct stat dane {};
  if (::fstat(Deskryptor(uchwyt_), &dane) != 0) return std::nullopt;
  return static_cast<std::int64_t>(dane.st_size);
}
