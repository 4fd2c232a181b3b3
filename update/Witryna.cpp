#include "update/Witryna.h"

#include "text/Szesnastkowo.h"
#include "update/AdresBazowy.h"

namespace {

bool Niezastrzezony(unsigned char Znak) {
  return (Znak >= 'A' && Znak <= 'Z') || (Znak >= 'a' && Znak <= 'z') ||
         (Znak >= '0' && Znak <= '9') || Znak == '-' || Znak == '.' || Znak == '_' || Znak == '~';
}

// Only spaces: the site has always read the caption that way, and nothing else in it needs it.
std::string ZamienSpacje(std::string_view Tekst) {
  std::string wynik;
  for (const char znak : Tekst) {
    if (znak == ' ') {
      wynik += "%20";
    } else {
      wynik += znak;
    }
  }
  return wynik;
}

}  // namespace

std::string TWitryna::AdresZapytaniaOWersje(int Liczba, std::string_view TytulOkna) const {
  return adresBazowy_ + "aktual.php?rand=" + std::to_string(Liczba) +
         "&program=" + ZamienSpacje(TytulOkna);
}

std::string TWitryna::AdresStronyAktualizacji() const {
  return adresBazowy_ + "?s=rozszerzenia";
}

std::string TWitryna::AdresZgloszenia(const TDaneZgloszenia& Dane) const {
  return adresBazowy_ + "?s=rozpoznik_dodaj&ext=" + KodujWartoscAdresu(Dane.Rozszerzenie) +
         "&bajty=" + KodujWartoscAdresu(Dane.Bajty) + "&typ=" + KodujWartoscAdresu(Dane.Typ) +
         "&rozm=" + KodujWartoscAdresu(Dane.Rozmiar);
}

TWitryna WitrynaProgramu() {
  return TWitryna(AdresBazowyWitryny);
}

std::string KodujWartoscAdresu(std::string_view Wartosc) {
  std::string wynik;
  for (const char c : Wartosc) {
    const auto znak = static_cast<unsigned char>(c);
    if (Niezastrzezony(znak)) {
      wynik += c;
    } else {
      wynik += '%';
      DopiszSzesnastkowo(wynik, znak);
    }
  }
  return wynik;
}
