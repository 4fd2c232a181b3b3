#include "cli/Konsola.h"

// Terminals take UTF-8 bytes, and the arguments are the bytes the shell passed.
std::vector<std::string> ArgumentyProgramu(int argc, char** argv) {
  return {argv, argv + argc};
}

bool Wypisz(std::FILE* Strumien, std::string_view Tekst) {
  return std::fwrite(Tekst.data(), 1, Tekst.size(), Strumien) == Tekst.size();
}
