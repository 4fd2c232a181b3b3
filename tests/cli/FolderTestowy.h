#pragma once

// A fresh folder for one test, with everything in it removed afterwards.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>

class TFolderTestowy {
 public:
  TFolderTestowy() {
    const auto* test = testing::UnitTest::GetInstance()->current_test_info();
    // The random part keeps two builds that run the same test at once apart.
    sciezka_ = std::filesystem::path(testing::TempDir()) /
               (std::string("rozpoznik-cli-") + test->test_suite_name() + "-" + test->name() + "-" +
                std::to_string(std::random_device()()));
    std::filesystem::remove_all(sciezka_);
    std::filesystem::create_directories(sciezka_);
    std::filesystem::permissions(sciezka_, OtwartyDlaWszystkich);
  }
  ~TFolderTestowy() {
    std::error_code bezZnaczenia;
    std::filesystem::remove_all(sciezka_, bezZnaczenia);
  }
  TFolderTestowy(const TFolderTestowy&) = delete;
  TFolderTestowy& operator=(const TFolderTestowy&) = delete;

  const std::filesystem::path& Sciezka() const { return sciezka_; }

  // Writes the file (creating the folders on the way) and returns its full path.
  std::string Zapisz(std::string_view nazwa, std::string_view tresc) const {
    std::filesystem::path folder = sciezka_;
    for (const std::filesystem::path& czesc : std::filesystem::path(nazwa).parent_path()) {
      folder /= czesc;
      if (std::filesystem::create_directory(folder)) {
        std::filesystem::permissions(folder, OtwartyDlaWszystkich);
      }
    }
    const std::filesystem::path plik = sciezka_ / nazwa;
    std::ofstream(plik, std::ios::binary).write(tresc.data(), std::ssize(tresc));
    return plik.string();
  }

 private:
  // Whatever the umask, a test run as the user "nobody" must reach every folder made here.
  static constexpr std::filesystem::perms OtwartyDlaWszystkich =
      std::filesystem::perms::owner_all | std::filesystem::perms::group_read |
      std::filesystem::perms::group_exec | std::filesystem::perms::others_read |
      std::filesystem::perms::others_exec;

  std::filesystem::path sciezka_;
};
