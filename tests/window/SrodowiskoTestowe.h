#pragma once

// What every window test gives the window: a site address of its own and no marker file.

#include "tests/FolderTestowy.h"
#include "update/SprawdzCzyNowaWersja.h"

// Not the built-in default, so that the tests see the address given to the window.
inline constexpr char AdresTestowy[] = "http://rozpoznik.test/";

// The update check's surroundings with no marker file: the site is never asked.
inline TSrodowiskoAktualizacji SrodowiskoBezZnacznika(const TFolderTestowy& Folder) {
  return {.SciezkaZnacznika = Folder.Sciezka("brak/readme.txt"),
          .Teraz = [] { return TCzasLokalny{2024, 5, 20, 12, 0, 0}; },
          .Losuj = [] { return 42; }};
}
