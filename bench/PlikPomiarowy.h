#pragma once

// A file in the temporary folder that lives as long as the measurement needs it.

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

class TPlikPomiarowy {
 public:
  TPlikPomiarowy(std::string_view nazwa, std::string_view tresc)
      : sciezka_(std::filesystem::temp_directory_path() / nazwa) {
    std::ofstream(sciezka_, std::ios::binary).write(tresc.data(), std::ssize(tresc));
  }
  ~TPlikPomiarowy() {
    std::error_code bezZnaczenia;
    std::filesystem::remove(sciezka_, bezZnaczenia);
  }
  TPlikPomiarowy(const TPlikPomiarowy&) = delete;
  TPlikPomiarowy& operator=(const TPlikPomiarowy&) = delete;

  std::string Sciezka() const { return sciezka_.string(); }

 private:
  std::filesystem::path sciezka_;
};
