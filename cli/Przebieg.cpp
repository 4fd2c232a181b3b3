#include "cli/Przebieg.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <exception>
#include <optional>
#include <thread>
#include <utility>
#include <vector>

#include "cli/Konsola.h"
#include "cli/Podsumowanie.h"
#include "cli/Postep.h"
#include "cli/Rownolegle.h"
#include "cli/Rozpoznanie.h"
#include "cli/Sciezki.h"
#include "cli/Terminal.h"
#include "cli/Wypis.h"
#include "cli/Wyswietlanie.h"

namespace {

// Files go to the threads in batches: handing work over costs a lock and a wake-up, which for
// one small file would cost as much as identifying it.
constexpr std::size_t PlikowWPaczce = 32;
// Batches in flight at once. Each file holds its folder open, so this also bounds the open
// handles: 256 files.
constexpr std::size_t OknoPaczek = 8;

// A file to identify, or a path the walk could not use or a symbolic link it did not follow,
// which only need reporting in their turn.
struct TZadanie {
  TPlikDoRozpoznania Plik;
  std::optional<std::string> Blad;
  std::optional<std::string> CelDowiazania;
};

// What one file gives the output, made on the thread that identified it: its text ends at
// KoniecWyjscia in its batch's output, where the text of the file before it ends it begins.
struct TWynikPliku {
  std::string Sciezka;
  std::size_t KoniecWyjscia = 0;
  std::string Komunikat;  // a line for standard error
  TSladPliku Slad;
};

// Output goes out in large pieces; error messages go straight to standard error, after the
// output so far, so that the two keep their order on a terminal.
class TWyjscie {
 public:
  explicit TWyjscie(TPostep& Postep) : postep_(Postep) {}

  void Dopisz(std::string_view Tekst) {
    bufor_ += Tekst;
    if (bufor_.size() >= RozmiarPorcji) Oproznij();
  }

  void Blad(const std::string& Komunikat) {
    Oproznij();
    std::fflush(stdout);
    postep_.Wyczysc();
    Wypisz(stderr, Komunikat);
  }

  // False when standard output could not take everything.
  bool Zakoncz() {
    Oproznij();
    return std::fflush(stdout) == 0 && std::ferror(stdout) == 0;
  }

 private:
  static constexpr std::size_t RozmiarPorcji = 1 << 16;

  void Oproznij() {
    if (bufor_.empty()) return;
    postep_.Wyczysc();
    // Through the console's own letters on Windows, so that names show as they are.
    Wypisz(stdout, bufor_);
    bufor_.clear();
  }

  TPostep& postep_;
  std::string bufor_;
};

using TPaczka = std::vector<TZadanie>;

// The paths of files whose results came back, kept for their storage: a new file's path is
// written into one of them rather than into a fresh allocation. Used by the walking thread
// alone, which also takes the results; holds no more than can be in flight at once.
class TZapasSciezek {
 public:
  std::string Wez(std::string_view Sciezka) {
    std::string wynik;
    if (!wolne_.empty()) {
      wynik = std::move(wolne_.back());
      wolne_.pop_back();
    }
    wynik.assign(Sciezka);
    return wynik;
  }

  void Oddaj(std::string&& Sciezka) {
    if (wolne_.size() < Najwiecej) wolne_.push_back(std::move(Sciezka));
  }

 private:
  static constexpr std::size_t Najwiecej = PlikowWPaczce * (OknoPaczek + 1);
  std::vector<std::string> wolne_;
};

// The files of a batch write into one text, not each into a text of its own.
struct TWynikiPaczki {
  std::string Wyjscie;
  std::vector<TWynikPliku> Pliki;
};

// The work of one thread: it keeps its buffers from file to file.
class TIdentyfikacja {
 public:
  explicit TIdentyfikacja(const TUstawienia& Ustawienia) : ustawienia_(Ustawienia) {}

  TWynikiPaczki operator()(TPaczka& Paczka) {
    TWynikiPaczki wyniki;
    wyniki.Pliki.reserve(Paczka.size());
    // As much as the longest batch so far took, so that the text is not grown piece by piece.
    wyniki.Wyjscie.reserve(najdluzszeWyjscie_);
    for (TZadanie& zadanie : Paczka) {
      wyniki.Pliki.push_back(Zidentyfikuj(zadanie, wyniki.Wyjscie));
      wyniki.Pliki.back().KoniecWyjscia = wyniki.Wyjscie.size();
    }
    najdluzszeWyjscie_ = std::max(najdluzszeWyjscie_, wyniki.Wyjscie.size());
    return wyniki;
  }

 private:
  TWynikPliku Zidentyfikuj(TZadanie& Zadanie, std::string& Wyjscie) {
    TWynikPliku wynik;
    if (Zadanie.Blad) {
      wynik.Sciezka = std::move(Zadanie.Plik.Sciezka);
      wynik.Komunikat = KomunikatBledu(wynik.Sciezka, *Zadanie.Blad);
      return wynik;
    }
    if (Zadanie.CelDowiazania) {
      wynik.Sciezka = std::move(Zadanie.Plik.Sciezka);
      wynik.Slad.Dowiazanie = true;
      if (!ustawienia_.TylkoNiezgodne) WypiszDowiazanie(Wyjscie, wynik, *Zadanie.CelDowiazania);
      return wynik;
    }
    // The path goes into the opening and comes back after it, not copied for each.
    TPlikDoOdczytu plik = Otworz(std::move(Zadanie.Plik));
    const std::string& sciezka = plik.Sciezka();
    // Nothing may escape a thread; whatever goes wrong with one file is that file's error, and
    // what it wrote is taken back.
    const std::size_t poczatek = Wyjscie.size();
    try {
      Rozpoznaj(plik, rozpoznanie_);
      if (ustawienia_.Uszereguj) UszeregujWedlugPrzypietych(rozpoznanie_);
      wynik.Slad = Slad(rozpoznanie_);
      if (rozpoznanie_.Stan == TStan::Nieczytelny) {
        wynik.Komunikat = KomunikatBledu(sciezka, rozpoznanie_.OpisBledu);
      } else if (!ustawienia_.TylkoNiezgodne || wynik.Slad.Niezgodne) {
        Wypisz(Wyjscie, sciezka);
      }
    } catch (const std::exception& e) {
      Wyjscie.resize(poczatek);
      wynik.Slad = {};
      wynik.Komunikat = KomunikatBledu(sciezka, e.what());
    }
    wynik.Sciezka = plik.OddajSciezke();
    return wynik;
  }

  void Wypisz(std::string& Wyjscie, std::string_view sciezka) {
    switch (ustawienia_.Format) {
      case TFormat::Tekst:
        DopiszOpis(Wyjscie, sciezka, rozpoznanie_, ustawienia_.Wyjasnij, teksty_);
        break;
      case TFormat::Json:
        DopiszJson(Wyjscie, sciezka, rozpoznanie_);
        break;
      case TFormat::Csv:
        DopiszCsv(Wyjscie, sciezka, rozpoznanie_);
        break;
    }
  }

  void WypiszDowiazanie(std::string& Wyjscie, const TWynikPliku& wynik,
                        const std::string& cel) const {
    switch (ustawienia_.Format) {
      case TFormat::Tekst:
        DopiszOpisDowiazania(Wyjscie, wynik.Sciezka, cel);
        break;
      case TFormat::Json:
        DopiszJsonDowiazania(Wyjscie, wynik.Sciezka, cel);
        break;
      case TFormat::Csv:
        DopiszCsvDowiazania(Wyjscie, wynik.Sciezka, cel);
        break;
    }
  }

  const TUstawienia& ustawienia_;
  TRozpoznanie rozpoznanie_;
  TTekstyWierszy teksty_;
  std::size_t najdluzszeWyjscie_ = 0;
};

unsigned LiczbaWatkow(unsigned zadana) {
  if (zadana != 0) return zadana;
  const unsigned rdzenie = std::thread::hardware_concurrency();
  return rdzenie == 0 ? 1 : rdzenie;
}

}  // namespace

int Uruchom(const std::vector<std::string>& Sciezki, const TUstawienia& Ustawienia) {
  const auto poczatek = TPostep::TZegar::now();
  TPostep postep(BledyNaTerminal(), stderr, SzerokoscTerminala(), poczatek);
  TWyjscie wyjscie(postep);
  TPodsumowanie podsumowanie;
  int kod = WszystkoRozpoznane;

  TZapasSciezek zapas;

  if (Ustawienia.Format == TFormat::Csv) wyjscie.Dopisz(std::string(NaglowekCsv));
  const auto odbierz = [&](TWynikiPaczki& wyniki) {
    const std::string_view tekst = wyniki.Wyjscie;
    std::size_t od = 0;
    for (TWynikPliku& wynik : wyniki.Pliki) {
      const std::string_view wyjsciePliku = tekst.substr(od, wynik.KoniecWyjscia - od);
      od = wynik.KoniecWyjscia;
      podsumowanie.Dolicz(wynik.Slad);
      if (!wynik.Slad.Dowiazanie && wynik.Slad.Stan == TStan::Nieczytelny) {
        kod = CosNieczytelne;
        wyjscie.Blad(wynik.Komunikat);
        continue;
      }
      if (wynik.Slad.Stan == TStan::Nierozpoznany && kod == WszystkoRozpoznane) {
        kod = CosNierozpoznane;
      }
      wyjscie.Dopisz(wyjsciePliku);
      postep.Plik(wynik.Sciezka);
    }
    for (TWynikPliku& wynik : wyniki.Pliki) zapas.Oddaj(std::move(wynik.Sciezka));
  };
  {
    TRownolegle<TPaczka, TWynikiPaczki> rownolegle(
        LiczbaWatkow(Ustawienia.Watki), OknoPaczek, [&] { return TIdentyfikacja(Ustawienia); },
        odbierz);
    TPaczka paczka;
    paczka.reserve(PlikowWPaczce);
    const auto dodaj = [&](TZadanie&& zadanie) {
      paczka.push_back(std::move(zadanie));
      if (paczka.size() < PlikowWPaczce) return;
      rownolegle.Dodaj(std::exchange(paczka, {}));
      paczka.reserve(PlikowWPaczce);
    };
    const auto naPlik = [&](const std::shared_ptr<const TFolder>& folder, std::string&& nazwa,
                            const std::string& sciezka) {
      dodaj({{folder, std::move(nazwa), zapas.Wez(sciezka)}, {}, {}});
    };
    const auto naDowiazanie = [&](const std::string& sciezka, const std::string& cel) {
      dodaj({{nullptr, {}, sciezka}, {}, cel});
    };
    const auto naBlad = [&](const std::string& sciezka, const std::string& opis) {
      dodaj({{nullptr, {}, sciezka}, opis, {}});
    };
    for (const std::string& sciezka : Sciezki) {
      PrzejdzSciezke(sciezka, Ustawienia.Rekurencyjnie, naPlik, naDowiazanie, naBlad);
    }
    if (!paczka.empty()) rownolegle.Dodaj(std::move(paczka));
    rownolegle.Zakoncz();
  }
  postep.Wyczysc();

  const double sekundy = std::chrono::duration<double>(TPostep::TZegar::now() - poczatek).count();
  if (Ustawienia.Podsumowanie) {
    if (Ustawienia.Format == TFormat::Json) {
      wyjscie.Dopisz(podsumowanie.Json(sekundy));
    } else {
      wyjscie.Blad(podsumowanie.Tekst(sekundy));
    }
  }
  if (!wyjscie.Zakoncz()) {
    Wypisz(stderr, KomunikatBledu("cannot write to standard output"));
    return CosNieczytelne;
  }
  return kod;
}
