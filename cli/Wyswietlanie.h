#pragma once

// The one way a file name, or any text that may hold one, reaches a terminal. A name is bytes
// chosen by whoever made the file: left raw, it could clear the screen, set the window's title,
// forge an output line or turn the following text around.

#include <string>
#include <string_view>

// Appends the text with every byte that a terminal could take as a command shown as \xHH:
// C0 controls and DEL, C1 controls (U+0080 to U+009F, also as single raw bytes), the
// bidirectional overrides and isolates (U+202A to U+202E, U+2066 to U+2069), and every byte that
// is not part of well-formed UTF-8. Everything else, such as Polish letters, stays as it is.
void DopiszDoWyswietlenia(std::string& Wyjscie, std::string_view Tekst);

std::string DoWyswietlenia(std::string_view Tekst);

// A line of standard error about a path: "rozpoznik-cli: <path>: <why>". The reason goes
// through the escaping too, since an error's text may quote the path ("Cannot open file ...").
std::string KomunikatBledu(std::string_view Sciezka, std::string_view Opis);

// A line of standard error about the run itself.
std::string KomunikatBledu(std::string_view Opis);
