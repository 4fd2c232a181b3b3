#pragma once

// Runs a program to its end and keeps what it wrote; each platform does this in a source file of
// its own.

#include <filesystem>
#include <string>
#include <vector>

struct TPrzebieg {
  std::string Wyjscie;  // standard output
  std::string Bledy;    // standard error
  int KodWyjscia = -1;  // -1 when the program did not end by itself
};

// `Folder` receives the two output files and is the program's working directory. Standard output
// goes to `PlikWyjscia` instead when one is given (and is then not kept).
TPrzebieg UruchomProgram(const std::string& Program, const std::vector<std::string>& Argumenty,
                         const std::filesystem::path& Folder, const std::string& PlikWyjscia = {});
