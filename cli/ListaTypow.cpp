#include "cli/ListaTypow.h"

#include <nlohmann/json.hpp>
#include <string_view>
#include <vector>

#include "catalogue/Katalog.h"
#include "cli/Csv.h"
#include "text/Cp1250.h"

namespace {

std::vector<std::string> Programy(const TOpisPliku& w) {
  std::vector<std::string> nazwy;
  for (std::string_view reszta = w.Programy.Tekst(); !reszta.empty();) {
    const std::size_t koniec = reszta.find('\r');
    nazwy.push_back(cp1250::NaUtf8(reszta.substr(0, koniec)));
    if (koniec == std::string_view::npos) break;
    reszta.remove_prefix(koniec + 1);
  }
  return nazwy;
}

std::string Polaczone(const std::vector<std::string>& nazwy, std::string_view separator) {
  std::string wynik;
  for (const std::string& n : nazwy) {
    if (!wynik.empty()) wynik += separator;
    wynik += n;
  }
  return wynik;
}

void DopiszTekst(std::string& wyjscie, std::string_view tabela, std::size_t wiersz,
                 const TOpisPliku& w) {
  wyjscie += tabela;
  wyjscie += ' ';
  wyjscie += std::to_string(wiersz);
  wyjscie += ": extension ";
  wyjscie += w.Rozszerzenie.Tekst();
  wyjscie += ", signature ";
  wyjscie += w.Sygnatura.Dlugosc == 0 ? std::string_view("(none)") : w.Sygnatura.Tekst();
  wyjscie += "\n  type: ";
  wyjscie += cp1250::NaUtf8(w.Typ.Tekst());
  wyjscie += "\n  category: ";
  wyjscie += cp1250::NaUtf8(w.Kategoria.Tekst());
  wyjscie += "\n  programs: ";
  const std::vector<std::string> programy = Programy(w);
  wyjscie += programy.empty() ? std::string("(none)") : Polaczone(programy, ", ");
  wyjscie += '\n';
}

void DopiszJson(std::string& wyjscie, std::string_view tabela, std::size_t wiersz,
                const TOpisPliku& w) {
  const nlohmann::ordered_json obiekt = {{"table", tabela},
                                         {"row", wiersz},
                                         {"extension", w.Rozszerzenie.Tekst()},
                                         {"signature", w.Sygnatura.Tekst()},
                                         {"type", cp1250::NaUtf8(w.Typ.Tekst())},
                                         {"category", cp1250::NaUtf8(w.Kategoria.Tekst())},
                                         {"programs", Programy(w)}};
  wyjscie += obiekt.dump();
  wyjscie += '\n';
}

void DopiszCsv(std::string& wyjscie, std::string_view tabela, std::size_t wiersz,
               const TOpisPliku& w) {
  const std::string pola[] = {std::string(tabela),
                              std::to_string(wiersz),
                              std::string(w.Rozszerzenie.Tekst()),
                              std::string(w.Sygnatura.Tekst()),
                              cp1250::NaUtf8(w.Typ.Tekst()),
                              cp1250::NaUtf8(w.Kategoria.Tekst()),
                              Polaczone(Programy(w), "; ")};
  for (std::size_t i = 0; i < std::size(pola); ++i) {
    if (i > 0) wyjscie += ',';
    DopiszPoleCsv(wyjscie, pola[i]);
  }
  wyjscie += '\n';
}

}  // namespace

std::string ListaTypow(TFormatListy Format) {
  std::string wyjscie;
  if (Format == TFormatListy::Csv)
    wyjscie += "table,row,extension,signature,type,category,programs\n";
  for (const TTabelaKatalogu& tabela : TabeleKatalogu) {
    for (std::size_t i = 0; i < tabela.Wiersze.size(); ++i) {
      switch (Format) {
        case TFormatListy::Tekst:
          DopiszTekst(wyjscie, tabela.Nazwa, i, tabela.Wiersze[i]);
          break;
        case TFormatListy::Json:
          DopiszJson(wyjscie, tabela.Nazwa, i, tabela.Wiersze[i]);
          break;
        case TFormatListy::Csv:
          DopiszCsv(wyjscie, tabela.Nazwa, i, tabela.Wiersze[i]);
          break;
      }
    }
  }
  return wyjscie;
}
