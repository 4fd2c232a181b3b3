#pragma once

// How an identified file is written out: as text for people, as one JSON line or as CSV rows
// for programs. Each appends to a buffer that the caller writes out in large pieces.

#include <string>
#include <string_view>

#include "cli/Rozpoznanie.h"
#include "cli/TekstyWiersza.h"

// The path on its own line, followed by the word "[mismatch]" when its extension is not among
// its candidates', then for each candidate its type, category and programs, and with `Wyjasnij`
// what it matched; or one line saying that the file was not recognised, with its first 10 bytes,
// extension and size.
void DopiszOpis(std::string& Wyjscie, std::string_view Sciezka, const TRozpoznanie& Wynik,
                bool Wyjasnij = false);
// The same, with the rows' words taken from the writing thread's memo, for a walk over many files.
void DopiszOpis(std::string& Wyjscie, std::string_view Sciezka, const TRozpoznanie& Wynik,
                bool Wyjasnij, TTekstyWierszy& Teksty);

// One JSON object on one line: path, size, extension, bytes, recognised, extension_matches,
// candidates (each with what it matched).
void DopiszJson(std::string& Wyjscie, std::string_view Sciezka, const TRozpoznanie& Wynik);

// The CSV header row (RFC 4180, CRLF line ends). The last column, "link", is empty but in the
// rows of symbolic links.
extern const std::string_view NaglowekCsv;

// One CSV row per candidate, the file's own fields repeated in each; one row with empty
// candidate fields for a file that was not recognised. The path keeps its exact bytes, quoted
// when it holds a comma, a quote or a line end.
void DopiszCsv(std::string& Wyjscie, std::string_view Sciezka, const TRozpoznanie& Wynik);

// A symbolic link that the walk listed and did not follow, with its target as the link holds it.
// The target is written as a path is in each form: escaped for a terminal in text, with U+FFFD
// for pieces that are not UTF-8 in JSON ({"path", "link"}), with its exact bytes in CSV (the
// file's fields empty, the target in the last column).
void DopiszOpisDowiazania(std::string& Wyjscie, std::string_view Sciezka, std::string_view Cel);
void DopiszJsonDowiazania(std::string& Wyjscie, std::string_view Sciezka, std::string_view Cel);
void DopiszCsvDowiazania(std::string& Wyjscie, std::string_view Sciezka, std::string_view Cel);
