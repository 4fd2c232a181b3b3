// A file identified as the program identifies it: its key and the lookup against the rules written
// out once more by brute force: the key holds the bytes the file has, an empty file has its one
// answer, a signature row fits when the key begins with it, a pattern fits position by position
// with only "*" past the key's end, the text tables are asked when nothing else fits and every byte
// is text, or, before the signatures, when the name is a text format's and every fitting signature
// is short and of another extension; a text file without an extension has the format its lines
// show instead, also behind short signatures; and the extension filter keeps the candidates with
// the file's own extension when there are any. What the probes found past the key stands behind
// all of it, before that filter: each found row is a probe's, its bytes are the file's own at its
// offset, and a probe of fixed places finds its mark there.
//
// Input: one byte n, then n bytes of the file's name, then the file's content.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/Katalog.h"
#include "catalogue/PustyPlik.h"
#include "engine/Rozpoznanie.h"
#include "engine/Sondy.h"
#include "engine/TrescTekstu.h"
#include "fuzz/FolderProcesu.h"
#include "text/Cp1250.h"

namespace {

std::string Szesnastkowo(std::string_view bajty) {
  std::string wynik;
  for (std::size_t i = 0; i < DlugoscPoczatku; ++i) {
    const unsigned b = i < bajty.size() ? static_cast<unsigned char>(bajty[i]) : 0u;
    wynik += "0123456789ABCDEF"[b / 16];
    wynik += "0123456789ABCDEF"[b % 16];
  }
  return wynik;
}

char Wielka(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// The name is cut at the last separator before anything is decoded: no byte of an invalid or
// overlong sequence may stand for one.
std::string Rozszerzenie(std::string_view sciezka) {
  const std::size_t granica = sciezka.find_last_of(".\\:/");
  if (granica == std::string_view::npos || sciezka[granica] != '.') return {};
  std::string wynik = cp1250::ZUtf8(sciezka.substr(granica + 1));
  std::ranges::transform(wynik, wynik.begin(), Wielka);
  return wynik.substr(0, 6);
}

bool Tekstowy(std::string_view tresc) {
  return std::ranges::none_of(tresc, [](char c) {
    const auto b = static_cast<unsigned char>(c);
    return b < 0x08 || (b > 0x0D && b < 0x20) || b == 0x7F;
  });
}

bool PasujeWzorzec(std::string_view klucz, std::string_view wzorzec) {
  for (std::size_t i = 0; i < wzorzec.size(); ++i) {
    if (wzorzec[i] != '*' && (i >= klucz.size() || wzorzec[i] != klucz[i])) return false;
  }
  return true;
}

std::size_t Przypiete(std::string_view sygnatura) {
  std::size_t n = 0;
  for (std::size_t i = 0; i + 1 < sygnatura.size(); i += 2) {
    n += sygnatura[i] != '*' && sygnatura[i + 1] != '*' ? 1 : 0;
  }
  return n;
}

bool RowneBezWielkosci(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::ranges::equal(a, b, [](char x, char y) { return Wielka(x) == Wielka(y); });
}

// The candidates the rules give when the search lands on signature row `trafiony`.
TKandydaci WedlugRegul(const std::vector<std::size_t>& sygnatury, std::size_t trafiony,
                       const TKandydaci& wzorce, const TKandydaci& suplement,
                       const TKandydaci& tekstowe, const TKandydaci& sondy, bool tekstNajpierw,
                       std::string_view rozszerzenie) {
  TKandydaci wynik;
  if (tekstNajpierw) wynik = tekstowe;
  if (!sygnatury.empty()) wynik.push_back(&BazaSygnatur[trafiony]);
  for (const std::size_t i : sygnatury) {
    if (i > trafiony) wynik.push_back(&BazaSygnatur[i]);
  }
  for (auto i = sygnatury.rbegin(); i != sygnatury.rend(); ++i) {
    if (*i < trafiony) wynik.push_back(&BazaSygnatur[*i]);
  }
  wynik.insert(wynik.end(), wzorce.begin(), wzorce.end());
  wynik.insert(wynik.end(), suplement.begin(), suplement.end());
  if (!tekstNajpierw) wynik.insert(wynik.end(), tekstowe.begin(), tekstowe.end());
  wynik.insert(wynik.end(), sondy.begin(), sondy.end());
  if (std::ranges::any_of(wynik, [&](const TOpisPliku* w) {
        return RowneBezWielkosci(w->Rozszerzenie.Tekst(), rozszerzenie);
      })) {
    std::erase_if(wynik,
                  [&](const TOpisPliku* w) { return w->Rozszerzenie.Tekst() != rozszerzenie; });
  }
  return wynik;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  UtworzFolderProcesu();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar) {
  if (rozmiar == 0) return 0;
  const std::string_view wejscie(reinterpret_cast<const char*>(dane), rozmiar);
  const std::size_t dlugoscNazwy = std::min<std::size_t>(wejscie[0] & 0xFF, wejscie.size() - 1);
  // A name the file system takes: no "/" or NUL, never empty, "." or "..".
  std::string nazwa =
      "k" + std::string(wejscie.substr(1, std::min<std::size_t>(dlugoscNazwy, 200)));
  std::ranges::replace(nazwa, '/', '_');
  std::ranges::replace(nazwa, '\0', '_');
  const std::string_view tresc = wejscie.substr(1 + dlugoscNazwy);
  const std::string sciezka = SciezkaWFolderzeProcesu(nazwa);
  std::ofstream(sciezka, std::ios::binary)
      .write(tresc.data(), static_cast<std::streamsize>(tresc.size()));

  TRozpoznanie wynik;
  Rozpoznaj(sciezka, wynik);
  Sprawdz(wynik.Stan != TStanRozpoznania::Nieczytelny && wynik.OpisBledu.empty());
  const TOdczytPliku* odczyt = &wynik.Odczyt;
  const std::string hex = Szesnastkowo(tresc);
  const std::string klucz = hex.substr(0, 2 * std::min(tresc.size(), DlugoscPoczatku));
  Sprawdz(odczyt->TekstSzesnastkowy == hex && odczyt->Klucz.Sygnatura.Tekst() == klucz);
  Sprawdz(odczyt->Rozmiar == static_cast<std::int64_t>(tresc.size()));
  const std::string rozszerzenie = Rozszerzenie(sciezka);
  Sprawdz(odczyt->Klucz.Rozszerzenie.Tekst() == rozszerzenie);
  Sprawdz(odczyt->Klucz.Typ.Tekst().empty() && odczyt->Klucz.Kategoria.Tekst().empty() &&
          odczyt->Klucz.Programy.Tekst().empty());

  const TKandydaci& kandydaci = wynik.Kandydaci;
  Sprawdz((wynik.Stan == TStanRozpoznania::Rozpoznany) == !kandydaci.empty());
  if (tresc.empty()) {
    Sprawdz(kandydaci == TKandydaci{&OpisPustegoPliku});
    std::filesystem::remove(sciezka);
    return 0;
  }

  std::vector<std::size_t> sygnatury;
  for (std::size_t i = 0; i < BazaSygnatur.size(); ++i) {
    if (klucz.starts_with(BazaSygnatur[i].Sygnatura.Tekst())) sygnatury.push_back(i);
  }
  TKandydaci wzorce;
  for (const TOpisPliku& w : BazaWzorcow) {
    if (PasujeWzorzec(klucz, w.Sygnatura.Tekst())) wzorce.push_back(&w);
  }
  TKandydaci suplement;
  for (const TOpisPliku& w : SuplementSygnatur) {
    if (PasujeWzorzec(klucz, w.Sygnatura.Tekst())) suplement.push_back(&w);
  }
  const auto tegoRozszerzenia = [&](const TOpisPliku& w) {
    return w.Rozszerzenie.Tekst() == rozszerzenie;
  };
  const bool nazwaTekstowa =
      !rozszerzenie.empty() && (std::ranges::any_of(BazaTekstowa, tegoRozszerzenia) ||
                                std::ranges::any_of(SuplementTekstowy, tegoRozszerzenia));
  const auto rozstrzyga = [&](const TOpisPliku& w) {
    return Przypiete(w.Sygnatura.Tekst()) >= 9 ||
           RowneBezWielkosci(w.Rozszerzenie.Tekst(), rozszerzenie);
  };
  bool rozstrzygajacy =
      std::ranges::any_of(sygnatury, [&](std::size_t i) { return rozstrzyga(BazaSygnatur[i]); });
  for (const TKandydaci* grupa : {&wzorce, &suplement}) {
    for (const TOpisPliku* w : *grupa) rozstrzygajacy = rozstrzygajacy || rozstrzyga(*w);
  }
  const bool podpisy = !sygnatury.empty() || !wzorce.empty() || !suplement.empty();
  const bool tekstNajpierw = podpisy && nazwaTekstowa && !rozstrzygajacy;
  // A text file without an extension: the format its lines show (that classifier is not restated
  // here, only where its answer goes) stands for the text rows, and is added behind signatures
  // that pin no header.
  const bool pominiety = !sygnatury.empty() || !wzorce.empty();
  const std::string_view zTresci =
      rozszerzenie.empty() && Tekstowy(tresc) ? RozszerzenieZTresci(tresc.substr(0, 4096)) : "";
  const TOpisPliku* wierszTresci = nullptr;
  for (const auto& tabela : {std::span<const TOpisPliku>(BazaTekstowa),
                             std::span<const TOpisPliku>(SuplementTekstowy)}) {
    for (const TOpisPliku& w : tabela) {
      if (wierszTresci == nullptr && !zTresci.empty() && w.Rozszerzenie.Tekst() == zTresci) {
        wierszTresci = &w;
      }
    }
  }
  bool naglowek = std::ranges::any_of(
      sygnatury, [&](std::size_t i) { return Przypiete(BazaSygnatur[i].Sygnatura.Tekst()) >= 9; });
  for (const TKandydaci* grupa : {&wzorce, &suplement}) {
    for (const TOpisPliku* w : *grupa) naglowek = naglowek || Przypiete(w->Sygnatura.Tekst()) >= 9;
  }
  TKandydaci tekstowe;
  if (wierszTresci != nullptr && (!pominiety || !naglowek)) {
    tekstowe.push_back(wierszTresci);
  } else if ((tekstNajpierw || !pominiety) && Tekstowy(tresc)) {
    for (const TOpisPliku& w : BazaTekstowa) {
      if (tegoRozszerzenia(w)) tekstowe.push_back(&w);
    }
    // The supplement's text formats only where none of its rows knew the content, or where the
    // name decides.
    for (const TOpisPliku& w : SuplementTekstowy) {
      if ((tekstNajpierw || suplement.empty()) && tegoRozszerzenia(w)) tekstowe.push_back(&w);
    }
  }

  // A row the extension filter let go would have been let go beside the others as well, so the
  // probes' rows that stayed are the ones to put back.
  TKandydaci sondy;
  for (const TWynikSondy& s : wynik.Sondy) {
    const TTrafienieSondy& t = s.Trafienie;
    // A probe's own row, or a candidate of the first 80 bytes that it confirmed.
    const bool wlasnySondy = TabelaWiersza(*t.Wiersz) == "SuplementSond" ||
                             TabelaWiersza(*t.Wiersz) == "SuplementKontenerow";
    Sprawdz(wlasnySondy || std::ranges::find(kandydaci, t.Wiersz) != kandydaci.end());
    Sprawdz(t.Przesuniecie >= 0 && t.Przesuniecie < static_cast<std::int64_t>(tresc.size()));
    const auto od = static_cast<std::size_t>(t.Przesuniecie);
    Sprawdz(s.Bajty == Szesnastkowo(tresc.substr(od)).substr(0, s.Bajty.size()));
    const auto sonda = std::ranges::find(TabelaSond, t.Sonda, &TSonda::Nazwa);
    Sprawdz(sonda != TabelaSond.end());
    if (!sonda->Znak.empty()) {
      const std::string_view bajty = tresc.substr(od, sonda->Znak.size() / 2);
      Sprawdz(bajty.size() == sonda->Znak.size() / 2 &&
              PasujeWzorzec(Szesnastkowo(bajty), sonda->Znak));
    }
    if (wlasnySondy) sondy.push_back(t.Wiersz);
  }

  // Which fitting row the search lands on is the search's business; the rest follows from it.
  bool zgodny = false;
  if (sygnatury.empty()) {
    zgodny = kandydaci ==
             WedlugRegul({}, 0, wzorce, suplement, tekstowe, sondy, tekstNajpierw, rozszerzenie);
  }
  for (const std::size_t trafiony : sygnatury) {
    zgodny = zgodny || kandydaci == WedlugRegul(sygnatury, trafiony, wzorce, suplement, tekstowe,
                                                sondy, tekstNajpierw, rozszerzenie);
  }
  Sprawdz(zgodny);
  std::filesystem::remove(sciezka);
  return 0;
}
