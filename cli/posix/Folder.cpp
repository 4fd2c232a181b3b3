#include "cli/Folder.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

constexpr int FlagiFolderu = O_RDONLY | O_DIRECTORY | O_CLOEXEC;

std::string OpisSystemowy(int kod) {
  return std::strerror(kod);
}

TRodzajWpisu RodzajZTrybu(mode_t tryb) {
  if (S_ISREG(tryb)) return TRodzajWpisu::Plik;
  if (S_ISDIR(tryb)) return TRodzajWpisu::Folder;
  if (S_ISLNK(tryb)) return TRodzajWpisu::Dowiazanie;
  return TRodzajWpisu::Nieregularny;
}

// The listing gives the type of most entries for free; only file systems that don't say cost a
// look.
TRodzajWpisu Rodzaj(int folder, const dirent& wpis) {
  switch (wpis.d_type) {
    case DT_REG:
      return TRodzajWpisu::Plik;
    case DT_DIR:
      return TRodzajWpisu::Folder;
    case DT_LNK:
      return TRodzajWpisu::Dowiazanie;
    case DT_UNKNOWN: {
      struct stat dane {};
      // An entry gone since the listing is handed on as a file: its opening says why it can't
      // be read.
      if (::fstatat(folder, wpis.d_name, &dane, AT_SYMLINK_NOFOLLOW) != 0) {
        return TRodzajWpisu::Plik;
      }
      return RodzajZTrybu(dane.st_mode);
    }
    default:
      return TRodzajWpisu::Nieregularny;
  }
}

}  // namespace

std::unique_ptr<TFolder> TFolder::Przyjmij(std::intptr_t Wynik, std::string& Blad) {
  const int fd = static_cast<int>(Wynik);
  if (fd < 0) {
    Blad = OpisSystemowy(errno);
    return nullptr;
  }
  struct stat dane {};
  if (::fstat(fd, &dane) != 0) {
    Blad = OpisSystemowy(errno);
    ::close(fd);
    return nullptr;
  }
  const TTozsamoscFolderu tozsamosc{static_cast<std::uint64_t>(dane.st_dev),
                                    static_cast<std::uint64_t>(dane.st_ino)};
  return std::unique_ptr<TFolder>(new TFolder(fd, tozsamosc));
}

std::unique_ptr<TFolder> TFolder::Otworz(const std::string& Sciezka, std::string& Blad) {
  return Przyjmij(::open(Sciezka.c_str(), FlagiFolderu), Blad);
}

TFolder::~TFolder() {
  ::close(static_cast<int>(uchwyt_));
}

std::unique_ptr<TFolder> TFolder::OtworzPodfolder(const std::string& Nazwa,
                                                  std::string& Blad) const {
  return Przyjmij(::openat(static_cast<int>(uchwyt_), Nazwa.c_str(), FlagiFolderu | O_NOFOLLOW),
                  Blad);
}

std::unique_ptr<TFolder> TFolder::OtworzNadrzedny(const TTozsamoscFolderu& Oczekiwana,
                                                  const std::string&, std::string& Blad) const {
  std::unique_ptr<TFolder> nadrzedny =
      Przyjmij(::openat(static_cast<int>(uchwyt_), "..", FlagiFolderu), Blad);
  if (nadrzedny && nadrzedny->Tozsamosc() != Oczekiwana) {
    Blad = "Moved during the walk; the rest of it is left out";
    return nullptr;
  }
  return nadrzedny;
}

bool TFolder::Wypisz(std::vector<TWpisFolderu>& Wpisy, std::string& Blad) const {
  // The listing gets a descriptor of its own: closing the listing closes it, and this folder's
  // stays open for the files inside.
  const int fd = ::openat(static_cast<int>(uchwyt_), ".", FlagiFolderu);
  DIR* const lista = fd < 0 ? nullptr : ::fdopendir(fd);
  if (lista == nullptr) {
    Blad = OpisSystemowy(errno);
    if (fd >= 0) ::close(fd);
    return false;
  }
  int blad = 0;
  for (;;) {
    // A look at an entry of unknown type may set errno; only readdir's own counts.
    errno = 0;
    const dirent* wpis = ::readdir(lista);
    if (wpis == nullptr) {
      blad = errno;
      break;
    }
    const char* n = wpis->d_name;
    if (n[0] == '.' && (n[1] == '\0' || (n[1] == '.' && n[2] == '\0'))) continue;
    Wpisy.push_back({n, Rodzaj(static_cast<int>(uchwyt_), *wpis)});
  }
  ::closedir(lista);
  if (blad != 0) {
    Blad = OpisSystemowy(blad);
    return false;
  }
  return true;
}

std::optional<std::string> TFolder::CelDowiazania(const std::string& Nazwa,
                                                  std::string& Blad) const {
  // A target may be as long as the system allows a path, or longer; the size the link reports
  // may change before it is read, so the buffer grows until the target fits.
  std::string cel(256, '\0');
  for (;;) {
    const ssize_t dlugosc =
        ::readlinkat(static_cast<int>(uchwyt_), Nazwa.c_str(), cel.data(), cel.size());
    if (dlugosc < 0) {
      Blad = OpisSystemowy(errno);
      return std::nullopt;
    }
    if (static_cast<std::size_t>(dlugosc) < cel.size()) {
      cel.resize(static_cast<std::size_t>(dlugosc));
      return cel;
    }
    cel.resize(cel.size() * 2);
  }
}

std::optional<TRodzajWpisu> RodzajSciezki(const std::string& Sciezka, std::string& Blad) {
  struct stat dane {};
  if (::stat(Sciezka.c_str(), &dane) != 0) {
    Blad = OpisSystemowy(errno);
    return std::nullopt;
  }
  if (S_ISREG(dane.st_mode)) return TRodzajWpisu::Plik;
  if (S_ISDIR(dane.st_mode)) return TRodzajWpisu::Folder;
  return TRodzajWpisu::Nieregularny;
}

void DopiszNazwe(std::string& Sciezka, const std::string& Nazwa) {
  if (!Sciezka.empty() && Sciezka.back() != '/') Sciezka += '/';
  Sciezka += Nazwa;
}

TUchwytFolderu FolderRoboczy() {
  return static_cast<TUchwytFolderu>(AT_FDCWD);
}
