#pragma once

// The identification key of a file: its first 80 bytes as hex text and its extension.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "catalogue/TOpisPliku.h"
#include "engine/PlikDoOdczytu.h"

inline constexpr std::size_t DlugoscPoczatku = 80;  // leading bytes looked at

// What one reading of the start of a file yields.
struct TOdczytPliku {
  TOpisPliku Klucz;               // only Rozszerzenie and Sygnatura are filled
  std::string TekstSzesnastkowy;  // always 160 upper-case hex digits
  std::int64_t Rozmiar = 0;       // 0 when the file could not be opened
};

// The key of a file the caller has opened, and can go on reading (for the text-content test);
// nothing when the read fails. The key's extension is the Windows-1250 form of the path's.
std::optional<TOdczytPliku> ZbudujKlucz(TPlikDoOdczytu& Plik);

// Never fails: what can't be read stays zero bytes, and an unopenable file has size 0. For a
// caller that has no use for the open file.
TOdczytPliku ZbudujKlucz(const std::string& Sciezka);

// The path's extension without its dot, with ASCII letters in upper case; empty when the last
// of ".", "\", ":" and "/" in the path is not a dot.
std::string PobierzRozszerzenie(std::string_view Sciezka);
