#include "cli/Podsumowanie.h"

#include <algorithm>
#include <cstdio>
#include <nlohmann/json.hpp>
#include <utility>
#include <vector>

#include "text/Cp1250.h"

namespace {

void DopiszLiczby(std::string& tekst, const char* tytul,
                  const std::map<std::string, std::uint64_t>& liczby) {
  std::vector<std::pair<std::string, std::uint64_t>> kolejno(liczby.begin(), liczby.end());
  std::ranges::stable_sort(kolejno,
                           [](const auto& a, const auto& b) { return a.second > b.second; });
  tekst += "  ";
  tekst += tytul;
  tekst += ":\n";
  for (const auto& [nazwa, ile] : kolejno) {
    tekst += "    ";
    tekst += std::to_string(ile);
    tekst += "  ";
    tekst += nazwa;
    tekst += '\n';
  }
}

std::string_view Typ(const TOpisPliku& w) {
  return w.Typ.Tekst();
}

std::string_view Kategoria(const TOpisPliku& w) {
  return w.Kategoria.Tekst();
}

std::string Sekundy(double sekundy) {
  char tekst[32];
  std::snprintf(tekst, sizeof tekst, "%.2f", sekundy);
  return tekst;
}

}  // namespace

TSladPliku Slad(const TRozpoznanie& Wynik) {
  return {Wynik.Stan, false, NiezgodneRozszerzenie(Wynik),
          Wynik.Kandydaci.empty() ? nullptr : Wynik.Kandydaci.front()};
}

void TPodsumowanie::Dolicz(const TSladPliku& Plik) {
  if (Plik.Dowiazanie) {
    ++dowiazania_;
    return;
  }
  switch (Plik.Stan) {
    case TStan::Nieczytelny:
      ++nieczytelne_;
      return;
    case TStan::Nierozpoznany:
      ++nierozpoznane_;
      return;
    case TStan::Rozpoznany:
      break;
  }
  ++rozpoznane_;
  if (Plik.Niezgodne) ++niezgodne_;
  ++pierwsze_[Plik.Pierwszy];
}

std::map<std::string, std::uint64_t> TPodsumowanie::Liczby(
    std::string_view (*Pole)(const TOpisPliku&)) const {
  std::map<std::string, std::uint64_t> liczby;
  for (const auto& [wiersz, ile] : pierwsze_) liczby[cp1250::NaUtf8(Pole(*wiersz))] += ile;
  return liczby;
}

std::string TPodsumowanie::Tekst(double Sekundy_) const {
  std::string tekst = "rozpoznik-cli: summary\n";
  tekst += "  files: " + std::to_string(rozpoznane_ + nierozpoznane_) + " (recognised " +
           std::to_string(rozpoznane_) + ", not recognised " + std::to_string(nierozpoznane_) +
           ")\n";
  tekst += "  extension mismatches: " + std::to_string(niezgodne_) + '\n';
  tekst += "  unreadable paths: " + std::to_string(nieczytelne_) + '\n';
  tekst += "  symbolic links, not followed: " + std::to_string(dowiazania_) + '\n';
  tekst += "  time: " + Sekundy(Sekundy_) + " s\n";
  DopiszLiczby(tekst, "by type", Liczby(Typ));
  DopiszLiczby(tekst, "by category", Liczby(Kategoria));
  return tekst;
}

std::string TPodsumowanie::Json(double Sekundy_) const {
  const nlohmann::ordered_json podsumowanie = {{"summary",
                                                {{"files", rozpoznane_ + nierozpoznane_},
                                                 {"recognised", rozpoznane_},
                                                 {"unrecognised", nierozpoznane_},
                                                 {"mismatches", niezgodne_},
                                                 {"unreadable", nieczytelne_},
                                                 {"links", dowiazania_},
                                                 {"seconds", Sekundy_},
                                                 {"types", Liczby(Typ)},
                                                 {"categories", Liczby(Kategoria)}}}};
  return podsumowanie.dump() + '\n';
}
