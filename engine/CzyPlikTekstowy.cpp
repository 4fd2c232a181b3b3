#include <array>
#include <cstdint>

#include "engine/ObslugaBaz.h"

namespace {

constexpr std::size_t RozmiarBloku = 4096;

// Control characters other than backspace, tab, line feed, vertical tab, form feed and carriage
// return, and delete; everything from 0x80 up is text in any 8-bit code page and in UTF-8.
constexpr bool Nietekstowy(unsigned char b) {
  return b < 0x08 || (b >= 0x0E && b < 0x20) || b == 0x7F;
}

// Branch-free over whole runs of 64 bytes, so that the compiler can do a run in a few vector
// instructions; a text file is read to its end, so this loop is the test's whole cost.
bool BlokTekstowy(const unsigned char* bajty, std::size_t ile) {
  constexpr std::size_t Przebieg = 64;
  std::size_t i = 0;
  for (; i + Przebieg <= ile; i += Przebieg) {
    unsigned char zle = 0;
    for (std::size_t j = 0; j < Przebieg; ++j) {
      const unsigned char b = bajty[i + j];
      zle |= static_cast<unsigned char>((b < 0x08) | (static_cast<unsigned char>(b - 0x0E) < 0x12) |
                                        (b == 0x7F));
    }
    if (zle != 0) return false;
  }
  for (; i < ile; ++i) {
    if (Nietekstowy(bajty[i])) return false;
  }
  return true;
}

constexpr unsigned char WartoscCyfry(char c) {
  return static_cast<unsigned char>(c <= '9' ? c - '0' : c - 'A' + 10);
}

}  // namespace

std::string TekstBleduOtwarcia(std::string_view Sciezka, std::string_view Przyczyna) {
  std::string tekst = "Cannot open file \"";
  tekst += Sciezka;
  tekst += "\". ";
  tekst += Przyczyna;
  return tekst;
}

bool CzyTekstowyKlucz(std::string_view TekstKlucza) {
  for (std::size_t i = 0; i + 1 < TekstKlucza.size(); i += 2) {
    const auto b = static_cast<unsigned char>(WartoscCyfry(TekstKlucza[i]) * 16 +
                                              WartoscCyfry(TekstKlucza[i + 1]));
    if (Nietekstowy(b)) return false;
  }
  return true;
}

EBladOtwarciaPliku::EBladOtwarciaPliku(const TPlikDoOdczytu& Plik)
    : std::runtime_error(TekstBleduOtwarcia(Plik.Sciezka(), Plik.OpisBledu())) {}

bool CzyPlikTekstowy(TPlikDoOdczytu& Plik) {
  if (!Plik.Otwarty()) throw EBladOtwarciaPliku(Plik);
  const std::int64_t rozmiar = Plik.Rozmiar();
  std::array<unsigned char, RozmiarBloku> bufor;
  std::int64_t pozycja = 0;
  while (pozycja < rozmiar) {
    const std::int64_t przeczytane = Plik.Czytaj(pozycja, bufor.data(), bufor.size());
    // A read that brings nothing (the file shrank, or an error) would repeat forever.
    if (przeczytane <= 0) break;
    // The first non-text byte settles the answer; nothing later can change it.
    if (!BlokTekstowy(bufor.data(), static_cast<std::size_t>(przeczytane))) return false;
    pozycja += przeczytane;
  }
  return true;
}

bool CzyPlikTekstowy(const std::string& NazwaPliku) {
  TPlikDoOdczytu plik(NazwaPliku);
  return CzyPlikTekstowy(plik);
}
