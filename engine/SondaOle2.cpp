// An OLE2 compound file is a small file system; what a document is, its directory says: the root
// entry's class and the names of the streams and storages at the top level. The directory's
// sectors are followed through the allocation table (FAT) for as long as the budget lasts, and the
// top level is read from the directory's tree of siblings.

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>
#include <string_view>
#include <vector>

#include "catalogue/SuplementKontenerow.h"
#include "engine/CzytnikSondy.h"
#include "engine/SondyKontenerow.h"

namespace {

using le::Liczba16;
using le::Liczba32;

constexpr std::size_t DlugoscNaglowka = 512;
constexpr std::size_t DlugoscWpisu = 128;
// Sector numbers from here on mark the end of a chain, free sectors and the like.
constexpr std::uint32_t OstatniSektor = 0xFFFFFFFA;
constexpr std::uint32_t BrakWpisu = 0xFFFFFFFF;
// The header lists the first 109 sectors of the allocation table; a directory whose chain lies
// past what they map is out of reach.
constexpr std::size_t SektoryFatWNaglowku = 109;

constexpr std::array<unsigned char, 16> KlasaMsi = {0x84, 0x10, 0x0C, 0x00, 0x00, 0x00, 0x00, 0x00,
                                                    0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46};
constexpr std::array<unsigned char, 16> KlasaMsp = {0x86, 0x10, 0x0C, 0x00, 0x00, 0x00, 0x00, 0x00,
                                                    0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46};
// Windows Installer writes its tables' names in an encoding of its own, the table names after
// this one character.
constexpr char16_t ZnakTabeliMsi = 0x4840;

class TKatalogOle2 {
 public:
  TKatalogOle2(TCzytnikSondy& Czytnik, const unsigned char* Naglowek)
      : czytnik_(Czytnik), sektor_(std::size_t{1} << Liczba16(Naglowek + 0x1E)) {
    for (std::size_t i = 0; i < SektoryFatWNaglowku; ++i)
      fat_[i] = Liczba32(Naglowek + 0x4C + 4 * i);
  }

  // Reads the chain from its first sector until the top level is complete, the chain ends or
  // loops, or the budget is spent.
  void Czytaj(std::uint32_t Pierwszy) {
    std::vector<std::uint32_t> przeczytane;
    for (std::uint32_t s = Pierwszy; s < OstatniSektor && !GornyPoziomKompletny();) {
      if (std::ranges::find(przeczytane, s) != przeczytane.end()) return;
      przeczytane.push_back(s);
      const std::size_t byl = dane_.size();
      dane_.resize(byl + sektor_);
      if (!czytnik_.Czytaj(Przesuniecie(s), {dane_.data() + byl, sektor_})) {
        dane_.resize(byl);
        return;
      }
      pozycje_.push_back(Przesuniecie(s));
      const auto nastepny = Nastepny(s);
      if (!nastepny) return;
      s = *nastepny;
    }
  }

  std::size_t LiczbaWpisow() const { return dane_.size() / DlugoscWpisu; }
  const unsigned char* Wpis(std::size_t i) const { return &dane_[i * DlugoscWpisu]; }
  std::int64_t PolozenieWpisu(std::size_t i) const {
    const std::size_t naSektor = sektor_ / DlugoscWpisu;
    return pozycje_[i / naSektor] + static_cast<std::int64_t>((i % naSektor) * DlugoscWpisu);
  }

  // The entries at the top level, as far as the read sectors hold them: the root's child and,
  // through the left and right links, its siblings.
  std::vector<std::size_t> GornyPoziom(bool* Kompletny = nullptr) const {
    std::vector<std::size_t> wynik;
    std::vector<std::uint32_t> doOdwiedzenia;
    bool kompletny = LiczbaWpisow() > 0;
    if (kompletny) doOdwiedzenia.push_back(Liczba32(Wpis(0) + 0x4C));
    while (!doOdwiedzenia.empty()) {
      const std::uint32_t n = doOdwiedzenia.back();
      doOdwiedzenia.pop_back();
      if (n == BrakWpisu) continue;
      // A link to an entry not read, or a tree that loops back on itself, ends the walk there.
      if (n >= LiczbaWpisow() || std::ranges::find(wynik, n) != wynik.end()) {
        kompletny = kompletny && n < LiczbaWpisow();
        continue;
      }
      wynik.push_back(n);
      doOdwiedzenia.push_back(Liczba32(Wpis(n) + 0x44));
      doOdwiedzenia.push_back(Liczba32(Wpis(n) + 0x48));
    }
    if (Kompletny) *Kompletny = kompletny;
    return wynik;
  }

 private:
  bool GornyPoziomKompletny() const {
    bool kompletny = false;
    GornyPoziom(&kompletny);
    return kompletny;
  }

  // The header takes the first sector's place, however large the sectors.
  std::int64_t Przesuniecie(std::uint32_t Sektor) const {
    return (static_cast<std::int64_t>(Sektor) + 1) * static_cast<std::int64_t>(sektor_);
  }

  std::optional<std::uint32_t> Nastepny(std::uint32_t Sektor) const {
    const std::size_t naSektor = sektor_ / 4;
    const std::size_t indeks = Sektor / naSektor;
    if (indeks >= SektoryFatWNaglowku || fat_[indeks] >= OstatniSektor) return std::nullopt;
    std::array<unsigned char, 4> wpis{};
    if (!czytnik_.Czytaj(
            Przesuniecie(fat_[indeks]) + static_cast<std::int64_t>(Sektor % naSektor * 4), wpis))
      return std::nullopt;
    return Liczba32(wpis.data());
  }

  TCzytnikSondy& czytnik_;
  std::size_t sektor_;
  std::array<std::uint32_t, SektoryFatWNaglowku> fat_{};
  std::vector<unsigned char> dane_;
  std::vector<std::int64_t> pozycje_;
};

// The entry's name, UTF-16 with its terminator counted in the stored length.
std::u16string NazwaWpisu(const unsigned char* Wpis) {
  const std::size_t dlugosc = std::min<std::size_t>(Liczba16(Wpis + 0x40), 64) / 2;
  std::u16string nazwa;
  for (std::size_t i = 0; i + 1 < dlugosc; ++i)
    nazwa += static_cast<char16_t>(Liczba16(Wpis + 2 * i));
  return nazwa;
}

bool Rowna(std::u16string_view Nazwa, std::string_view Ascii) {
  return std::ranges::equal(Nazwa, Ascii, [](char16_t a, char b) { return a == char16_t(b); });
}

bool Zaczyna(std::u16string_view Nazwa, std::string_view Ascii) {
  return Nazwa.size() >= Ascii.size() && Rowna(Nazwa.substr(0, Ascii.size()), Ascii);
}

struct TNazwaStrumienia {
  std::string_view Nazwa;
  bool Poczatek;  // the name only begins so
  TWierszKontenera Wiersz;
};

// In this order: a message or a document may hold others, but only as storages deeper down.
constexpr std::array<TNazwaStrumienia, 9> Strumienie = {{
    {"__properties_version1.0", false, TWierszKontenera::Msg},
    {"__substg1.0_", true, TWierszKontenera::Msg},
    {"WordDocument", false, TWierszKontenera::Doc},
    {"Workbook", false, TWierszKontenera::Xls},
    {"Book", false, TWierszKontenera::Xls},
    {"PowerPoint Document", false, TWierszKontenera::Ppt},
    {"VisioDocument", false, TWierszKontenera::Vsd},
    {"Quill", false, TWierszKontenera::Pub},
    {"Catalog", false, TWierszKontenera::Thumbs},
}};

}  // namespace

bool SondaOle2(TPlikDoOdczytu& Plik, TTrafienieSondy& Trafienie) {
  TCzytnikSondy czytnik(Plik);
  std::array<unsigned char, DlugoscNaglowka> naglowek{};
  if (!czytnik.Czytaj(0, naglowek) ||
      std::memcmp(naglowek.data(), "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) != 0 ||
      Liczba16(&naglowek[0x1C]) != 0xFFFE)
    return false;
  const std::uint16_t przesuniecieSektora = Liczba16(&naglowek[0x1E]);
  if (przesuniecieSektora != 9 && przesuniecieSektora != 12) return false;

  TKatalogOle2 katalog(czytnik, naglowek.data());
  katalog.Czytaj(Liczba32(&naglowek[0x30]));
  // The first entry is the root, with the class of the whole file.
  if (katalog.LiczbaWpisow() == 0 || katalog.Wpis(0)[0x42] != 5) return false;
  Trafienie.Sonda = "OLE2";
  const auto trafienie = [&](TWierszKontenera w, std::int64_t od, std::size_t dlugosc) {
    Trafienie.Wiersz = &WierszKontenera(w);
    Trafienie.Przesuniecie = od;
    Trafienie.PrzypieteBajty = dlugosc;
    return true;
  };
  const unsigned char* klasa = katalog.Wpis(0) + 0x50;
  const std::int64_t polozenieKlasy = katalog.PolozenieWpisu(0) + 0x50;
  if (std::memcmp(klasa, KlasaMsi.data(), KlasaMsi.size()) == 0)
    return trafienie(TWierszKontenera::Msi, polozenieKlasy, KlasaMsi.size());
  if (std::memcmp(klasa, KlasaMsp.data(), KlasaMsp.size()) == 0)
    return trafienie(TWierszKontenera::Msp, polozenieKlasy, KlasaMsp.size());

  const std::vector<std::size_t> gorne = katalog.GornyPoziom();
  for (const TNazwaStrumienia& s : Strumienie) {
    for (const std::size_t i : gorne) {
      const std::u16string nazwa = NazwaWpisu(katalog.Wpis(i));
      if (s.Poczatek ? Zaczyna(nazwa, s.Nazwa) : Rowna(nazwa, s.Nazwa))
        return trafienie(s.Wiersz, katalog.PolozenieWpisu(i), 2 * nazwa.size());
    }
  }
  for (const std::size_t i : gorne) {
    const std::u16string nazwa = NazwaWpisu(katalog.Wpis(i));
    if (!nazwa.empty() && nazwa[0] == ZnakTabeliMsi)
      return trafienie(TWierszKontenera::Msi, katalog.PolozenieWpisu(i), 2);
  }
  return false;
}
