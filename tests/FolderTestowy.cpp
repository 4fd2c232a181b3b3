#include "tests/FolderTestowy.h"

#include <stdlib.h>

#include <fstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace {

// Whatever the umask, a task run as the user "nobody" must reach every folder made here.
constexpr fs::perms OtwartyDlaWszystkich = fs::perms::owner_all | fs::perms::group_read |
                                           fs::perms::group_exec | fs::perms::others_read |
                                           fs::perms::others_exec;

}  // namespace

TFolderTestowy::TFolderTestowy() {
  // mkdtemp's random name keeps two builds that run the same test at once apart.
  std::string wzor = (fs::temp_directory_path() / "rozpoznik-XXXXXX").string();
  if (::mkdtemp(wzor.data()) == nullptr) throw std::runtime_error("mkdtemp: " + wzor);
  folder_ = wzor;
  fs::permissions(folder_, OtwartyDlaWszystkich);
}

TFolderTestowy::~TFolderTestowy() {
  std::error_code bezZnaczenia;
  fs::remove_all(folder_, bezZnaczenia);
}

std::string TFolderTestowy::Sciezka(std::string_view nazwa) const {
  return (folder_ / fs::path(std::string(nazwa))).string();
}

std::string TFolderTestowy::Zapisz(std::string_view nazwa, std::string_view bajty) const {
  fs::path folder = folder_;
  for (const fs::path& czesc : fs::path(std::string(nazwa)).parent_path()) {
    folder /= czesc;
    if (fs::create_directory(folder)) fs::permissions(folder, OtwartyDlaWszystkich);
  }
  const std::string sciezka = Sciezka(nazwa);
  std::ofstream plik(sciezka, std::ios::binary | std::ios::trunc);
  plik.write(bajty.data(), static_cast<std::streamsize>(bajty.size()));
  if (!plik.flush()) throw std::runtime_error("cannot write " + sciezka);
  return sciezka;
}
