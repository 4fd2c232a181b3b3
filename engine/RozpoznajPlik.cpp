#include <algorithm>

#include "catalogue/IndeksWierszy.h"
#include "catalogue/PustyPlik.h"
#include "engine/ObslugaBaz.h"
#include "engine/Sondy.h"
#include "engine/TrescTekstu.h"
#include "engine/WierszeTekstowe.h"

namespace {

// A row fits when its signature begins the key; one longer than the key would want bytes past the
// file's end.
bool Miesci(const TOpisPliku& Klucz, const TOpisPliku& Wiersz) {
  return Wiersz.Sygnatura.Dlugosc <= Klucz.Sygnatura.Dlugosc && ZgodnyPrefiks(Klucz, Wiersz);
}

// The search by halving can step over a fitting row: a key 1F8B0808 passes between "1F8B0800"
// and "1F9D90" without meeting "1F8B08". Then the lookup lands on the first row of the longest
// fitting signature instead, so that no fitting row is lost; -1 when none fits.
int NajdluzszaZgodnaSygnatura(const TOpisPliku& Klucz, std::span<const TWpisIndeksu> wiersze) {
  int najlepszy = -1;
  std::size_t dlugosc = 0;
  for (const TWpisIndeksu& wpis : wiersze) {
    const std::size_t i = wpis.Wiersz;
    const std::size_t d = BazaSygnatur[i].Sygnatura.Dlugosc;
    if (d > dlugosc && indeks::MozePasowac(Klucz.Sygnatura.Tekst(), wpis) &&
        Miesci(Klucz, BazaSygnatur[i])) {
      najlepszy = static_cast<int>(i);
      dlugosc = d;
    }
  }
  return najlepszy;
}

void DodajZBazySygnatur(const TOpisPliku& Klucz, TKandydaci& kandydaci) {
  // Every row that can fit the key is among these, so the rows behind and before the one the
  // search lands on are looked for here alone.
  const std::size_t grupa = indeks::GrupaKlucza(Klucz.Sygnatura.Tekst());
  const std::span<const TWpisIndeksu> wiersze = IndeksBazySygnatur.Grupa(grupa);
  int n = grupa < ZakresySzukaniaBazySygnatur.size()
              ? SzukajSygnatury(Klucz, BazaSygnatur, ZakresySzukaniaBazySygnatur[grupa])
              : SzukajSygnatury(Klucz, BazaSygnatur);
  // The search stops at a row that the short key of a short file begins, too.
  if (n != -1 && !Miesci(Klucz, BazaSygnatur[static_cast<std::size_t>(n)])) n = -1;
  if (n == -1) n = NajdluzszaZgodnaSygnatura(Klucz, wiersze);
  if (n == -1) return;
  const auto trafiony = static_cast<std::uint16_t>(n);
  kandydaci.push_back(&BazaSygnatur[trafiony]);
  const auto dodaj = [&](const TWpisIndeksu& wpis) {
    if (indeks::MozePasowac(Klucz.Sygnatura.Tekst(), wpis) &&
        Miesci(Klucz, BazaSygnatur[wpis.Wiersz]))
      kandydaci.push_back(&BazaSygnatur[wpis.Wiersz]);
  };
  for (auto i = std::ranges::upper_bound(wiersze, trafiony, {}, &TWpisIndeksu::Wiersz);
       i != wiersze.end(); ++i) {
    dodaj(*i);
  }
  for (auto i = std::ranges::lower_bound(wiersze, trafiony, {}, &TWpisIndeksu::Wiersz);
       i != wiersze.begin();) {
    dodaj(*--i);
  }
}

// The rows of a pattern table that fit the key, in table order, appended; the index, where the
// table has one, leaves out the rows whose first byte, or last fixed byte, differs from the key's.
// `gwiazdki`: whether the key holds a "*".
void DodajPasujaceWzorce(const TOpisPliku& Klucz, bool gwiazdki, std::span<const TOpisPliku> tabela,
                         const TIndeksWierszy* indeksTabeli, TKandydaci& kandydaci) {
  const std::string_view tekstKlucza = Klucz.Sygnatura.Tekst();
  if (indeksTabeli == nullptr) {
    for (const TOpisPliku& wiersz : tabela) {
      if (PasujeDoWzorca(tekstKlucza, wiersz.Sygnatura.Tekst())) kandydaci.push_back(&wiersz);
    }
    return;
  }
  for (const TWpisIndeksu& wpis : indeksTabeli->Grupa(indeks::GrupaKlucza(tekstKlucza))) {
    if (!indeks::MozePasowac(Klucz.Sygnatura, gwiazdki, wpis)) continue;
    const TOpisPliku& wiersz = tabela[wpis.Wiersz];
    if (PasujeDoWzorca(tekstKlucza, wiersz.Sygnatura.Tekst())) kandydaci.push_back(&wiersz);
  }
}

// Only the catalogue's own supplement has an index; another table given for it is tried whole.
const TIndeksWierszy* IndeksSuplementu(const TSuplement& suplement) {
  const bool katalogu = suplement.Sygnatury.data() == SuplementSygnatur.data() &&
                        suplement.Sygnatury.size() == SuplementSygnatur.size();
  return katalogu ? &IndeksSuplementuSygnatur : nullptr;
}

bool RowneBezWielkosciLiter(std::string_view a, std::string_view b) {
  const auto wielka = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; };
  return std::ranges::equal(a, b, [&](char x, char y) { return wielka(x) == wielka(y); });
}

// Keeps only the candidates with the file's own extension, when there are any. Letter case is
// ignored both when looking for one and when removing the others: catalogue extensions hold no
// lower-case letters and the key's are upper-cased, so this equals an exact test for every key
// the program builds, and at least one candidate always stays.
void ZostawWlasneRozszerzenie(std::string_view rozszerzenie, TKandydaci& kandydaci) {
  const auto inne = [&](const TOpisPliku* wiersz) {
    return !RowneBezWielkosciLiter(wiersz->Rozszerzenie.Tekst(), rozszerzenie);
  };
  if (std::ranges::all_of(kandydaci, inne)) return;
  std::erase_if(kandydaci, inne);
}

bool NazwaFormatuTekstowego(std::string_view rozszerzenie, const TSuplement& suplement) {
  // A name without an extension claims nothing, though the supplement has a row for such text.
  if (rozszerzenie.empty()) return false;
  bool jest = false;
  const auto znaleziony = [&](const TOpisPliku&) { jest = true; };
  KazdyWierszRozszerzenia(BazaTekstowa, rozszerzenie, znaleziony);
  KazdyWierszRozszerzenia(suplement.Tekstowe, rozszerzenie, znaleziony);
  return jest;
}

// A signature outweighs what a text file's name says when it pins enough bytes not to be the
// start of ordinary text, or when it names the file's own extension and so agrees with it.
bool Rozstrzygajacy(const TOpisPliku* wiersz, std::string_view rozszerzenie) {
  return PrzypieteBajty(*wiersz) >= BajtyRozstrzygajace ||
         RowneBezWielkosciLiter(wiersz->Rozszerzenie.Tekst(), rozszerzenie);
}

// `Plik` serves the text test and the probes; without a file neither is looked at.
bool Dopasuj(const TOpisPliku& Klucz, TPlikDoOdczytu* Plik, TKandydaci& Kandydaci,
             TWynikiSond* Sondy, const TSuplement& Suplement);

}  // namespace

namespace {

int SzukajMiedzy(const TOpisPliku& Klucz, std::span<const TOpisPliku> Tabela, std::ptrdiff_t dol,
                 std::ptrdiff_t gora) {
  const std::string_view klucz = Klucz.Sygnatura.Tekst();
  while (gora > dol + 1) {
    const std::ptrdiff_t srodek = (dol + gora) / 2;
    const std::string_view wiersz = Tabela[static_cast<std::size_t>(srodek)].Sygnatura.Tekst();
    // One pass makes both of the search's tests: no difference within the shorter text is
    // ZgodnyPrefiks, and otherwise the first difference orders the two as SygnaturaNieWieksza.
    const std::size_t n = std::min(wiersz.size(), klucz.size());
    const auto [w, k] = std::mismatch(wiersz.begin(), wiersz.begin() + n, klucz.begin());
    if (w == wiersz.begin() + n) return static_cast<int>(srodek);
    if (static_cast<unsigned char>(*w) < static_cast<unsigned char>(*k)) {
      dol = srodek;
    } else {
      gora = srodek;
    }
  }
  return -1;
}

}  // namespace

int SzukajSygnatury(const TOpisPliku& Klucz, std::span<const TOpisPliku> Tabela) {
  return SzukajMiedzy(Klucz, Tabela, -1, static_cast<std::ptrdiff_t>(Tabela.size()));
}

int SzukajSygnatury(const TOpisPliku& Klucz, std::span<const TOpisPliku> Tabela,
                    TZakresSzukania Zakres) {
  return SzukajMiedzy(Klucz, Tabela, Zakres.Dol, Zakres.Gora);
}

bool RozpoznajPlik(const TOpisPliku& Klucz, TPlikDoOdczytu& Plik, TKandydaci& Kandydaci,
                   TWynikiSond& Sondy, const TSuplement& Suplement) {
  return Dopasuj(Klucz, &Plik, Kandydaci, &Sondy, Suplement);
}

bool RozpoznajPlik(const TOpisPliku& Klucz, TPlikDoOdczytu& Plik, TKandydaci& Kandydaci,
                   const TSuplement& Suplement) {
  TWynikiSond sondy;
  return Dopasuj(Klucz, &Plik, Kandydaci, &sondy, Suplement);
}

bool RozpoznajKlucz(const TOpisPliku& Klucz, TKandydaci& Kandydaci, const TSuplement& Suplement) {
  return Dopasuj(Klucz, nullptr, Kandydaci, nullptr, Suplement);
}

namespace {

bool Dopasuj(const TOpisPliku& Klucz, TPlikDoOdczytu* Plik, TKandydaci& Kandydaci,
             TWynikiSond* Sondy, const TSuplement& Suplement) {
  Kandydaci.clear();
  if (Sondy != nullptr) Sondy->clear();
  // Every pattern would fit nothing and every text table would guess from the name alone.
  if (Klucz.Sygnatura.Dlugosc == 0) {
    Kandydaci.push_back(&OpisPustegoPliku);
    return true;
  }
  DodajZBazySygnatur(Klucz, Kandydaci);

  const std::string_view tekstKlucza = Klucz.Sygnatura.Tekst();
  const bool gwiazdki = tekstKlucza.find('*') != std::string_view::npos;
  DodajPasujaceWzorce(Klucz, gwiazdki, BazaWzorcow, &IndeksBazyWzorcow, Kandydaci);
  // The text tables are consulted exactly where the three tables alone would consult them, so
  // that a text file keeps its text-table answer when a supplement row fits it too.
  const bool tekstPominiety = !Kandydaci.empty();

  // A supplement row without "*" is a prefix, which the pattern test takes as it is.
  const std::size_t przedSuplementem = Kandydaci.size();
  DodajPasujaceWzorce(Klucz, gwiazdki, Suplement.Sygnatury, IndeksSuplementu(Suplement), Kandydaci);
  // The supplement's own text formats are a guess from the name alone; where one of its rows
  // knew the content, that answer stands without them (a PEM certificate named without an
  // extension is not shown as plain text without one).
  const bool suplementZnalazl = Kandydaci.size() > przedSuplementem;

  const std::string_view rozszerzenie = Klucz.Rozszerzenie.Tekst();
  // "10,20,30" in a .csv is not a WINAL file, nor "[" in a .json an INI file: a few printable
  // bytes are as likely the start of any text, and the name is the better witness.
  // The name first: through the extension index it costs less than reading the whole key, which
  // most binary files pass (bytes from 0x80 up count as text).
  const bool tekstNajpierw =
      !Kandydaci.empty() && NazwaFormatuTekstowego(rozszerzenie, Suplement) &&
      CzyTekstowyKlucz(tekstKlucza) && std::ranges::none_of(Kandydaci, [&](const TOpisPliku* w) {
        return Rozstrzygajacy(w, rozszerzenie);
      });
  // The text rows are appended behind the signatures', where the catalogue puts them, and moved
  // before them below when the name decides.
  const std::size_t przedTekstowymi = Kandydaci.size();
  const auto dodajTekstowe = [&](std::span<const TOpisPliku> tabela) {
    KazdyWierszRozszerzenia(tabela, rozszerzenie,
                            [&](const TOpisPliku& wiersz) { Kandydaci.push_back(&wiersz); });
  };
  // A name without an extension says nothing, so the content is heard even when a signature of a
  // few printable bytes fitted: its lines tell JSON from an INI file where "[" can't. A signature
  // that pins a header ("-----BEGIN CERTIFICATE", "#!/bin/sh") has said it already. This look is
  // the supplement's own: a file that can't be read keeps the answer the signatures gave.
  const bool tekstBezNazwy = rozszerzenie.empty() && tekstPominiety && Plik != nullptr &&
                             Plik->Otwarty() && CzyTekstowyKlucz(tekstKlucza) &&
                             std::ranges::none_of(Kandydaci, [](const TOpisPliku* w) {
                               return PrzypieteBajty(*w) >= BajtyRozstrzygajace;
                             });
  if ((tekstNajpierw || !tekstPominiety || tekstBezNazwy) && Plik != nullptr &&
      CzyPlikTekstowy(*Plik)) {
    const TOpisPliku* zTresci = rozszerzenie.empty() ? WierszZTresci(*Plik, Suplement) : nullptr;
    if (zTresci != nullptr) {
      Kandydaci.push_back(zTresci);
    } else if (!tekstBezNazwy) {
      dodajTekstowe(BazaTekstowa);
      if (tekstNajpierw || !suplementZnalazl) dodajTekstowe(Suplement.Tekstowe);
    }
  }
  if (tekstNajpierw) {
    std::rotate(Kandydaci.begin(), Kandydaci.begin() + static_cast<std::ptrdiff_t>(przedTekstowymi),
                Kandydaci.end());
  }
  // The second look only adds, behind everything the first 80 bytes gave.
  if (Plik != nullptr && Sondy != nullptr)
    DodajZSond(Klucz, *Plik, Suplement.Sondy, Kandydaci, *Sondy);

  if (Kandydaci.empty()) return false;
  ZostawWlasneRozszerzenie(rozszerzenie, Kandydaci);
  return true;
}

}  // namespace

bool RozpoznajPlik(const TOpisPliku& Klucz, const std::string& NazwaPliku,
                   TListaTekstow& ListaTypow, TListaTekstow& ListaRozszerzen,
                   TListaTekstow& ListaKategorii, TListaTekstow& ListaProgramow,
                   const TSuplement& Suplement) {
  TKandydaci kandydaci;
  TPlikDoOdczytu plik(NazwaPliku);
  // The lists are emptied first, also for a lookup that ends in the text test's error.
  WypelnijListy({}, ListaTypow, ListaRozszerzen, ListaKategorii, ListaProgramow);
  const bool znaleziony = RozpoznajPlik(Klucz, plik, kandydaci, Suplement);
  WypelnijListy(kandydaci, ListaTypow, ListaRozszerzen, ListaKategorii, ListaProgramow);
  return znaleziony;
}

void WypelnijListy(const TKandydaci& Kandydaci, TListaTekstow& ListaTypow,
                   TListaTekstow& ListaRozszerzen, TListaTekstow& ListaKategorii,
                   TListaTekstow& ListaProgramow) {
  ListaTypow.clear();
  ListaKategorii.clear();
  ListaProgramow.clear();
  ListaRozszerzen.clear();
  for (const TOpisPliku* wiersz : Kandydaci) {
    ListaTypow.emplace_back(wiersz->Typ.Tekst());
    ListaKategorii.emplace_back(wiersz->Kategoria.Tekst());
    ListaProgramow.emplace_back(wiersz->Programy.Tekst());
    ListaRozszerzen.emplace_back(wiersz->Rozszerzenie.Tekst());
  }
}
