#include "cli/Wyswietlanie.h"

#include <cstddef>
#include <optional>

#include "text/Szesnastkowo.h"
#include "text/Utf8.h"

namespace {

bool Sterujacy(char32_t z) {
  return z < 0x20 || (z >= 0x7F && z <= 0x9F) || (z >= 0x202A && z <= 0x202E) ||
         (z >= 0x2066 && z <= 0x2069);
}

void DopiszKodem(std::string& Wyjscie, std::string_view bajty) {
  for (const char c : bajty) {
    Wyjscie += "\\x";
    DopiszSzesnastkowo(Wyjscie, static_cast<unsigned char>(c));
  }
}

}  // namespace

void DopiszDoWyswietlenia(std::string& Wyjscie, std::string_view Tekst) {
  // Strict decoding matters here: a terminal may read an overlong form as the very control
  // this keeps out, so such bytes are shown as codes like any other invalid piece.
  for (std::size_t i = 0; i < Tekst.size();) {
    // Printable ASCII, most of any name, goes in as whole runs.
    const std::size_t zwykle = i;
    while (i < Tekst.size() && Tekst[i] >= 0x20 && Tekst[i] < 0x7F) ++i;
    Wyjscie.append(Tekst.substr(zwykle, i - zwykle));
    if (i == Tekst.size()) break;
    const std::size_t od = i;
    const std::optional<char32_t> znak = utf8::CzytajZnak(Tekst, i);
    const std::string_view bajty = Tekst.substr(od, i - od);
    if (!znak || Sterujacy(*znak)) {
      DopiszKodem(Wyjscie, bajty);
    } else {
      Wyjscie += bajty;
    }
  }
}

std::string DoWyswietlenia(std::string_view Tekst) {
  std::string wynik;
  wynik.reserve(Tekst.size());
  DopiszDoWyswietlenia(wynik, Tekst);
  return wynik;
}

std::string KomunikatBledu(std::string_view Sciezka, std::string_view Opis) {
  std::string komunikat = "rozpoznik-cli: ";
  DopiszDoWyswietlenia(komunikat, Sciezka);
  komunikat += ": ";
  DopiszDoWyswietlenia(komunikat, Opis);
  komunikat += '\n';
  return komunikat;
}

std::string KomunikatBledu(std::string_view Opis) {
  std::string komunikat = "rozpoznik-cli: ";
  DopiszDoWyswietlenia(komunikat, Opis);
  komunikat += '\n';
  return komunikat;
}
