#pragma once

// Turns the paths named on the command line into the files to identify.

#include <functional>
#include <string>

using TPlikDoRozpoznania = std::function<void(const std::string& Sciezka)>;
using TBladSciezki = std::function<void(const std::string& Sciezka, const std::string& Opis)>;

// Hands `Plik` the path itself, or, with `Rekurencyjnie` and a directory, every file below it in
// sorted byte order, directories entered where they stand in that order. Symbolic links to
// directories found on the way are not followed (they could lead back up into a loop); the
// named path itself is followed. Pipes, sockets and devices are never handed on: they go to
// `Blad` unopened, as does a directory that can't be read (UTF-8 text), and the walk goes on.
// Without `Rekurencyjnie` a directory goes to `Blad` as well.
void PrzejdzSciezke(const std::string& Sciezka, bool Rekurencyjnie, const TPlikDoRozpoznania& Plik,
                    const TBladSciezki& Blad);
