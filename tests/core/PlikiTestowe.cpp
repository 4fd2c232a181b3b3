#include "tests/core/PlikiTestowe.h"

#include <unistd.h>

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

namespace fs = std::filesystem;

TFolderTestowy::TFolderTestowy() {
  std::string wzor = (fs::temp_directory_path() / "rozpoznik-XXXXXX").string();
  if (::mkdtemp(wzor.data()) == nullptr) throw std::runtime_error("mkdtemp: " + wzor);
  folder_ = wzor;
  // Open to everyone, so that a test run as the user "nobody" reaches the files inside.
  fs::permissions(folder_, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                               fs::perms::others_read | fs::perms::others_exec);
}

TFolderTestowy::~TFolderTestowy() {
  std::error_code blad;
  fs::remove_all(folder_, blad);
}

std::string TFolderTestowy::Sciezka(std::string_view nazwa) const {
  return (folder_ / fs::path(std::string(nazwa))).string();
}

std::string TFolderTestowy::Zapisz(std::string_view nazwa, std::string_view bajty) const {
  const std::string sciezka = Sciezka(nazwa);
  std::ofstream plik(sciezka, std::ios::binary | std::ios::trunc);
  plik.write(bajty.data(), static_cast<std::streamsize>(bajty.size()));
  if (!plik.flush()) throw std::runtime_error("cannot write " + sciezka);
  return sciezka;
}

std::size_t LiczbaOtwartychDeskryptorow() {
  return static_cast<std::size_t>(std::distance(fs::directory_iterator("/proc/self/fd"), {}));
}
