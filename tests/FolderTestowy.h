#pragma once

// A fresh folder for one test, removed with everything in it when the test ends. Every test that
// needs files on disk makes them here. Names and paths are UTF-8, as the program takes them on
// every system.

#include <filesystem>
#include <string>
#include <string_view>

class TFolderTestowy {
 public:
  // Open to everyone, so that a task run as the user "nobody" reaches what is made inside.
  TFolderTestowy();
  ~TFolderTestowy();
  TFolderTestowy(const TFolderTestowy&) = delete;
  TFolderTestowy& operator=(const TFolderTestowy&) = delete;

  const std::filesystem::path& Sciezka() const { return folder_; }
  // The path of `nazwa` inside the folder; nothing is made.
  std::string Sciezka(std::string_view nazwa) const;
  // Writes the bytes into a new file of that name, making the folders on the way, and gives its
  // path.
  std::string Zapisz(std::string_view nazwa, std::string_view bajty) const;

 private:
  std::filesystem::path folder_;
};

// A path from UTF-8 text and back (on Linux the bytes unchanged): the standard library would
// read a narrow string in the Windows code page.
std::filesystem::path SciezkaZUtf8(std::string_view Utf8);
std::string Utf8(const std::filesystem::path& Sciezka);
