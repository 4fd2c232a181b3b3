#include "update/SciezkaProgramu.h"

#include <filesystem>
#include <system_error>

TSciezkaProgramu SciezkaProgramu() {
  // The kernel's link resolves every symbolic link on the way, so a program started through
  // bin/rozpoznik still finds the folder it was installed into.
  std::error_code blad;
  const std::string sciezka = std::filesystem::read_symlink("/proc/self/exe", blad).native();
  const auto separator = sciezka.rfind('/');
  if (blad || separator == std::string::npos) return {};
  return {.Katalog = sciezka.substr(0, separator + 1), .NazwaPliku = sciezka.substr(separator + 1)};
}
