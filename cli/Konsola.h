#pragma once

// The command line and the two output streams as each system has them; the program itself
// speaks UTF-8 with both.

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

// The arguments as UTF-8, the program's name first; standard output and error are made ready
// for UTF-8 bytes.
std::vector<std::string> ArgumentyProgramu(int argc, char** argv);

// Writes UTF-8 text to standard output or standard error, as letters on a console and as bytes
// anywhere else. False when not all of it could be written.
bool Wypisz(std::FILE* Strumien, std::string_view Tekst);
