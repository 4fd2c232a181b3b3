#pragma once

// The system's own text: what file names and the system's messages are written in. A POSIX
// desktop writes UTF-8; Windows writes UTF-16, which the program holds as UTF-8 and converts
// where it calls Windows (text/windows/Utf16.h). Each platform implements this in a source file
// of its own.

#include <string>
#include <string_view>

// Windows-1250 text as the system writes it, for a message that mixes the program's own words
// with the system's.
std::string NaTekstSystemowy(std::string_view Cp1250);
