#pragma once

// What the fuzz targets that identify real files share: a check that stops the run, and a folder
// of the process's own for the one file of each input, made at initialisation and removed at exit.

#include <unistd.h>

#include <cstdlib>
#include <string>
#include <string_view>

inline void Sprawdz(bool warunek) {
  if (!warunek) std::abort();
}

// A plain array, so that the name outlives the destructors that run at exit before the folder is
// removed.
inline char* FolderProcesu() {
  static char folder[] = "/tmp/rozpoznik-fuzz-XXXXXX";
  return folder;
}

inline void UtworzFolderProcesu() {
  Sprawdz(::mkdtemp(FolderProcesu()) != nullptr);
  std::atexit([] { ::rmdir(FolderProcesu()); });
}

inline std::string SciezkaWFolderzeProcesu(std::string_view Nazwa) {
  return std::string(FolderProcesu()) + "/" + std::string(Nazwa);
}
