#pragma once

// The program's command line as Windows keeps it, in UTF-16: the ANSI one would turn every
// letter outside the system's code page into "?", and such a file could not be found.

#include <string>
#include <vector>

// Split by the rules of CommandLineToArgvW, the program's own name first, each argument in
// UTF-8 as the window takes paths.
std::vector<std::string> ArgumentyProgramu();
