#include "cli/Wypis.h"

#include <array>
#include <charconv>
#include <string>

#include "catalogue/Katalog.h"
#include "cli/Csv.h"
#include "cli/Json.h"
#include "cli/Programy.h"
#include "cli/Wyjasnienie.h"
#include "cli/Wyswietlanie.h"
#include "text/Cp1250.h"

namespace {

constexpr std::size_t BajtowWOpisieNierozpoznanego = 10;

// Numbers are written in place: a text of their own for each would be one allocation per field.
template <typename TLiczba>
void DopiszLiczbe(std::string& Wyjscie, TLiczba liczba) {
  std::array<char, 24> cyfry;
  const auto wynik = std::to_chars(cyfry.data(), cyfry.data() + cyfry.size(), liczba);
  Wyjscie.append(cyfry.data(), wynik.ptr);
}

void DopiszKandydata(std::string& Wyjscie, std::size_t numer, const TOpisPliku* kandydat,
                     const TRozpoznanie& Wynik, bool Wyjasnij, TTekstyWierszy& Teksty) {
  const std::size_t poczatek = Wyjscie.size();
  Wyjscie += "  ";
  DopiszLiczbe(Wyjscie, numer);
  Wyjscie += ". ";
  const std::size_t szerokosc = Wyjscie.size() - poczatek;
  const TTekstyWiersza& teksty = Teksty.Teksty(*kandydat);
  Wyjscie += "type: ";
  Wyjscie += teksty.Typ;
  Wyjscie += '\n';
  Wyjscie.append(szerokosc, ' ');
  Wyjscie += "category: ";
  Wyjscie += teksty.Kategoria;
  Wyjscie += '\n';
  Wyjscie.append(szerokosc, ' ');
  Wyjscie += "programs: ";
  Wyjscie += teksty.Programy;
  Wyjscie += '\n';
  if (!Wyjasnij) return;
  const std::string wciecie(szerokosc, ' ');
  if (const TWynikSondy* sonda = WynikSondy(Wynik, kandydat)) {
    DopiszWyjasnienieSondy(Wyjscie, *sonda, wciecie);
  } else {
    DopiszWyjasnienie(Wyjscie, *kandydat, Wynik.Odczyt.TekstSzesnastkowy,
                      Wynik.Odczyt.Klucz.Rozszerzenie.Tekst(), wciecie);
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

// The fields that need converting are built here, one after another, so that a thread's rows
// reuse one buffer instead of allocating one for each field.
std::string& Pole() {
  thread_local std::string pole;
  pole.clear();
  return pole;
}

void DopiszPoleCsvZCp1250(std::string& Wyjscie, std::string_view tekst) {
  std::string& pole = Pole();
  cp1250::DopiszUtf8(pole, tekst);
  DopiszPoleCsv(Wyjscie, pole);
}

std::string_view TakNie(bool wartosc) {
  return wartosc ? "true" : "false";
}

}  // namespace

void DopiszOpis(std::string& Wyjscie, std::string_view Sciezka, const TRozpoznanie& Wynik,
                bool Wyjasnij) {
  TTekstyWierszy teksty;
  DopiszOpis(Wyjscie, Sciezka, Wynik, Wyjasnij, teksty);
}

void DopiszOpis(std::string& Wyjscie, std::string_view Sciezka, const TRozpoznanie& Wynik,
                bool Wyjasnij, TTekstyWierszy& Teksty) {
  DopiszDoWyswietlenia(Wyjscie, Sciezka);
  if (NiezgodneRozszerzenie(Wynik)) Wyjscie += " [mismatch]";
  Wyjscie += '\n';
  if (Wynik.Stan == TStan::Rozpoznany) {
    for (std::size_t numer = 1; numer <= Wynik.Kandydaci.size(); ++numer) {
      DopiszKandydata(Wyjscie, numer, Wynik.Kandydaci[numer - 1], Wynik, Wyjasnij, Teksty);
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
  DopiszLiczbe(Wyjscie, Wynik.Odczyt.Rozmiar);
  Wyjscie += " bytes\n";
}

void DopiszJson(std::string& Wyjscie, std::string_view Sciezka, const TRozpoznanie& Wynik) {
  // Keys in this order, no spaces: the object that nlohmann's compact dump used to give.
  Wyjscie += "{\"path\":";
  // File names are bytes, not necessarily UTF-8; JSON must be UTF-8, so an invalid piece becomes
  // U+FFFD, read by the same decoder that works out the extension.
  DopiszNapisJson(Wyjscie, Sciezka);
  Wyjscie += ",\"size\":";
  DopiszLiczbe(Wyjscie, Wynik.Odczyt.Rozmiar);
  Wyjscie += ",\"extension\":";
  DopiszNapisJsonZCp1250(Wyjscie, Wynik.Odczyt.Klucz.Rozszerzenie.Tekst());
  Wyjscie += ",\"bytes\":";
  DopiszNapisJson(Wyjscie, Wynik.Odczyt.TekstSzesnastkowy);
  Wyjscie += ",\"recognised\":";
  Wyjscie += TakNie(Wynik.Stan == TStan::Rozpoznany);
  Wyjscie += ",\"extension_matches\":";
  Wyjscie += TakNie(RozszerzenieWsrodKandydatow(Wynik));
  Wyjscie += ",\"candidates\":[";
  bool pierwszy = true;
  for (const TOpisPliku* kandydat : Wynik.Kandydaci) {
    if (!pierwszy) Wyjscie += ',';
    pierwszy = false;
    Wyjscie += "{\"extension\":";
    DopiszNapisJsonZCp1250(Wyjscie, kandydat->Rozszerzenie.Tekst());
    Wyjscie += ",\"type\":";
    DopiszNapisJsonZCp1250(Wyjscie, kandydat->Typ.Tekst());
    Wyjscie += ",\"category\":";
    DopiszNapisJsonZCp1250(Wyjscie, kandydat->Kategoria.Tekst());
    Wyjscie += ",\"programs\":[";
    bool pierwszyProgram = true;
    KazdyProgram(kandydat->Programy.Tekst(), [&](std::string_view program) {
      if (!pierwszyProgram) Wyjscie += ',';
      pierwszyProgram = false;
      DopiszNapisJsonZCp1250(Wyjscie, program);
    });
    Wyjscie += "],\"matched\":{\"table\":";
    DopiszNapisJson(Wyjscie, TabelaWiersza(*kandydat));
    // A text format fits by the file's extension and content, not by a signature.
    Wyjscie += ",\"signature\":";
    if (kandydat->Sygnatura.Dlugosc == 0) {
      Wyjscie += "null";
    } else {
      DopiszNapisJson(Wyjscie, kandydat->Sygnatura.Tekst());
    }
    Wyjscie += ",\"pinned_bytes\":";
    DopiszLiczbe(Wyjscie, PrzypieteBajty(Wynik, kandydat));
    if (const TWynikSondy* sonda = WynikSondy(Wynik, kandydat)) {
      Wyjscie += ",\"probe\":";
      DopiszNapisJson(Wyjscie, sonda->Trafienie.Sonda);
      Wyjscie += ",\"offset\":";
      DopiszLiczbe(Wyjscie, sonda->Trafienie.Przesuniecie);
    }
    Wyjscie += "}}";
  }
  Wyjscie += "]}\n";
}

const std::string_view NaglowekCsv =
    "path,size,extension,recognised,extension_matches,candidate,type,category,programs,table,"
    "signature,link\r\n";

void DopiszCsv(std::string& Wyjscie, std::string_view Sciezka, const TRozpoznanie& Wynik) {
  // The file's own fields, repeated at the start of each of its rows.
  const std::size_t poczatek = Wyjscie.size();
  DopiszPoleCsv(Wyjscie, Sciezka);
  Wyjscie += ',';
  DopiszLiczbe(Wyjscie, Wynik.Odczyt.Rozmiar);
  Wyjscie += ',';
  DopiszPoleCsvZCp1250(Wyjscie, Wynik.Odczyt.Klucz.Rozszerzenie.Tekst());
  Wyjscie += ',';
  Wyjscie += TakNie(Wynik.Stan == TStan::Rozpoznany);
  Wyjscie += ',';
  Wyjscie += TakNie(RozszerzenieWsrodKandydatow(Wynik));
  Wyjscie += ',';
  const std::size_t dlugoscPlikowych = Wyjscie.size() - poczatek;
  if (Wynik.Kandydaci.empty()) {
    Wyjscie += ",,,,,,\r\n";
    return;
  }
  for (std::size_t i = 0; i < Wynik.Kandydaci.size(); ++i) {
    const TOpisPliku* kandydat = Wynik.Kandydaci[i];
    // Appending a piece of the text to itself could read it after it moved.
    if (i > 0) {
      Wyjscie.reserve(Wyjscie.size() + dlugoscPlikowych);
      Wyjscie.append(Wyjscie, poczatek, dlugoscPlikowych);
    }
    DopiszLiczbe(Wyjscie, i + 1);
    Wyjscie += ',';
    DopiszPoleCsvZCp1250(Wyjscie, kandydat->Typ.Tekst());
    Wyjscie += ',';
    DopiszPoleCsvZCp1250(Wyjscie, kandydat->Kategoria.Tekst());
    Wyjscie += ',';
    std::string& programy = Pole();
    DopiszProgramy(programy, *kandydat, "; ");
    DopiszPoleCsv(Wyjscie, programy);
    Wyjscie += ',';
    DopiszPoleCsv(Wyjscie, TabelaWiersza(*kandydat));
    Wyjscie += ',';
    DopiszPoleCsv(Wyjscie, kandydat->Sygnatura.Tekst());
    Wyjscie += ",\r\n";
  }
}

void DopiszOpisDowiazania(std::string& Wyjscie, std::string_view Sciezka, std::string_view Cel) {
  DopiszDoWyswietlenia(Wyjscie, Sciezka);
  Wyjscie += "\n  symbolic link to ";
  DopiszDoWyswietlenia(Wyjscie, Cel);
  Wyjscie += ", not followed\n";
}

void DopiszJsonDowiazania(std::string& Wyjscie, std::string_view Sciezka, std::string_view Cel) {
  Wyjscie += "{\"path\":";
  DopiszNapisJson(Wyjscie, Sciezka);
  Wyjscie += ",\"link\":";
  DopiszNapisJson(Wyjscie, Cel);
  Wyjscie += "}\n";
}

void DopiszCsvDowiazania(std::string& Wyjscie, std::string_view Sciezka, std::string_view Cel) {
  DopiszWierszCsv(Wyjscie, {Sciezka, "", "", "", "", "", "", "", "", "", "", Cel});
}
