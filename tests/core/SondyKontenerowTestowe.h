#pragma once

// What the container probes' tests share: a probe run on bytes written to a file, and the
// little-endian fields the tests write into the containers they build or spoil.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "catalogue/SuplementKontenerow.h"
#include "engine/SondyKontenerow.h"
#include "tests/core/PlikiTestowe.h"
#include "tests/core/ProbkiKontenerow.h"

class TTestSondy : public TTestZPlikami {
 protected:
  // The row the probe answers for a file of these bytes; nullptr when it recognises nothing.
  // Whatever the file, an answer's bytes must lie within it.
  const TOpisPliku* Odpowiedz(TCzytanieSondy Sonda, std::string_view Bajty) {
    TPlikDoOdczytu plik(folder_.Zapisz("plik" + std::to_string(++pliki_), Bajty));
    trafienie_ = {};
    if (!Sonda(plik, trafienie_)) return nullptr;
    EXPECT_FALSE(trafienie_.Sonda.empty());
    EXPECT_GE(trafienie_.Przesuniecie, 0);
    EXPECT_GT(trafienie_.PrzypieteBajty, 0u);
    EXPECT_LE(trafienie_.Przesuniecie + static_cast<std::int64_t>(trafienie_.PrzypieteBajty),
              static_cast<std::int64_t>(Bajty.size()));
    return trafienie_.Wiersz;
  }

  TTrafienieSondy trafienie_;

 private:
  int pliki_ = 0;
};

inline const TOpisPliku* Wiersz(TWierszKontenera W) {
  return &WierszKontenera(W);
}

inline std::string Probka(std::string_view Nazwa) {
  const std::string_view bajty = ProbkaKontenera(Nazwa);
  EXPECT_FALSE(bajty.empty()) << Nazwa;
  return std::string(bajty);
}

inline void Zapisz16(std::string& Bajty, std::size_t Od, std::uint16_t Wartosc) {
  if (Bajty.size() < Od + 2) Bajty.resize(Od + 2);
  for (std::size_t i = 0; i < 2; ++i) Bajty[Od + i] = static_cast<char>(Wartosc >> (8 * i));
}

inline void Zapisz32(std::string& Bajty, std::size_t Od, std::uint32_t Wartosc) {
  if (Bajty.size() < Od + 4) Bajty.resize(Od + 4);
  for (std::size_t i = 0; i < 4; ++i) Bajty[Od + i] = static_cast<char>(Wartosc >> (8 * i));
}

inline void Zapisz64(std::string& Bajty, std::size_t Od, std::uint64_t Wartosc) {
  Zapisz32(Bajty, Od, static_cast<std::uint32_t>(Wartosc));
  Zapisz32(Bajty, Od + 4, static_cast<std::uint32_t>(Wartosc >> 32));
}

inline std::uint32_t Czytaj32(std::string_view Bajty, std::size_t Od) {
  std::uint32_t w = 0;
  for (std::size_t i = 0; i < 4; ++i)
    w |= static_cast<std::uint32_t>(static_cast<unsigned char>(Bajty[Od + i])) << (8 * i);
  return w;
}
