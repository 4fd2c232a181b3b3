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
    const std::filesystem::path plik = sciezka_ / nazwa;
    std::filesystem::create_directories(plik.parent_path());
    std::ofstream(plik, std::ios::binary).write(tresc.data(), std::ssize(tresc));
    return plik.string();
  }

 private:
  std::filesystem::path sciezka_;
};
