#pragma once

// What a text file's first lines say it is, for a file whose name says nothing: README, a
// downloaded attachment that lost its name, a configuration file named by convention. The
// signatures of a few printable bytes can't tell JSON from an INI file or Python from YAML; the
// shape of the lines can.

#include <array>
#include <string_view>

#include "engine/ObslugaBaz.h"

// The extensions of the text formats the lines can show, each naming a row of the text tables.
inline constexpr std::array<std::string_view, 27> RozszerzeniaZTresci = {
    "SH",   "PY",   "PL",   "RB",   "JS", "PHP", "LUA", "SVG", "XHTML",
    "XML",  "HTML", "JSON", "YAML", "PO", "SRT", "VTT", "TEX", "S",
    "JAVA", "C",    "CPP",  "CSS",  "MD", "RST", "ORG", "INI", "CSV"};

// The extension (one of RozszerzeniaZTresci) of the format the start of a text file shows; empty
// when its lines show no format. `Poczatek` is the file's first block, which may end mid-line.
std::string_view RozszerzenieZTresci(std::string_view Poczatek);

// The row of the text tables, the catalogue's before the supplement's, for the format the start
// of the open text file shows; none when it shows none.
const TOpisPliku* WierszZTresci(TPlikDoOdczytu& Plik, const TSuplement& Suplement);
