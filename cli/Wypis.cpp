#include "cli/Wypis.h"

#include <nlohmann/json.hpp>
#include <string>

#include "catalogue/Katalog.h"
#include "text/Cp1250.h"
#include "text/Szesnastkowo.h"
#include "text/Utf8.h"

namespace {

constexpr std::size_t BajtowWOpisieNierozpoznanego = 10;

// The catalogue separates program names with single carriage returns.
constexpr char SeparatorProgramow = '\r';

template <typename F>
void KazdyProgram(std::string_view programy, F&& zrob) {
  while (!programy.empty()) {
    const std::size_t koniec = programy.find(SeparatorProgramow);
    zrob(programy.substr(0, koniec));
    if (koniec == std::string_view::npos) break;
    programy.remove_prefix(koniec + 1);
  }
}

void DopiszKandydata(std::string& Wyjscie, std::size_t numer, const TOpisPliku& kandydat) {
  const std::string naglowek = "  " + std::to_string(numer) + ". ";
  const std::string wciecie(naglowek.size(), ' ');
  Wyjscie += naglowek;
  Wyjscie += "type: ";
  Wyjscie += cp1250::NaUtf8(kandydat.Typ.Tekst());
  Wyjscie += '\n';
  Wyjscie += wciecie;
  Wyjscie += "category: ";
  Wyjscie += cp1250::NaUtf8(kandydat.Kategoria.Tekst());
  Wyjscie += '\n';
  Wyjscie += wciecie;
  Wyjscie += "programs: ";
  bool pierwszy = true;
  KazdyProgram(kandydat.Programy.Tekst(), [&](std::string_view program) {
    if (!pierwszy) Wyjscie += ", ";
    Wyjscie += cp1250::NaUtf8(program);
    pierwszy = false;
  });
  if (pierwszy) Wyjscie += "(none)";
  Wyjscie += '\n';
}

}  // namespace

std::string DoWyswietlenia(std::string_view Sciezka) {
  std::string wynik;
  wynik.reserve(Sciezka.size());
  for (const char c : Sciezka) {
    const auto b = static_cast<unsigned char>(c);
    if (b < 0x20 || b == 0x7F) {
      wynik += "\\x";
      DopiszSzesnastkowo(wynik, b);
    } else {
      wynik += c;
    }
  }
  return wynik;
}

void DopiszOpis(std::string& Wyjscie, std::string_view Sciezka, const TRozpoznanie& Wynik) {
  Wyjscie += DoWyswietlenia(Sciezka);
  Wyjscie += '\n';
  if (Wynik.Stan == TStan::Rozpoznany) {
    for (std::size_t numer = 1; numer <= Wynik.Kandydaci.size(); ++numer) {
      DopiszKandydata(Wyjscie, numer, *Wynik.Kandydaci[numer - 1]);
    }
    return;
  }
  const std::string_view rozszerzenie = Wynik.Odczyt.Klucz.Rozszerzenie.Tekst();
  Wyjscie += "  not recognised: first bytes ";
  Wyjscie +=
      std::string_view(Wynik.Odczyt.TekstSzesnastkowy).substr(0, 2 * BajtowWOpisieNierozpoznanego);
  Wyjscie += ", extension ";
  Wyjscie += rozszerzenie.empty() ? std::string("(none)") : cp1250::NaUtf8(rozszerzenie);
  Wyjscie += ", size ";
  Wyjscie += std::to_string(Wynik.Odczyt.Rozmiar);
  Wyjscie += " bytes\n";
}

void DopiszJson(std::string& Wyjscie, std::string_view Sciezka, const TRozpoznanie& Wynik) {
  using nlohmann::ordered_json;
  ordered_json kandydaci = ordered_json::array();
  for (const TOpisPliku* kandydat : Wynik.Kandydaci) {
    ordered_json programy = ordered_json::array();
    KazdyProgram(kandydat->Programy.Tekst(),
                 [&](std::string_view program) { programy.push_back(cp1250::NaUtf8(program)); });
    kandydaci.push_back({{"extension", cp1250::NaUtf8(kandydat->Rozszerzenie.Tekst())},
                         {"type", cp1250::NaUtf8(kandydat->Typ.Tekst())},
                         {"category", cp1250::NaUtf8(kandydat->Kategoria.Tekst())},
                         {"programs", std::move(programy)},
                         {"matched", {{"table", TabelaWiersza(*kandydat)}}}});
  }
  // File names are bytes, not necessarily UTF-8; JSON must be UTF-8, so an invalid piece becomes
  // U+FFFD, read by the same decoder that works out the extension.
  const ordered_json plik = {{"path", utf8::ZZastepnikami(Sciezka)},
                             {"size", Wynik.Odczyt.Rozmiar},
                             {"extension", cp1250::NaUtf8(Wynik.Odczyt.Klucz.Rozszerzenie.Tekst())},
                             {"bytes", Wynik.Odczyt.TekstSzesnastkowy},
                             {"recognised", Wynik.Stan == TStan::Rozpoznany},
                             {"candidates", std::move(kandydaci)}};
  Wyjscie += plik.dump();
  Wyjscie += '\n';
}
