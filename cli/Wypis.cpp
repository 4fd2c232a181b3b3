#include "cli/Wypis.h"

#include <nlohmann/json.hpp>
#include <string>

#include "catalogue/Katalog.h"
#include "cli/Csv.h"
#include "cli/Wyjasnienie.h"
#include "cli/Wyswietlanie.h"
#include "text/Cp1250.h"
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

// The program names in UTF-8, joined by `laczenie`; empty when there are none.
std::string Programy(const TOpisPliku& kandydat, std::string_view laczenie) {
  std::string wynik;
  KazdyProgram(kandydat.Programy.Tekst(), [&](std::string_view program) {
    if (!wynik.empty()) wynik += laczenie;
    wynik += cp1250::NaUtf8(program);
  });
  return wynik;
}

void DopiszKandydata(std::string& Wyjscie, std::size_t numer, const TOpisPliku* kandydat,
                     const TRozpoznanie& Wynik, bool Wyjasnij) {
  const std::string naglowek = "  " + std::to_string(numer) + ". ";
  const std::string wciecie(naglowek.size(), ' ');
  const std::string programy = Programy(*kandydat, ", ");
  Wyjscie += naglowek;
  Wyjscie += "type: ";
  Wyjscie += cp1250::NaUtf8(kandydat->Typ.Tekst());
  Wyjscie += '\n';
  Wyjscie += wciecie;
  Wyjscie += "category: ";
  Wyjscie += cp1250::NaUtf8(kandydat->Kategoria.Tekst());
  Wyjscie += '\n';
  Wyjscie += wciecie;
  Wyjscie += "programs: ";
  Wyjscie += programy.empty() ? "(none)" : programy;
  Wyjscie += '\n';
  if (!Wyjasnij) return;
  if (const TWynikSondy* sonda = WynikSondy(Wynik, kandydat)) {
    DopiszWyjasnienieSondy(Wyjscie, *sonda, wciecie);
  } else {
    DopiszWyjasnienie(Wyjscie, *kandydat, Wynik.Odczyt.TekstSzesnastkowy, wciecie);
  }
}

void DopiszWierszCsv(std::string& Wyjscie, std::initializer_list<std::string_view> pola) {
  bool pierwsze = true;
  for (const std::string_view pole : pola) {
    if (!pierwsze) Wyjscie += ',';
    DopiszPoleCsv(Wyjscie, pole);
    pierwsze = false;
  }
  Wyjscie += "\r\n";
}

std::string_view TakNie(bool wartosc) {
  return wartosc ? "true" : "false";
}

}  // namespace

void DopiszOpis(std::string& Wyjscie, std::string_view Sciezka, const TRozpoznanie& Wynik,
                bool Wyjasnij) {
  DopiszDoWyswietlenia(Wyjscie, Sciezka);
  if (NiezgodneRozszerzenie(Wynik)) Wyjscie += " [mismatch]";
  Wyjscie += '\n';
  if (Wynik.Stan == TStan::Rozpoznany) {
    for (std::size_t numer = 1; numer <= Wynik.Kandydaci.size(); ++numer) {
      DopiszKandydata(Wyjscie, numer, Wynik.Kandydaci[numer - 1], Wynik, Wyjasnij);
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
    // A text format fits by the file's extension and content, not by a signature.
    const std::string_view podstawa = kandydat->Sygnatura.Tekst();
    ordered_json sygnatura = nullptr;
    if (!podstawa.empty()) sygnatura = podstawa;
    ordered_json dopasowanie = {{"table", TabelaWiersza(*kandydat)},
                                {"signature", std::move(sygnatura)},
                                {"pinned_bytes", PrzypieteBajty(Wynik, kandydat)}};
    if (const TWynikSondy* sonda = WynikSondy(Wynik, kandydat)) {
      dopasowanie["probe"] = sonda->Trafienie.Sonda;
      dopasowanie["offset"] = sonda->Trafienie.Przesuniecie;
    }
    kandydaci.push_back({{"extension", cp1250::NaUtf8(kandydat->Rozszerzenie.Tekst())},
                         {"type", cp1250::NaUtf8(kandydat->Typ.Tekst())},
                         {"category", cp1250::NaUtf8(kandydat->Kategoria.Tekst())},
                         {"programs", std::move(programy)},
                         {"matched", std::move(dopasowanie)}});
  }
  // File names are bytes, not necessarily UTF-8; JSON must be UTF-8, so an invalid piece becomes
  // U+FFFD, read by the same decoder that works out the extension.
  const ordered_json plik = {{"path", utf8::ZZastepnikami(Sciezka)},
                             {"size", Wynik.Odczyt.Rozmiar},
                             {"extension", cp1250::NaUtf8(Wynik.Odczyt.Klucz.Rozszerzenie.Tekst())},
                             {"bytes", Wynik.Odczyt.TekstSzesnastkowy},
                             {"recognised", Wynik.Stan == TStan::Rozpoznany},
                             {"extension_matches", RozszerzenieWsrodKandydatow(Wynik)},
                             {"candidates", std::move(kandydaci)}};
  Wyjscie += plik.dump();
  Wyjscie += '\n';
}

const std::string_view NaglowekCsv =
    "path,size,extension,recognised,extension_matches,candidate,type,category,programs,table,"
    "signature,link\r\n";

void DopiszCsv(std::string& Wyjscie, std::string_view Sciezka, const TRozpoznanie& Wynik) {
  const std::string rozmiar = std::to_string(Wynik.Odczyt.Rozmiar);
  const std::string rozszerzenie = cp1250::NaUtf8(Wynik.Odczyt.Klucz.Rozszerzenie.Tekst());
  const std::string_view rozpoznany = TakNie(Wynik.Stan == TStan::Rozpoznany);
  const std::string_view zgodne = TakNie(RozszerzenieWsrodKandydatow(Wynik));
  if (Wynik.Kandydaci.empty()) {
    DopiszWierszCsv(
        Wyjscie, {Sciezka, rozmiar, rozszerzenie, rozpoznany, zgodne, "", "", "", "", "", "", ""});
    return;
  }
  for (std::size_t i = 0; i < Wynik.Kandydaci.size(); ++i) {
    const TOpisPliku* kandydat = Wynik.Kandydaci[i];
    DopiszWierszCsv(
        Wyjscie,
        {Sciezka, rozmiar, rozszerzenie, rozpoznany, zgodne, std::to_string(i + 1),
         cp1250::NaUtf8(kandydat->Typ.Tekst()), cp1250::NaUtf8(kandydat->Kategoria.Tekst()),
         Programy(*kandydat, "; "), TabelaWiersza(*kandydat), kandydat->Sygnatura.Tekst(), ""});
  }
}

void DopiszOpisDowiazania(std::string& Wyjscie, std::string_view Sciezka, std::string_view Cel) {
  DopiszDoWyswietlenia(Wyjscie, Sciezka);
  Wyjscie += "\n  symbolic link to ";
  DopiszDoWyswietlenia(Wyjscie, Cel);
  Wyjscie += ", not followed\n";
}

void DopiszJsonDowiazania(std::string& Wyjscie, std::string_view Sciezka, std::string_view Cel) {
  const nlohmann::ordered_json dowiazanie = {{"path", utf8::ZZastepnikami(Sciezka)},
                                             {"link", utf8::ZZastepnikami(Cel)}};
  Wyjscie += dowiazanie.dump();
  Wyjscie += '\n';
}

void DopiszCsvDowiazania(std::string& Wyjscie, std::string_view Sciezka, std::string_view Cel) {
  DopiszWierszCsv(Wyjscie, {Sciezka, "", "", "", "", "", "", "", "", "", "", Cel});
}
