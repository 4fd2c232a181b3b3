#pragma once

// What a run found in total: counts by type and category, recognised and not, extension
// mismatches, unreadable paths, symbolic links left unfollowed and the time taken.

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <unordered_map>

#include "cli/Rozpoznanie.h"

// What the summary needs of one identified file, taken where it was identified.
struct TSladPliku {
  TStan Stan = TStan::Nieczytelny;
  // A symbolic link the walk listed and never identified; Stan means nothing then.
  bool Dowiazanie = false;
  bool Niezgodne = false;
  const TOpisPliku* Pierwszy = nullptr;  // the first candidate
};

TSladPliku Slad(const TRozpoznanie& Wynik);

class TPodsumowanie {
 public:
  // A recognised file counts under the type and category of its first candidate, the one the
  // window shows first, so that the counts add up to the recognised files. An unreadable path
  // counts only as such, and so does a symbolic link the walk did not follow.
  void Dolicz(const TSladPliku& Plik);

  // Lines for standard error, most frequent types and categories first.
  std::string Tekst(double Sekundy) const;
  // One JSON object on one line: {"summary": {...}}.
  std::string Json(double Sekundy) const;

 private:
  std::uint64_t rozpoznane_ = 0;
  std::uint64_t nierozpoznane_ = 0;
  std::uint64_t niezgodne_ = 0;
  std::uint64_t nieczytelne_ = 0;
  std::uint64_t dowiazania_ = 0;
  // Counted by row, which costs every file one lookup of a pointer; the texts, which rows share,
  // are added up only when the summary is written.
  std::unordered_map<const TOpisPliku*, std::uint64_t> pierwsze_;

  // UTF-8 text of the field of the first candidates, and how many files have each.
  std::map<std::string, std::uint64_t> Liczby(std::string_view (*Pole)(const TOpisPliku&)) const;
};
