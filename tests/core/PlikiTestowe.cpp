#include "tests/core/PlikiTestowe.h"

#include "engine/ObslugaBaz.h"

std::string BladOtwarcia(const std::function<void()>& Dzialanie) {
  try {
    Dzialanie();
  } catch (const EBladOtwarciaPliku& e) {
    return e.what();
  }
  return "no EBladOtwarciaPliku";
}

std::string Opis(const TOdczytPliku& Klucz) {
  return Klucz.TekstSzesnastkowy + " " + std::to_string(Klucz.Rozmiar);
}
