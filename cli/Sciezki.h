#pragma once

// Turns the paths named on the command line into the files to identify.

#include <functional>
#include <memory>
#include <string>

#include "cli/Folder.h"
#include "engine/PlikDoOdczytu.h"

// One file to identify: a path the user named, or an entry of a folder the walk holds open.
struct TPlikDoRozpoznania {
  std::shared_ptr<const TFolder> Folder;  // empty for a path the user named, checked to be a file
  std::string Nazwa;                      // the entry's name in `Folder`
  std::string Sciezka;                    // for messages and the output
};

// Opens the file the way its kind asks: a folder's entry relative to its folder, never through
// a symbolic link; a path the user named, through one. The opening takes the path over.
TPlikDoOdczytu Otworz(TPlikDoRozpoznania Plik);

// A file found: the folder that listed it (empty for a path the user named), its name there, and
// its path, which lasts only for the call: a caller that keeps many paths can put each into
// storage of its own choosing.
using TNaPlik = std::function<void(const std::shared_ptr<const TFolder>& Folder,
                                   std::string&& Nazwa, const std::string& Sciezka)>;
// A symbolic link found in a folder, with its target as the link holds it.
using TNaDowiazanie = std::function<void(const std::string& Sciezka, const std::string& Cel)>;
using TNaBlad = std::function<void(const std::string& Sciezka, const std::string& Opis)>;

// Hands `NaPlik` the path itself when it is a file (a path that is missing, or a pipe, socket
// or device, goes to `NaBlad` unopened), or, with `Rekurencyjnie` and a folder, every file below it
// in sorted byte order, folders entered where they stand in that order. Symbolic links found on
// the way, to files, to folders or to nothing, are never followed: each goes to `NaDowiazanie` in
// its turn, and a link whose target can't be read to `NaBlad`. Neither is a file or folder that
// became a link after it was listed; the named path itself is followed. Pipes, sockets and
// devices found on the way go to `NaBlad` unopened, as does a folder that can't be read, and the
// walk goes on. Without `Rekurencyjnie` a folder goes to `NaBlad` as well. Memory grows with the
// depth of the tree and the size of the folders on the way down, never with the whole tree, and
// only a few folder handles stay open however deep it goes.
void PrzejdzSciezke(const std::string& Sciezka, bool Rekurencyjnie, const TNaPlik& NaPlik,
                    const TNaDowiazanie& NaDowiazanie, const TNaBlad& NaBlad);
