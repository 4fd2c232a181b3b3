// A ZIP container is told by the names of its entries, which the central directory lists at the
// end of the archive: the end record is found backwards from the end (behind it only the
// archive's comment), and one bounded block of the directory is read from where the record says
// it begins. Where the record can't be found (a file cut short), the local headers from the start
// are walked instead, each naming its entry and the size of its data.

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "catalogue/SuplementKontenerow.h"
#include "engine/CzytnikSondy.h"
#include "engine/SondyKontenerow.h"

namespace {

using le::Liczba16;
using le::Liczba32;
using le::Liczba64;

constexpr std::size_t DlugoscKonca = 22;
constexpr std::size_t DlugoscLokalizatora64 = 20;
constexpr std::size_t DlugoscKonca64 = 56;
constexpr std::size_t DlugoscWpisu = 46;
constexpr std::size_t DlugoscLokalnego = 30;
// The end record is looked for in the file's last 16 KiB, which leaves the rest of the budget
// for the directory. A longer comment hides it, as does anything appended after it.
constexpr std::size_t DlugoscOgona = 16 * 1024;
// Kept back from the directory's block for reading the "mimetype" entry's content.
constexpr std::size_t NaTypMime = 256;

// The names that tell a container. Each is remembered where first met, so that the answer can
// say which bytes decided.
enum class TZnak : std::size_t {
  TypyZawartosci,  // [Content_Types].xml, Office Open XML and other OPC packages
  Relacje,         // _rels/.rels
  Word,
  MakraWord,
  Excel,
  MakraExcel,
  PowerPoint,
  MakraPowerPoint,
  Visio,
  TypMime,
  KontenerEpub,
  ManifestJar,
  KlasaJavy,
  WebInf,
  ManifestAndroida,
  KodDex,
  ZasobyAndroida,
  KlasyJar,
  KonfiguracjaBundle,
  AplikacjaIos,
  InstallRdf,
  PodpisMozilli,
  Nuspec,
  Model3d,
  Kml,
  Wheel,
  Liczba
};

struct TMiejsce {
  std::int64_t Od;
  std::size_t Dlugosc;
};

struct TNazwy {
  std::array<std::optional<TMiejsce>, static_cast<std::size_t>(TZnak::Liczba)> Znaki;
  // Where the "mimetype" entry's local header is, when its content is stored as is, and the
  // content's length: the directory's, as a writer that streams its entries (and then leaves the
  // local header's sizes zero) may do.
  std::optional<std::pair<std::int64_t, std::uint32_t>> TypMime;

  bool Ma(TZnak z) const { return Znaki[static_cast<std::size_t>(z)].has_value(); }
  void Zapisz(TZnak z, TMiejsce m) {
    auto& miejsce = Znaki[static_cast<std::size_t>(z)];
    if (!miejsce) miejsce = m;
  }
};

bool BezWielkosci(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::ranges::equal(a, b, [](char x, char y) {
           const auto mala = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
           return mala(x) == mala(y);
         });
}

std::optional<TZnak> ZnakNazwy(std::string_view n) {
  using enum TZnak;
  const bool wKorzeniu = n.find('/') == std::string_view::npos;
  if (n == "[Content_Types].xml") return TypyZawartosci;
  if (n == "_rels/.rels") return Relacje;
  if (n == "word/vbaProject.bin") return MakraWord;
  if (n.starts_with("word/")) return Word;
  if (n == "xl/vbaProject.bin") return MakraExcel;
  if (n.starts_with("xl/")) return Excel;
  if (n == "ppt/vbaProject.bin") return MakraPowerPoint;
  if (n.starts_with("ppt/")) return PowerPoint;
  if (n.starts_with("visio/")) return Visio;
  if (n == "mimetype") return TypMime;
  if (n == "META-INF/container.xml") return KontenerEpub;
  if (n == "META-INF/MANIFEST.MF") return ManifestJar;
  if (n.ends_with(".class")) return KlasaJavy;
  if (n.starts_with("WEB-INF/")) return WebInf;
  if (n == "AndroidManifest.xml") return ManifestAndroida;
  if (wKorzeniu && n.starts_with("classes") && n.ends_with(".dex")) return KodDex;
  if (n == "resources.arsc") return ZasobyAndroida;
  if (n == "classes.jar") return KlasyJar;
  if (n == "BundleConfig.pb") return KonfiguracjaBundle;
  if (n.starts_with("Payload/") && n.find(".app/") != std::string_view::npos) return AplikacjaIos;
  if (n == "install.rdf") return InstallRdf;
  if (n == "META-INF/mozilla.rsa") return PodpisMozilli;
  if (wKorzeniu && n.ends_with(".nuspec")) return Nuspec;
  if (BezWielkosci(n, "3D/3dmodel.model")) return Model3d;
  if (wKorzeniu && n.ends_with(".kml")) return Kml;
  if (n.find(".dist-info/WHEEL") != std::string_view::npos) return Wheel;
  return std::nullopt;
}

// A name met at Od, of an entry stored with Metoda whose local header is at Lokalny.
void DodajNazwe(TNazwy& Nazwy, std::string_view Nazwa, std::int64_t Od, std::uint16_t Metoda,
                std::int64_t Lokalny, std::uint32_t Rozmiar) {
  const auto znak = ZnakNazwy(Nazwa);
  if (!znak) return;
  Nazwy.Zapisz(*znak, {Od, Nazwa.size()});
  if (*znak == TZnak::TypMime && Metoda == 0 && !Nazwy.TypMime) Nazwy.TypMime = {Lokalny, Rozmiar};
}

struct TKoniec {
  std::int64_t Pozycja;  // of the record that gives the directory: the ZIP64 one if there is one
  std::uint64_t Katalog;
  std::uint64_t Rozmiar;
};

std::optional<TKoniec> ZnajdzKoniec(TCzytnikSondy& Czytnik) {
  const std::int64_t rozmiar = Czytnik.Rozmiar();
  if (rozmiar < static_cast<std::int64_t>(DlugoscKonca)) return std::nullopt;
  const auto dlugosc = static_cast<std::size_t>(std::min<std::int64_t>(rozmiar, DlugoscOgona));
  const std::int64_t poczatek = rozmiar - static_cast<std::int64_t>(dlugosc);
  std::vector<unsigned char> ogon(dlugosc);
  if (!Czytnik.Czytaj(poczatek, ogon)) return std::nullopt;
  for (std::size_t i = dlugosc - DlugoscKonca + 1; i-- > 0;) {
    const unsigned char* k = &ogon[i];
    // The comment must end within the file; a record that claims more is a chance match.
    if (std::memcmp(k, "PK\x05\x06", 4) != 0 || i + DlugoscKonca + Liczba16(k + 20) > dlugosc)
      continue;
    TKoniec koniec{poczatek + static_cast<std::int64_t>(i), Liczba32(k + 16), Liczba32(k + 12)};
    const bool zip64 =
        Liczba16(k + 10) == 0xFFFF || koniec.Katalog == 0xFFFFFFFF || koniec.Rozmiar == 0xFFFFFFFF;
    if (!zip64) return koniec;
    if (i < DlugoscLokalizatora64) return std::nullopt;
    const unsigned char* l = k - DlugoscLokalizatora64;
    if (std::memcmp(l, "PK\x06\x07", 4) != 0) return std::nullopt;
    const std::uint64_t pozycja64 = Liczba64(l + 8);
    std::array<unsigned char, DlugoscKonca64> rekord{};
    if (pozycja64 > static_cast<std::uint64_t>(koniec.Pozycja) ||
        !Czytnik.Czytaj(static_cast<std::int64_t>(pozycja64), rekord) ||
        std::memcmp(rekord.data(), "PK\x06\x06", 4) != 0)
      return std::nullopt;
    return TKoniec{static_cast<std::int64_t>(pozycja64), Liczba64(&rekord[48]),
                   Liczba64(&rekord[40])};
  }
  return std::nullopt;
}

// The directory's entries, as far as one block of the budget reaches. An archive with data
// before it (a self-extracting program) keeps offsets counted from its own start: then the
// directory is found just before the end record instead, and the same shift applies to the local
// headers.
bool CzytajKatalog(TCzytnikSondy& Czytnik, const TKoniec& Koniec, TNazwy& Nazwy) {
  if (Koniec.Rozmiar > static_cast<std::uint64_t>(Koniec.Pozycja)) return false;
  const std::int64_t przedKoncem = Koniec.Pozycja - static_cast<std::int64_t>(Koniec.Rozmiar);
  std::int64_t katalog = przedKoncem;
  if (Koniec.Katalog <= static_cast<std::uint64_t>(przedKoncem)) {
    std::array<unsigned char, 4> znak{};
    if (Czytnik.Czytaj(static_cast<std::int64_t>(Koniec.Katalog), znak) &&
        std::memcmp(znak.data(), "PK\x01\x02", 4) == 0)
      katalog = static_cast<std::int64_t>(Koniec.Katalog);
  }
  const std::int64_t przesuniecie = katalog - static_cast<std::int64_t>(Koniec.Katalog);
  const std::size_t dostepne =
      Czytnik.Pozostalo() > NaTypMime ? Czytnik.Pozostalo() - NaTypMime : 0;
  std::vector<unsigned char> blok(
      static_cast<std::size_t>(std::min<std::uint64_t>(Koniec.Rozmiar, dostepne)));
  if (blok.size() < DlugoscWpisu || !Czytnik.Czytaj(katalog, blok)) return false;
  for (std::size_t i = 0; i + DlugoscWpisu <= blok.size();) {
    const unsigned char* w = &blok[i];
    if (std::memcmp(w, "PK\x01\x02", 4) != 0) break;
    const std::size_t dlugoscNazwy = Liczba16(w + 28);
    if (i + DlugoscWpisu + dlugoscNazwy > blok.size()) break;
    const std::string_view nazwa(reinterpret_cast<const char*>(w + DlugoscWpisu), dlugoscNazwy);
    DodajNazwe(Nazwy, nazwa, katalog + static_cast<std::int64_t>(i + DlugoscWpisu),
               Liczba16(w + 10), static_cast<std::int64_t>(Liczba32(w + 42)) + przesuniecie,
               Liczba32(w + 20));
    i += DlugoscWpisu + dlugoscNazwy + Liczba16(w + 30) + Liczba16(w + 32);
  }
  return true;
}

// Without the directory, the local headers from the start name the entries, as long as each
// says how long its data is (an entry written as a stream says it only after the data).
void CzytajLokalne(TCzytnikSondy& Czytnik, TNazwy& Nazwy) {
  std::int64_t od = 0;
  while (Czytnik.Pozostalo() > NaTypMime) {
    std::array<unsigned char, DlugoscLokalnego + 256> naglowek{};
    const std::size_t ile =
        static_cast<std::size_t>(std::min<std::int64_t>(naglowek.size(), Czytnik.Rozmiar() - od));
    if (ile < DlugoscLokalnego || !Czytnik.Czytaj(od, {naglowek.data(), ile})) return;
    const unsigned char* l = naglowek.data();
    if (std::memcmp(l, "PK\x03\x04", 4) != 0) return;
    const std::size_t dlugoscNazwy = Liczba16(l + 26);
    const std::uint32_t skompresowane = Liczba32(l + 18);
    const std::string_view nazwa(reinterpret_cast<const char*>(l + DlugoscLokalnego),
                                 std::min(dlugoscNazwy, ile - DlugoscLokalnego));
    DodajNazwe(Nazwy, nazwa, od + static_cast<std::int64_t>(DlugoscLokalnego), Liczba16(l + 8), od,
               skompresowane);
    if ((Liczba16(l + 6) & 0x0008) != 0 || skompresowane == 0xFFFFFFFF) return;
    od += static_cast<std::int64_t>(DlugoscLokalnego + dlugoscNazwy + Liczba16(l + 28)) +
          skompresowane;
  }
}

// OpenDocument and EPUB store their media type, uncompressed, as the content of "mimetype".
std::optional<TWierszKontenera> WedlugTypuMime(TCzytnikSondy& Czytnik, std::int64_t Lokalny,
                                               std::uint32_t Rozmiar) {
  std::array<unsigned char, DlugoscLokalnego> naglowek{};
  if (!Czytnik.Czytaj(Lokalny, naglowek) || std::memcmp(naglowek.data(), "PK\x03\x04", 4) != 0)
    return std::nullopt;
  std::array<unsigned char, 64> tresc{};
  const std::size_t ile = std::min<std::size_t>(Rozmiar, tresc.size());
  const std::int64_t od =
      Lokalny + static_cast<std::int64_t>(DlugoscLokalnego + Liczba16(&naglowek[26]) +
                                          Liczba16(&naglowek[28]));
  if (!Czytnik.Czytaj(od, {tresc.data(), ile})) return std::nullopt;
  const std::string_view typ(reinterpret_cast<const char*>(tresc.data()), ile);
  using enum TWierszKontenera;
  constexpr std::string_view Odf = "application/vnd.oasis.opendocument.";
  if (typ == "application/epub+zip") return Epub;
  if (!typ.starts_with(Odf)) return std::nullopt;
  const std::string_view rodzaj = typ.substr(Odf.size());
  if (rodzaj.starts_with("text")) return Odt;
  if (rodzaj.starts_with("spreadsheet")) return Ods;
  if (rodzaj.starts_with("presentation")) return Odp;
  if (rodzaj.starts_with("graphics")) return Odg;
  if (rodzaj.starts_with("base")) return Odb;
  return std::nullopt;
}

struct TRegula {
  TZnak Znak;
  TWierszKontenera Wiersz;
};

// In this order: an Android package also has a Java manifest, an Office document with macros
// also has its plain parts.
constexpr std::array<TRegula, 14> Reguly = {{
    {TZnak::KonfiguracjaBundle, TWierszKontenera::Aab},
    {TZnak::AplikacjaIos, TWierszKontenera::Ipa},
    {TZnak::KontenerEpub, TWierszKontenera::Epub},
    {TZnak::MakraWord, TWierszKontenera::Docm},
    {TZnak::Word, TWierszKontenera::Docx},
    {TZnak::MakraExcel, TWierszKontenera::Xlsm},
    {TZnak::Excel, TWierszKontenera::Xlsx},
    {TZnak::MakraPowerPoint, TWierszKontenera::Pptm},
    {TZnak::PowerPoint, TWierszKontenera::Pptx},
    {TZnak::Visio, TWierszKontenera::Vsdx},
    {TZnak::Nuspec, TWierszKontenera::Nupkg},
    {TZnak::Model3d, TWierszKontenera::Model3mf},
    {TZnak::WebInf, TWierszKontenera::War},
    {TZnak::Wheel, TWierszKontenera::PakietWheel},
}};

std::optional<std::pair<TWierszKontenera, TMiejsce>> Rozstrzygnij(TCzytnikSondy& Czytnik,
                                                                  const TNazwy& Nazwy) {
  using enum TZnak;
  const auto miejsce = [&](TZnak z) { return *Nazwy.Znaki[static_cast<std::size_t>(z)]; };
  if (Nazwy.Ma(ManifestAndroida) && (Nazwy.Ma(KodDex) || Nazwy.Ma(ZasobyAndroida)))
    return {{TWierszKontenera::Apk, miejsce(ManifestAndroida)}};
  if (Nazwy.Ma(ManifestAndroida) && Nazwy.Ma(KlasyJar))
    return {{TWierszKontenera::Aar, miejsce(ManifestAndroida)}};
  if (Nazwy.TypMime) {
    if (const auto wiersz = WedlugTypuMime(Czytnik, Nazwy.TypMime->first, Nazwy.TypMime->second))
      return {{*wiersz, miejsce(TypMime)}};
  }
  // An Office part's folder alone could be any archive's folder; the package's own parts
  // confirm it.
  const bool pakietOpc = Nazwy.Ma(TypyZawartosci) || Nazwy.Ma(Relacje);
  for (const TRegula& r : Reguly) {
    const bool czescOffice = r.Znak >= Word && r.Znak <= Visio;
    if (Nazwy.Ma(r.Znak) && (pakietOpc || !czescOffice)) return {{r.Wiersz, miejsce(r.Znak)}};
  }
  if (Nazwy.Ma(InstallRdf)) return {{TWierszKontenera::Xpi, miejsce(InstallRdf)}};
  if (Nazwy.Ma(PodpisMozilli)) return {{TWierszKontenera::Xpi, miejsce(PodpisMozilli)}};
  if (Nazwy.Ma(ManifestJar)) return {{TWierszKontenera::Jar, miejsce(ManifestJar)}};
  if (Nazwy.Ma(KlasaJavy)) return {{TWierszKontenera::Jar, miejsce(KlasaJavy)}};
  if (Nazwy.Ma(Kml)) return {{TWierszKontenera::Kmz, miejsce(Kml)}};
  return std::nullopt;
}

}  // namespace

bool SondaZip(TPlikDoOdczytu& Plik, TTrafienieSondy& Trafienie) {
  TCzytnikSondy czytnik(Plik);
  TNazwy nazwy;
  const auto koniec = ZnajdzKoniec(czytnik);
  if (!koniec || !CzytajKatalog(czytnik, *koniec, nazwy)) {
    // A directory that points past the end is no reason to trust the local headers less.
    nazwy = {};
    CzytajLokalne(czytnik, nazwy);
  }
  const auto wynik = Rozstrzygnij(czytnik, nazwy);
  if (!wynik) return false;
  Trafienie.Wiersz = &WierszKontenera(wynik->first);
  Trafienie.Sonda = "ZIP";
  Trafienie.Przesuniecie = wynik->second.Od;
  Trafienie.PrzypieteBajty = wynik->second.Dlugosc;
  return true;
}
