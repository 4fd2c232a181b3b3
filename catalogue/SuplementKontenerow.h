#pragma once

// The rows that the probes of Windows programs, ZIP containers and OLE2 compound files answer
// with: the supplement's record, vocabulary and rules, in a table of their own, since no row of
// theirs can be told by the key alone. Each row's signature is the mark that lets its probe run.

#include <array>
#include <cstddef>

#include "catalogue/TOpisPliku.h"

enum class TWierszKontenera : std::size_t {
  // Windows programs (PE)
  ProgramWindows32,
  ProgramWindows64,
  BibliotekaDll32,
  BibliotekaDll64,
  ProgramDotNet,
  BibliotekaDotNet,
  SterownikWindows,
  AplikacjaUefi,
  SterownikUefi,
  InstalatorNsis,
  InstalatorInnoSetup,
  Samorozpakowujace7z,
  SamorozpakowujaceRar,
  SamorozpakowujaceZip,
  // ZIP containers
  Docx,
  Docm,
  Xlsx,
  Xlsm,
  Pptx,
  Pptm,
  Vsdx,
  Odt,
  Ods,
  Odp,
  Odg,
  Odb,
  Epub,
  Jar,
  War,
  Apk,
  Aab,
  Aar,
  Xpi,
  Nupkg,
  Model3mf,
  Kmz,
  PakietWheel,
  Ipa,
  // OLE2 compound files
  Doc,
  Xls,
  Ppt,
  Msi,
  Msp,
  Msg,
  Vsd,
  Pub,
  Thumbs,
  Liczba
};

inline constexpr std::size_t RozmiarSuplementuKontenerow =
    static_cast<std::size_t>(TWierszKontenera::Liczba);

extern const std::array<TOpisPliku, RozmiarSuplementuKontenerow> SuplementKontenerow;

inline const TOpisPliku& WierszKontenera(TWierszKontenera Wiersz) {
  return SuplementKontenerow[static_cast<std::size_t>(Wiersz)];
}
