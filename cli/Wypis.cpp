#include "cli/Wypis.h"

#include <nlohmann/json.hpp>
#include <string>

#include "catalogue/Cp1250.h"
#include "engine/Szesnastkowo.h"

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

void DopiszKandydata(std::string& Wyjscie, std::size_t numer, const TRozpoznanie& Wynik) {
  const std::size_t i = numer - 1;
  const std::string naglowek = "  " + std::to_string(numer) + ". ";
  const std::string wciecie(naglowek.size(), ' ');
  Wyjscie += naglowek;
  Wyjscie += "type: ";
  Wyjscie += cp1250::NaUtf8(Wynik.ListaTypow[i]);
  Wyjscie += '\n';
  Wyjscie += wciecie;
  Wyjscie += "category: ";
  Wyjscie += cp1250::NaUtf8(Wynik.ListaKategorii[i]);
  Wyjscie += '\n';
  Wyjscie += wciecie;
  Wyjscie += "programs: ";
  bool pierwszy = true;
  KazdyProgram(Wynik.ListaProgramow[i], [&](std::string_view program) {
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
    for (std::size_t numer = 1; numer <= Wynik.ListaTypow.size(); ++numer) {
      DopiszKandydata(Wyjscie, numer, Wynik);
    }
    return;
  }
  const std::string_view rozszerzenie = Wynik.Klucz.Klucz.Rozszerzenie.Tekst();
  Wyjscie += "  not recognised: first bytes ";
  Wyjscie +=
      std::string_view(Wynik.Klucz.TekstSzesnastkowy).substr(0, 2 * BajtowWOpisieNierozpoznanego);
  Wyjscie += ", extension ";
  Wyjscie += rozszerzenie.empty() ? std::string("(none)") : cp1250::NaUtf8(rozszerzenie);
  Wyjscie += ", size ";
  Wyjscie += std::to_string(Wynik.Klucz.Rozmiar);
  Wyjscie += " bytes\n";
}

void DopiszJson(std::string& Wyjscie, std::string_view Sciezka, const TRozpoznanie& Wynik) {
  using nlohmann::ordered_json;
  ordered_json kandydaci = ordered_json::array();
  for (std::size_t i = 0; i < Wynik.ListaTypow.size(); ++i) {
    ordered_json programy = ordered_json::array();
    KazdyProgram(Wynik.ListaProgramow[i],
                 [&](std::string_view program) { programy.push_back(cp1250::NaUtf8(program)); });
    kandydaci.push_back({{"extension", cp1250::NaUtf8(Wynik.ListaRozszerzen[i])},
                         {"type", cp1250::NaUtf8(Wynik.ListaTypow[i])},
                         {"category", cp1250::NaUtf8(Wynik.ListaKategorii[i])},
                         {"programs", std::move(programy)}});
  }
  const ordered_json plik = {{"path", Sciezka},
                             {"size", Wynik.Klucz.Rozmiar},
                             {"extension", cp1250::NaUtf8(Wynik.Klucz.Klucz.Rozszerzenie.Tekst())},
                             {"bytes", Wynik.Klucz.TekstSzesnastkowy},
                             {"recognised", Wynik.Stan == TStan::Rozpoznany},
                             {"candidates", std::move(kandydaci)}};
  // File names are bytes, not necessarily UTF-8; JSON must be UTF-8, so a stray byte becomes
  // U+FFFD instead of ending the run.
  Wyjscie += plik.dump(-1, ' ', false, ordered_json::error_handler_t::replace);
  Wyjscie += '\n';
}
