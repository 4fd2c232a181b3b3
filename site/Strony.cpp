#include "site/Strony.h"

#include "catalogue/Katalog.h"
#include "site/Kodowanie.h"

namespace {

std::string Strona(const std::string& Tytul, const std::string& Tresc) {
  return "<!DOCTYPE html>\n<html lang=\"pl\">\n<head>\n<meta charset=\"utf-8\">\n"
         "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
         "<title>" +
         DoHtml(Tytul) +
         "</title>\n<style>\n"
         "body{font-family:Tahoma,Verdana,sans-serif;max-width:60em;margin:2em auto;"
         "padding:0 1em;color:#222}\n"
         "table{border-collapse:collapse}td,th{border:1px solid #bbb;padding:.3em .5em;"
         "vertical-align:top;text-align:left}\n"
         "code{font-family:monospace;word-break:break-all}\n"
         "</style>\n</head>\n<body>\n<h1>" +
         DoHtml(Tytul) + "</h1>\n" + Tresc + "</body>\n</html>\n";
}

std::string Wersja(TWersja W) {
  return std::to_string(W.Glowna) + "." + std::to_string(W.Poboczna);
}

std::string Pobrania(const TUstawienia& Ustawienia) {
  if (Ustawienia.Pobrania.empty()) {
    return "<p>Pliki do pobrania nie zostały jeszcze opublikowane.</p>\n";
  }
  std::string html = "<table>\n<tr><th>Plik</th><th>Rozmiar (bajty)</th><th>SHA-256</th></tr>\n";
  for (const TPobranie& p : Ustawienia.Pobrania) {
    html += "<tr><td><a href=\"" + DoHtml(p.Adres) + "\">" + NazwaPobrania(p.Rodzaj) +
            "</a></td><td>" + std::to_string(p.Rozmiar) + "</td><td><code>" + p.Sha256 +
            "</code></td></tr>\n";
  }
  return html + "</table>\n";
}

std::string Lista(const std::vector<std::string>& Elementy) {
  std::string html = "<ul>\n";
  for (const std::string& e : Elementy) html += "<li>" + DoHtml(e) + "</li>\n";
  return html + "</ul>\n";
}

}  // namespace

std::string StronaGlowna(const TUstawienia& Ustawienia) {
  const std::size_t opisow = RozmiarBazyTekstowej + RozmiarBazyWzorcow + RozmiarBazySygnatur;
  return Strona(
      "Rozpoznik",
      "<p>Rozpoznik mówi, czym naprawdę jest plik, niezależnie od tego, co sugeruje jego nazwa. "
      "Naciśnij „Przeglądaj”, wybierz plik, a program pokaże jego typ, kategorię i programy, "
      "które go obsługują. Odpowiedź daje pierwszych 80 bajtów pliku porównanych z katalogiem "
      "wbudowanym w program.</p>\n"
      "<p>Katalog zna " +
          std::to_string(opisow) +
          " opisów rodzajów plików. Plik, którego program nie rozpozna, możesz nam zgłosić "
          "jednym kliknięciem, a kolejna wersja katalogu będzie go znała.</p>\n"
          "<p><img src=\"zrzut.png\" width=\"415\" height=\"393\" "
          "alt=\"Okno programu Rozpoznik z rozpoznanym plikiem\"></p>\n"
          "<h2>Pobierz wersję " +
          Wersja(Ustawienia.Najnowsza) + "</h2>\n" + Pobrania(Ustawienia) +
          "<p><a href=\"?s=rozszerzenia\">Co nowego w tej wersji</a></p>\n");
}

std::string StronaAktualizacji(const TUstawienia& Ustawienia) {
  std::string tresc = "<p>Najnowsza wersja programu to " + Wersja(Ustawienia.Najnowsza) + ".</p>\n";
  if (!Ustawienia.Nowosci.empty()) tresc += "<h2>Co nowego</h2>\n" + Lista(Ustawienia.Nowosci);
  tresc += "<h2>Pobierz</h2>\n" + Pobrania(Ustawienia) +
           "<p>Sumę SHA-256 pobranego pliku sprawdzisz poleceniem "
           "<code>sha256sum</code> (Linux) lub <code>certutil -hashfile PLIK SHA256</code> "
           "(Windows).</p>\n<p><a href=\"./\">Strona główna</a></p>\n";
  return Strona("Rozpoznik – aktualizacja", tresc);
}

std::string StronaPodziekowania() {
  return Strona("Dziękujemy za zgłoszenie",
                "<p>Dane pliku dotarły do nas. Dzięki nim kolejna wersja programu "
                "rozpozna ten rodzaj plików.</p>\n<p><a href=\"./\">Strona główna</a></p>\n");
}

std::string StronaOdrzuconegoZgloszenia(const std::string& Powod) {
  return Strona("Nie przyjęliśmy zgłoszenia",
                "<p>" + DoHtml(Powod) +
                    "</p>\n<p>Zgłoszenie nie zostało zapisane. Jeśli wysłał je program "
                    "Rozpoznik, zaktualizuj go do najnowszej wersji.</p>\n"
                    "<p><a href=\"./\">Strona główna</a></p>\n");
}

std::string StronaBledu(int Status) {
  std::string tytul = "Błąd";
  std::string opis = "Serwer nie mógł obsłużyć tego zapytania.";
  switch (Status) {
    case 400:
      tytul = "Błędne zapytanie";
      opis = "Serwer nie zrozumiał zapytania.";
      break;
    case 401:
      tytul = "Brak dostępu";
      opis = "Ta strona wymaga klucza dostępu.";
      break;
    case 404:
      tytul = "Nie ma takiej strony";
      opis = "Pod tym adresem nic nie ma.";
      break;
    case 405:
      tytul = "Niedozwolona metoda";
      opis = "Ta strona odpowiada tylko na GET.";
      break;
    case 414:
      tytul = "Za długi adres";
      opis = "Adres zapytania jest za długi.";
      break;
    case 429:
      tytul = "Za dużo zgłoszeń";
      opis = "Z tego adresu przyszło w ostatniej minucie zbyt wiele zgłoszeń. Spróbuj później.";
      break;
    case 431:
      tytul = "Za duże nagłówki";
      opis = "Nagłówki zapytania są za duże.";
      break;
    default:
      break;
  }
  return Strona(tytul, "<p>" + opis + "</p>\n<p><a href=\"./\">Strona główna</a></p>\n");
}

std::string StronaZgloszen(const std::vector<TGrupaZgloszen>& Grupy) {
  std::string tresc = "<p>Grup zgłoszeń: " + std::to_string(Grupy.size()) +
                      ". <a href=\"zgloszenia.csv\">Pobierz jako CSV</a></p>\n";
  if (Grupy.empty()) return Strona("Zgłoszenia", tresc + "<p>Nie ma jeszcze zgłoszeń.</p>\n");
  // The report holds the first 10 bytes only: what the program finds further in can't be looked
  // for here.
  tresc +=
      "<p>„Katalog dziś” zna tylko zgłoszone bajty: sondy, które program uruchamia dalej w pliku "
      "(archiwa tar, obrazy płyt i dysków, strumienie, pliki za znacznikiem ID3), tu działać nie "
      "mogą, więc plik, którego katalog tu nie rozpoznaje, program może rozpoznać.</p>\n";
  tresc +=
      "<table>\n<tr><th>Bajty</th><th>Rozsz.</th><th>Liczba</th><th>Pierwsze / ostatnie"
      "</th><th>Rozmiary</th><th>Typy u zgłaszających</th><th>Katalog dziś</th>"
      "<th>Proponowany wiersz</th></tr>\n";
  for (const TGrupaZgloszen& g : Grupy) {
    std::string typy;
    for (const auto& [nazwa, liczba] : g.Typy) {
      typy += (nazwa.empty() ? std::string("<i>(pusty)</i>") : DoHtml(nazwa)) + " (" +
              std::to_string(liczba) + ")<br>";
    }
    std::string katalog = "nie rozpoznaje";
    if (!g.RozpoznaneTypy.empty()) {
      katalog = "rozpoznaje:";
      for (const std::string& t : g.RozpoznaneTypy) katalog += "<br>" + DoHtml(t);
    }
    std::string wiersz = "<i>brak: rozszerzenie lub typ do uzupełnienia ręcznie</i>";
    if (!g.ProponowanyWiersz.empty()) {
      wiersz = "<code>" + DoHtml(g.ProponowanyWiersz) + "</code><br>" +
               (g.WstawPoSygnaturze.empty()
                    ? std::string("na początku tabeli")
                    : "po wierszu z sygnaturą <code>" + DoHtml(g.WstawPoSygnaturze) + "</code>");
    }
    tresc += "<tr><td><code>" + DoHtml(g.Bajty) + "</code></td><td>" + DoHtml(g.Rozszerzenie) +
             "</td><td>" + std::to_string(g.Liczba) + "</td><td>" + DoHtml(g.Pierwsze) + "<br>" +
             DoHtml(g.Ostatnie) + "</td><td>" + DoHtml(OpisRozmiarow(g)) + "</td><td>" + typy +
             "</td><td>" + katalog + "</td><td>" + wiersz + "</td></tr>\n";
  }
  return Strona("Zgłoszenia", tresc + "</table>\n");
}
