#pragma once

// The programs a catalogue row names, one after another.

#include <string>
#include <string_view>

#include "catalogue/TOpisPliku.h"

// The catalogue separates program names with single carriage returns.
inline constexpr char SeparatorProgramow = '\r';

template <typename F>
void KazdyProgram(std::string_view programy, F&& zrob) {
  while (!programy.empty()) {
    const std::size_t koniec = programy.find(SeparatorProgramow);
    zrob(programy.substr(0, koniec));
    if (koniec == std::string_view::npos) break;
    programy.remove_prefix(koniec + 1);
  }
}

// The program names in UTF-8, joined by `Laczenie`, appended; false when there are none.
bool DopiszProgramy(std::string& Wyjscie, const TOpisPliku& Wiersz, std::string_view Laczenie);
