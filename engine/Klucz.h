#pragma once

// The identification key of a file: its first 80 bytes as hex text and its extension.

#include <cstdint>
#include <string>
#include <string_view>

#include "catalogue/TOpisPliku.h"
#include "engine/PlikDoOdczytu.h"

inline constexpr std::size_t DlugoscPoczatku = 80;  // leading bytes looked at

// What one reading of the start of a file yields. The key's signature holds only the bytes the
// file has: a signature row can't fit bytes that aren't there, so a file shorter than 80 bytes
// has a shorter signature, and an empty file none. The report sends the 160 digits of the text.
struct TOdczytPliku {
  TOpisPliku Klucz;               // only Rozszerzenie and Sygnatura are filled
  std::string TekstSzesnastkowy;  // always 160 upper-case hex digits, zeros past the file's end
  std::int64_t Rozmiar = 0;       // 0 when the file could not be opened

  friend bool operator==(const TOdczytPliku&, const TOdczytPliku&) = default;
};

// The key of a file the caller has opened, and can go on reading (for the text-content test),
// written over `Odczyt`, whose text keeps its storage from file to file; false, with `Odczyt` as
// it was, when the read fails. The key's extension is the Windows-1250 form of the path's.
bool ZbudujKlucz(TPlikDoOdczytu& Plik, TOdczytPliku& Odczyt);

// Never fails: an unopenable file has size 0 and, as an empty file, no bytes in its key. For a
// caller that has no use for the open file.
TOdczytPliku ZbudujKlucz(const std::string& Sciezka);

// The path's extension without its dot, with ASCII letters in upper case; empty when the last
// of ".", "\", ":" and "/" in the path is not a dot.
std::string PobierzRozszerzenie(std::string_view Sciezka);
