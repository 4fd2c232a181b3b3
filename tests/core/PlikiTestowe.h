#pragma once

// Real files and processes for the tests of the key and of the text-content test.

#include <chrono>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
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

// Runs the task in a child process, so that a task that hangs can be stopped. Gives what the
// task returned, or nothing when it had not finished within the limit.
std::optional<std::string> WProcesieZLimitem(const std::function<std::string()>& zadanie,
                                             std::chrono::seconds limit);

// Runs the task without the right to read files of mode 000. Root may read them anyway, so
// under root the task runs in a child process that has become the user "nobody". Gives nothing
// when that change of user is refused.
std::optional<std::string> BezPrawaOdczytu(const std::function<std::string()>& zadanie);
