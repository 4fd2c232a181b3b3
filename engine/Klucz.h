#pragma once

// The identification key of a file: its first 80 bytes as hex text and its extension.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "catalogue/TOpisPliku.h"

inline constexpr std::size_t DlugoscPoczatku = 80;  // leading bytes looked at

struct TKlucz {
  TOpisPliku Klucz;               // only Rozszerzenie and Sygnatura are filled
  std::string TekstSzesnastkowy;  // always 160 upper-case hex digits
  std::int64_t Rozmiar = 0;       // 0 when the file could not be opened
};

class TPlikDoOdczytu;

// Never fails: what can't be read stays zero bytes, and an unopenable file has size 0.
// `Sciezka` is the path as the file system takes it; the key's extension is its Windows-1250
// form.
TKlucz ZbudujKlucz(const std::string& Sciezka);

// The key of a file the caller has opened, for a caller that reports what the form above keeps
// silent; nothing when the read fails.
std::optional<TKlucz> ZbudujKlucz(TPlikDoOdczytu& Plik, std::string_view Sciezka);

// The path's extension without its dot, with ASCII letters in upper case; empty when the last
// of ".", "\", ":" and "/" in the path is not a dot.
std::string PobierzRozszerzenie(std::string_view Sciezka);
