#pragma once

// One run of rozpoznik-cli over the paths of its command line: the walk, the identification on
// every core, and the output in the walk's order.

#include <string>
#include <vector>

enum TKodWyjscia { WszystkoRozpoznane = 0, CosNierozpoznane = 1, CosNieczytelne = 2 };

enum class TFormat { Tekst, Json, Csv };

struct TUstawienia {
  TFormat Format = TFormat::Tekst;
  bool Rekurencyjnie = false;
  bool TylkoNiezgodne = false;  // only files whose extension is not among their candidates'
  bool Wyjasnij = false;        // under each candidate, what it matched (text output)
  bool Uszereguj = false;       // candidates by the bytes their signatures pin, most first
  bool Podsumowanie = false;
  unsigned Watki = 0;  // 0: one per core
};

// The exit code: 2 when some path could not be read or the output could not be written, else 1
// when some file was not recognised, else 0.
int Uruchom(const std::vector<std::string>& Sciezki, const TUstawienia& Ustawienia);
