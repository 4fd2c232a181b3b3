#pragma once

// What the site ships inside its program, so that nothing is ever read from the file system.

#include <string_view>

// A PNG screenshot of the program's window, for the home page.
std::string_view ZrzutOkna();
