#pragma once

// The system's own text: what file names and the system's messages are written in. Windows
// keeps it in the ANSI code page (Windows-1250 on the systems the program is written for); a
// POSIX desktop in UTF-8. Each platform implements this in a source file of its own.

#include <string>
#include <string_view>

// Windows-1250 text as the system writes it, for a message that mixes the program's own words
// with the system's.
std::string NaTekstSystemowy(std::string_view Cp1250);
