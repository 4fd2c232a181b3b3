#pragma once

// Real files for the tests of the key and of the text-content test.

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

// A fresh folder for one test, removed with all it holds when the test ends.
class TFolderTestowy {
 public:
  TFolderTestowy();
  ~TFolderTestowy();
  TFolderTestowy(const TFolderTestowy&) = delete;
  TFolderTestowy& operator=(const TFolderTestowy&) = delete;

  std::string Sciezka(std::string_view nazwa) const;
  // Writes the bytes into a new file of that name and gives its path.
  std::string Zapisz(std::string_view nazwa, std::string_view bajty) const;

 private:
  std::filesystem::path folder_;
};

std::size_t LiczbaOtwartychDeskryptorow();
