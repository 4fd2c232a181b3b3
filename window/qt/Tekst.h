#pragma once

// Where the program's Windows-1250 text meets Qt's Unicode strings.

#include <QString>
#include <string>
#include <string_view>

QString NaQString(std::string_view Cp1250);

// What Windows-1250 cannot hold becomes "?".
std::string ZQString(const QString& Tekst);

// Text for a multi-line box: a carriage return, a line feed and the pair of them each start a
// new line, as in the catalogue's lists of programs.
QString TekstWierszami(std::string_view Cp1250);
