#include "cli/Sciezki.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace {

// Handles of the folders nearest the current one stay open; those further up are let go and
// opened again from below when the walk comes back to them, so that a deep tree can't run out
// of handles.
constexpr std::size_t OtwartychPoziomow = 32;

// The entries in the byte order of their names, as std::string compares them. The first eight
// bytes of a name, read as one big-endian number, settle most comparisons without a call to
// memcmp: a folder of 10,000 files sorts in a third of the time.
void PosortujWedlugNazw(std::vector<TWpisFolderu>& wpisy) {
  struct TKlucz {
    std::uint64_t Poczatek;
    TWpisFolderu* Wpis;
  };
  std::vector<TKlucz> klucze;
  klucze.reserve(wpisy.size());
  for (TWpisFolderu& wpis : wpisy) {
    std::uint64_t poczatek = 0;
    // Names hold no zero byte, so a short name padded with zeros comes before its extensions.
    for (std::size_t i = 0; i < sizeof poczatek; ++i) {
      const auto bajt = i < wpis.Nazwa.size() ? static_cast<unsigned char>(wpis.Nazwa[i]) : 0u;
      poczatek = poczatek << 8 | bajt;
    }
    klucze.push_back({poczatek, &wpis});
  }
  std::ranges::sort(klucze, [](const TKlucz& a, const TKlucz& b) {
    return a.Poczatek != b.Poczatek ? a.Poczatek < b.Poczatek : a.Wpis->Nazwa < b.Wpis->Nazwa;
  });
  std::vector<TWpisFolderu> posortowane;
  posortowane.reserve(wpisy.size());
  for (const TKlucz& k : klucze) posortowane.push_back(std::move(*k.Wpis));
  wpisy = std::move(posortowane);
}

struct TPoziom {
  std::shared_ptr<const TFolder> Folder;  // empty while let go
  TTozsamoscFolderu Tozsamosc;
  std::vector<TWpisFolderu> Wpisy;  // sorted by name
  std::size_t Nastepny = 0;
  std::size_t DlugoscSciezki = 0;  // of this folder's path in the walk's one path
};

class TPrzejscie {
 public:
  TPrzejscie(const TNaPlik& NaPlik, const TNaDowiazanie& NaDowiazanie, const TNaBlad& NaBlad)
      : naPlik_(NaPlik), naDowiazanie_(NaDowiazanie), naBlad_(NaBlad) {}

  void Przejdz(std::unique_ptr<TFolder> korzen, std::string sciezka) {
    sciezka_ = std::move(sciezka);
    Wejdz(std::move(korzen));
    while (!stos_.empty()) {
      TPoziom& poziom = stos_.back();
      if (poziom.Nastepny == poziom.Wpisy.size()) {
        Wyjdz();
        continue;
      }
      const std::size_t i = poziom.Nastepny++;
      sciezka_.resize(poziom.DlugoscSciezki);
      DopiszNazwe(sciezka_, poziom.Wpisy[i].Nazwa);
      Odwiedz(poziom, std::move(poziom.Wpisy[i]));
    }
  }

 private:
  void Odwiedz(const TPoziom& poziom, TWpisFolderu&& wpis) {
    switch (wpis.Rodzaj) {
      case TRodzajWpisu::Plik:
        naPlik_(poziom.Folder, std::move(wpis.Nazwa), sciezka_);
        break;
      case TRodzajWpisu::Dowiazanie: {
        std::string blad;
        if (const std::optional<std::string> cel = poziom.Folder->CelDowiazania(wpis.Nazwa, blad)) {
          naDowiazanie_(sciezka_, *cel);
        } else {
          naBlad_(sciezka_, blad);
        }
        break;
      }
      case TRodzajWpisu::Nieregularny:
        naBlad_(sciezka_, "Not a regular file");
        break;
      case TRodzajWpisu::Folder: {
        std::string blad;
        std::unique_ptr<TFolder> podfolder = poziom.Folder->OtworzPodfolder(wpis.Nazwa, blad);
        if (!podfolder) {
          naBlad_(sciezka_, blad);
        } else {
          Wejdz(std::move(podfolder));
        }
        break;
      }
    }
  }

  void Wejdz(std::unique_ptr<TFolder> folder) {
    TPoziom poziom;
    std::string blad;
    if (!folder->Wypisz(poziom.Wpisy, blad)) {
      naBlad_(sciezka_, blad);
      return;
    }
    PosortujWedlugNazw(poziom.Wpisy);
    poziom.Tozsamosc = folder->Tozsamosc();
    poziom.Folder = std::move(folder);
    poziom.DlugoscSciezki = sciezka_.size();
    stos_.push_back(std::move(poziom));
    if (stos_.size() > OtwartychPoziomow)
      stos_[stos_.size() - 1 - OtwartychPoziomow].Folder.reset();
  }

  // Back to the parent, opened again from the folder just finished when it was let go. A parent
  // that has been moved meanwhile is left, and so are the let-go folders above it.
  void Wyjdz() {
    std::shared_ptr<const TFolder> dziecko = std::move(stos_.back().Folder);
    stos_.pop_back();
    while (!stos_.empty() && !stos_.back().Folder) {
      TPoziom& rodzic = stos_.back();
      std::string blad;
      sciezka_.resize(rodzic.DlugoscSciezki);
      rodzic.Folder = dziecko->OtworzNadrzedny(rodzic.Tozsamosc, sciezka_, blad);
      if (rodzic.Folder) return;
      naBlad_(sciezka_, blad);
      stos_.pop_back();
    }
  }

  const TNaPlik& naPlik_;
  const TNaDowiazanie& naDowiazanie_;
  const TNaBlad& naBlad_;
  std::vector<TPoziom> stos_;
  std::string sciezka_;  // the path of the entry at hand, grown and cut back as the walk goes
};

}  // namespace

TPlikDoOdczytu Otworz(TPlikDoRozpoznania Plik) {
  // A named path is also the name opened, which the opening must still see: that one is copied.
  if (!Plik.Folder) return TPlikDoOdczytu(FolderRoboczy(), Plik.Sciezka, true, Plik.Sciezka);
  return TPlikDoOdczytu(Plik.Folder->Uchwyt(), Plik.Nazwa, false, std::move(Plik.Sciezka));
}

void PrzejdzSciezke(const std::string& Sciezka, bool Rekurencyjnie, const TNaPlik& NaPlik,
                    const TNaDowiazanie& NaDowiazanie, const TNaBlad& NaBlad) {
  std::string blad;
  const std::optional<TRodzajWpisu> rodzaj = RodzajSciezki(Sciezka, blad);
  if (!rodzaj) {
    NaBlad(Sciezka, blad);
    return;
  }
  // The look at the path stands for the check before opening, as a folder's listing does.
  if (*rodzaj == TRodzajWpisu::Nieregularny) {
    NaBlad(Sciezka, "Not a regular file");
    return;
  }
  if (*rodzaj != TRodzajWpisu::Folder) {
    NaPlik(nullptr, {}, Sciezka);
    return;
  }
  if (!Rekurencyjnie) {
    NaBlad(Sciezka, "Is a directory (-r identifies the files in it)");
    return;
  }
  std::unique_ptr<TFolder> korzen = TFolder::Otworz(Sciezka, blad);
  if (!korzen) {
    NaBlad(Sciezka, blad);
    return;
  }
  TPrzejscie(NaPlik, NaDowiazanie, NaBlad).Przejdz(std::move(korzen), Sciezka);
}
