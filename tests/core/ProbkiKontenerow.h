#pragma once

// Real files for the container probes' tests, made by mingw-w64, NSIS, mono, wixl, LibreOffice,
// pandoc and Python's zipfile (bench/korpus/kontenery.sh), kept whole or, for large programs,
// their first block. Built into the test program from tests/core/kontenery/.

#include <string_view>

// The file's bytes; empty for a name that isn't there.
std::string_view ProbkaKontenera(std::string_view Nazwa);
