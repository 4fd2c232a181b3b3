#include "cli/Wypis.h"

#include <nlohmann/json.hpp>
#include <string>

#include "cli/Wyswietlanie.h"
#include "text/Cp1250.h"
#include "text/Szesnastkowo.h"

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

void DopiszOpis(std::string& Wyjscie, std::string_view Sciezka, const TRozpoznanie& Wynik) {
  DopiszDoWyswietlenia(Wyjscie, Sciezka);
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
  if (rozszerzenie.empty()) {
    Wyjscie += "(none)";
  } else {
    DopiszDoWyswietlenia(Wyjscie, cp1250::NaUtf8(rozszerzenie));
  }
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
                         {"programs", std::move(programy)}});
  }
  const ordered_json plik = {{"path", Sciezka},
                             {"size", Wynik.Odczyt.Rozmiar},
                             {"extension", cp1250::NaUtf8(Wynik.Odczyt.Klucz.Rozszerzenie.Tekst())},
                             {"bytes", Wynik.Odczyt.TekstSzesnastkowy},
                             {"recognised", Wynik.Stan == TStan::Rozpoznany},
                             {"candidates", std::move(kandydaci)}};
  // File names are bytes, not necessarily UTF-8; JSON must be UTF-8, so a stray byte becomes
  // U+FFFD instead of ending the run.
  Wyjscie += plik.dump(-1, ' ', false, ordered_json::error_handler_t::replace);
  Wyjscie += '\n';
}
