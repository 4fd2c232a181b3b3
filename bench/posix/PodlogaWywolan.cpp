// The floor for identifying folders of files: list each, then for each file in sorted order open
// it, ask its size, read its first 80 bytes and close it, and nothing else. rozpoznik-cli does the
// same system calls per file and more work in between; comparing the two in one run shows what
// that work costs. With -j N the sorted files are shared out among N threads in runs of 32, as
// rozpoznik-cli -j N hands them out, so that its figure with threads has a fair denominator.
//   rozpoznik-podloga [-j N] FOLDER...

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <thread>
#include <utility>
#include <vector>

namespace {

constexpr std::size_t PlikowWPaczce = 32;

// Summed, so that the reads can't be optimised away.
std::uint64_t Czytaj(int folder, const std::string& nazwa) {
  std::uint64_t suma = 0;
  std::array<unsigned char, 80> poczatek;
  const int fd = ::openat(folder, nazwa.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  if (fd < 0) return 0;
  struct stat dane {};
  if (::fstat(fd, &dane) == 0 && S_ISREG(dane.st_mode)) {
    const ssize_t n = ::pread(fd, poczatek.data(), poczatek.size(), 0);
    for (ssize_t i = 0; i < n; ++i) suma += poczatek[static_cast<std::size_t>(i)];
  }
  ::close(fd);
  return suma;
}

}  // namespace

int main(int argc, char** argv) {
  unsigned watki = 1;
  if (argc >= 3 && std::string_view(argv[1]) == "-j") {
    watki = static_cast<unsigned>(std::max(1L, std::strtol(argv[2], nullptr, 10)));
    argv += 2;
    argc -= 2;
  }
  if (argc < 2) {
    std::fprintf(stderr, "usage: rozpoznik-podloga [-j N] FOLDER...\n");
    return 2;
  }
  std::vector<int> foldery;
  std::vector<std::pair<int, std::string>> pliki;  // the folder's descriptor, the file's name
  for (int a = 1; a < argc; ++a) {
    const int folder = ::open(argv[a], O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR* const lista = folder < 0 ? nullptr : ::fdopendir(::dup(folder));
    if (lista == nullptr) {
      std::perror(argv[a]);
      return 2;
    }
    const std::size_t od = pliki.size();
    while (const dirent* wpis = ::readdir(lista)) {
      if (wpis->d_type == DT_REG) pliki.emplace_back(folder, wpis->d_name);
    }
    ::closedir(lista);
    std::sort(pliki.begin() + static_cast<std::ptrdiff_t>(od), pliki.end());
    foldery.push_back(folder);
  }

  std::atomic<std::size_t> nastepna{0};
  std::atomic<std::uint64_t> suma{0};
  const auto pracuj = [&] {
    std::uint64_t moja = 0;
    for (;;) {
      const std::size_t od = nastepna.fetch_add(PlikowWPaczce);
      if (od >= pliki.size()) break;
      const std::size_t doN = std::min(pliki.size(), od + PlikowWPaczce);
      for (std::size_t i = od; i < doN; ++i) moja += Czytaj(pliki[i].first, pliki[i].second);
    }
    suma += moja;
  };
  std::vector<std::thread> pozostale;
  for (unsigned i = 1; i < watki; ++i) pozostale.emplace_back(pracuj);
  pracuj();
  for (std::thread& w : pozostale) w.join();
  for (const int folder : foldery) ::close(folder);
  std::printf("%zu files, byte sum %llu\n", pliki.size(),
              static_cast<unsigned long long>(suma.load()));
  return 0;
}
