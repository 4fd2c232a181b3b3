#pragma once

// One line on a terminal's standard error that tells how a long run goes: files done, files per
// second and the current folder, redrawn in place and cleared at the end. It appears only once
// the run has passed a second, so short runs leave no trace.

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string_view>

class TPostep {
 public:
  using TZegar = std::chrono::steady_clock;

  // `Wlaczony` false (standard error is not a terminal) makes every call do nothing.
  TPostep(bool Wlaczony, std::FILE* Strumien, int Szerokosc, TZegar::time_point Poczatek);

  // One more file is done; redraws the line when it is due.
  void Plik(std::string_view Sciezka);
  // Takes the line away, before other text goes to the terminal or at the end.
  void Wyczysc();

 private:
  bool wlaczony_;
  std::FILE* strumien_;
  int szerokosc_;
  TZegar::time_point poczatek_;
  TZegar::time_point nastepnyRysunek_;
  std::uint64_t pliki_ = 0;
  bool widoczny_ = false;
};
