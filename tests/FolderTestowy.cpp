#include "tests/FolderTestowy.h"

#include <fstream>
#include <random>
#include <stdexcept>

namespace fs = std::filesystem;

namespace {

// Whatever the umask, a task run as the user "nobody" must reach every folder made here.
constexpr fs::perms OtwartyDlaWszystkich = fs::perms::owner_all | fs::perms::group_read |
                                           fs::perms::group_exec | fs::perms::others_read |
                                           fs::perms::others_exec;

}  // namespace

fs::path SciezkaZUtf8(std::string_view Utf8) {
  return fs::path(std::u8string(Utf8.begin(), Utf8.end()));
}

std::string Utf8(const fs::path& Sciezka) {
  const std::u8string tekst = Sciezka.u8string();
  return std::string(tekst.begin(), tekst.end());
}

TFolderTestowy::TFolderTestowy() {
  // A random name, made only if it is not there yet, keeps two builds that run the same test at
  // once apart.
  std::random_device zrodlo;
  const fs::path tymczasowy = fs::temp_directory_path();
  for (int proba = 0; proba < 100; ++proba) {
    const fs::path folder = tymczasowy / ("rozpoznik-" + std::to_string(zrodlo()));
    if (fs::create_directory(folder)) {
      folder_ = folder;
      fs::permissions(folder_, OtwartyDlaWszystkich);
      return;
    }
  }
  throw std::runtime_error("no fresh folder in " + Utf8(tymczasowy));
}

TFolderTestowy::~TFolderTestowy() {
  std::error_code bezZnaczenia;
  fs::remove_all(folder_, bezZnaczenia);
}

std::string TFolderTestowy::Sciezka(std::string_view nazwa) const {
  return Utf8(folder_ / SciezkaZUtf8(nazwa));
}

std::string TFolderTestowy::Zapisz(std::string_view nazwa, std::string_view bajty) const {
  fs::path folder = folder_;
  for (const fs::path& czesc : SciezkaZUtf8(nazwa).parent_path()) {
    folder /= czesc;
    if (fs::create_directory(folder)) fs::permissions(folder, OtwartyDlaWszystkich);
  }
  const fs::path sciezka = folder_ / SciezkaZUtf8(nazwa);
  std::ofstream plik(sciezka, std::ios::binary | std::ios::trunc);
  plik.write(bajty.data(), static_cast<std::streamsize>(bajty.size()));
  if (!plik.flush()) throw std::runtime_error("cannot write " + Utf8(sciezka));
  return Utf8(sciezka);
}
