#include "window/ZglosNieznanyPlik.h"

#include "text/Cp1250.h"
#include "update/GraniceZgloszenia.h"
#include "window/Pulpit.h"

static_assert(sizeof(TOpisPliku{}.Rozszerzenie.Znaki) <= NajdluzszeRozszerzenie,
              "a key's extension must fit a report");

TDaneZgloszenia DaneZgloszenia(const TOpisPliku& Klucz, std::string_view TekstSzesnastkowy,
                               std::int64_t Rozmiar, std::string TypSystemowy) {
  // The site refuses a report whose type name is longer, and desktops know longer names.
  if (TypSystemowy.size() > NajdluzszyTyp) TypSystemowy.resize(NajdluzszyTyp);
  return {std::string(TekstSzesnastkowy.substr(0, CyfryBajtowZgloszenia)),
          std::string(Klucz.Rozszerzenie.Tekst()), std::move(TypSystemowy),
          std::to_string(Rozmiar)};
}

std::string KomunikatZgloszenia(const TDaneZgloszenia& Dane) {
  const std::string wiersze[] = {
      cp1250::ZUtf8("Nie udało się ustalić typu danego pliku."),
      cp1250::ZUtf8("Pierwsze 10 bajtów tego pliku oraz jego rozszerzenie:"),
      "",
      "Bajty: " + Dane.Bajty,
      "Rozszerzenie: " + Dane.Rozszerzenie,
      "Typ pliku: " + Dane.Typ,
      "Rozmiar: " + Dane.Rozmiar,
      "",
      cp1250::ZUtf8("Naciśnij OK, aby przesłać powyższe dane na nasz serwer,"),
      cp1250::ZUtf8("abyśmy mogli udoskonalić nasz program, żeby rozpoznawał"),
      cp1250::ZUtf8("ten rodzaj plików."),
  };
  std::string komunikat;
  for (const std::string& wiersz : wiersze) {
    if (&wiersz != &wiersze[0]) komunikat += '\r';
    komunikat += wiersz;
  }
  return komunikat;
}

void ZglosNieznanyPlik(TPulpit& Pulpit, const TWitryna& Witryna, const std::string& Sciezka,
                       const TOpisPliku& Klucz, std::string_view TekstSzesnastkowy,
                       std::int64_t Rozmiar) {
  const TDaneZgloszenia dane =
      DaneZgloszenia(Klucz, TekstSzesnastkowy, Rozmiar, Pulpit.PobierzTypSystemowy(Sciezka));
  if (!Pulpit.PotwierdzOkAnuluj(KomunikatZgloszenia(dane))) return;
  Pulpit.OtworzAdres(Witryna.AdresZgloszenia(dane));
}
