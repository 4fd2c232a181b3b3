// The floor for identifying a folder of files: list it, then for each file in sorted order open
// it, ask its size, read its first 80 bytes and close it, and nothing else. rozpoznik-cli does the
// same system calls per file and more work in between; comparing the two in one run shows what
// that work costs.
//   rozpoznik-podloga FOLDER

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: rozpoznik-podloga FOLDER\n");
    return 2;
  }
  const int folder = ::open(argv[1], O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  DIR* const lista = folder < 0 ? nullptr : ::fdopendir(::dup(folder));
  if (lista == nullptr) {
    std::perror(argv[1]);
    return 2;
  }
  std::vector<std::string> nazwy;
  while (const dirent* wpis = ::readdir(lista)) {
    if (wpis->d_type == DT_REG) nazwy.emplace_back(wpis->d_name);
  }
  ::closedir(lista);
  std::ranges::sort(nazwy);

  // Summed, so that the reads can't be optimised away.
  std::uint64_t suma = 0;
  std::array<unsigned char, 80> poczatek;
  for (const std::string& nazwa : nazwy) {
    const int fd = ::openat(folder, nazwa.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) continue;
    struct stat dane {};
    if (::fstat(fd, &dane) == 0 && S_ISREG(dane.st_mode)) {
      const ssize_t n = ::pread(fd, poczatek.data(), poczatek.size(), 0);
      for (ssize_t i = 0; i < n; ++i) suma += poczatek[static_cast<std::size_t>(i)];
    }
    ::close(fd);
  }
  ::close(folder);
  std::printf("%zu files, byte sum %llu\n", nazwy.size(), static_cast<unsigned long long>(suma));
  return 0;
}
