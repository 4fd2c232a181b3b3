// The catalogue as a whole: its size, the text table and the signature rows shown with every
// column, and the rules every stored row keeps.

#include <gtest/gtest.h>

#include <algorithm>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/Katalog.h"
#include "tests/core/WierszeOczekiwane.h"

static_assert(RozmiarBazyTekstowej == 19 && BazaTekstowa.size() == RozmiarBazyTekstowej);
static_assert(RozmiarBazyWzorcow == 68 && BazaWzorcow.size() == RozmiarBazyWzorcow);
static_assert(RozmiarBazySygnatur == 489 && BazaSygnatur.size() == RozmiarBazySygnatur);
static_assert(RozmiarBazyTekstowej + RozmiarBazyWzorcow + RozmiarBazySygnatur == 576);

namespace {

const std::vector<std::string_view> Przegladarki = {"Opera", "Mozilla Firefox",
                                                    "Microsoft Internet Explorer"};
const std::vector<std::string_view> TeX = {"TeXnicCenter", "LED- LaTEX Editor"};
const std::vector<std::string_view> Konfiguracja = {"zależy od programu", "(podgląd) Notatnik"};
const std::vector<std::string_view> Notatniki = {"Notatnik", "Notepad+", "Notepad2"};
const std::vector<std::string_view> Grafika = {"Microsoft Paint", "XnView", "Irfan View", "Gimp"};

// clang-format off
const std::vector<TWierszOczekiwany> BazaTekstowaOczekiwana = {
    {0, "HTML", "", "Dokument HTML", "Strona internetowa", Przegladarki},
    {1, "HTM", "", "Dokument HTML", "Strona internetowa", Przegladarki},
    {2, "CFG", "", "Plik konfiguracyjny CFG", "Plik konfiguracyjny", Konfiguracja},
    {3, "INI", "", "Initialization file", "Plik konfiguracyjny", Konfiguracja},
    {4, "BAT", "", "Plik wsadowy- Batch File", "Skrypt wykonywalny", {"Microsoft Windows", "Microsoft DOS", "(podgląd) Notatnik"}},
    {5, "TEX", "", "TEX document", "Dokument tekstowy", TeX},
    {6, "AUX", "", "TeX/LaTeX Auxilliary Reference File", "Plik dodatkowy", TeX},
    {7, "BLG", "", "BibTeX Log", "Plik dodatkowy", TeX},
    {8, "BBL", "", "TeX/BibTeX Bibliographic Reference File", "Plik bibliografii", TeX},
    {9, "INF", "", "Information file", "Plik konfiguracyjny instalator", Konfiguracja},
    {10, "NFO", "", "iNFormation file", "Dokument tekstowy", {"DAMN NFO Viewer", "GetDiz", "Dizzy", "BooZet NFO Reader"}},
    {11, "ERR", "", "Log błędu programu", "Dokument tekstowy", Notatniki},
    {12, "LOG", "", "Log programu", "Dokument tekstowy", Notatniki},
    {13, "JS", "", "JavaScript", "Skrypt wykonywalny", {"Opera", "Mozilla Firefox", "Microsft Internet Explorer"}},
    {14, "XML", "", "Dokument XML", "Strona internetowa", Przegladarki},
    {15, "INT", "", "Borland Interface Unit", "Program wykonywalny", {"Borland Delphi"}},
    {16, "DEM", "", "Delphi Edit Mask", "Ustawienia programu", {"Borland Delphi"}},
    {17, "DEM", "", "Skrypt Scilaba", "Skrypt wykonywalny", {"Scilab"}},
    {18, "TXT", "", "Dokument tekstowy", "Dokument tekstowy", {"Notatnik", "Kashmir Web Editor", "Notepad2", "Notepad++"}},
};

// The rows of the signature table that are binding in every column. Row 488 holds a web address
// of the implementer's choosing and is checked on its own.
const std::vector<TWierszOczekiwany> WierszeSygnaturWCalosci = {
    {0, "MCD", "0000", "VectorWorks Drawing", "Obraz", {"VectorWorks"}},
    {1, "MP4", "000000", "MPEG-4 Movie", "Film", {"Winamp"}},
    {2, "BC!", "00000000000000000000", "BitComet Incomplete Download", "Niedokończony plik", {"BitComet"}},
    {3, "NRG", "00000000000000000000", "Nero Burning Rom Disc Image", "Obraz dysku", {"Nero Burning ROM"}},
    {10, "XWD", "0000002", "X Windows Dump", "Obraz rastrowy", {"XnView"}},
    {35, "DAT", "03", "MapInfo Native Data Format", "", {"MapInfo"}},
    {52, "HDF", "0E031301", "Hierarchical Data Format File", "-", {}},
    {64, "TAR.G", "1F8B08", "Gzipped TAR", "ARchiwum", {"IZarc"}},
    {84, "PS", "25215053", "Post Script", "Obraz wektorowy", {"Ghost View", "Corel Draw"}},
    {85, "AI", "25215053", "Adobe Illustrator", "Obraz wektorowy", {"Adobe Illustrator"}},
    {86, "EPS", "25215053", "Encapsulated Post Script", "Obraz wektorowy", {"Ghost View", "Corel Draw"}},
    {87, "AI", "25504446", "Adobe Illustrator", "Obraz wektorowy", {"Adobe Illustrator"}},
    {88, "PDF", "25504446", "Portable Document Format", "Dokument tekstowy", {"Foxit PDF Reader", "Adobe Reader"}},
    {110, "7Z", "377A", "Archiwum 7Z", "Archiwum", {"7zip", "IZarc"}},
    {176, "BMP", "424D", "Bitmapa Windows lub OS/2", "Obraz rastrowy", Grafika},
    {216, "RDP", "464646453733303036333030373230303635303036353030364530303230303036443030364630303634303036353030323030303639303036343030334130303639303033413030", "Remote Desktop Connection", "Plik ustawień", {"Microsoft Remote Desktop Connection"}},
    {230, "GIF", "474946", "Graphic Interchange Format", "Obraz/Animacja rastrowa", {"Opera", "Mozilla Firefox", "Microsoft Internet Explorer", "Gif Movie Gear"}},
    {279, "COM", "4D5A", "Aplikacja Ms-DOS", "Aplikacja", {"Microsoft Windows", "Microsoft DOS"}},
    {287, "EXE", "4D5A", "Aplikacja Windows", "Aplikacja", {"Microsoft Windows"}},
    {289, "OCX", "4D5A", "Komponent ActiveX", "Biblioteka", {"Microsoft Windows"}},
    {314, "JAR", "504B", "Archiwum Javy", "Archiwum", {"IZarc"}},
    {317, "ZIP", "504B", "Archiwum ZIP", "Archiwum", {"7zip", "IZarc", "WinZIP", "WinRAR", "WinUHA", "Total Commander", "Microsoft Windows XP"}},
    {319, "WMZ", "504B03041400", "Pakiet karnacji programu Windows Media Player", "Skórka programu", {"Windows Media Player"}},
    {339, "RAR", "52617221", "Archiwum RAR", "Archiwum", {"IZarc", "WinRAR"}},
    {438, "PNG", "89504E47", "Portable Network Graphics", "Obraz rastrowy", Grafika},
    {447, "UTX", "C1832A9E760", "Unreal Texture File", "Obraz rastrowy", {"Unreal / Unreal 2"}},
    {448, "UKX", "C1832A9E7600", "Unreal Tournament 2003 Animation", "Animacja", {"Unreal Tournament 2003"}},
    {453, "PPF", "D0CF", "Picture Publisher", "Obraz rastrowy", {"Corel Photopaint"}},
    {456, "DOC", "D0CF", "Dokument Microsoft Word", "Dokument tekstowy", {"Open Office", "Microsoft Office"}},
    {463, "DB", "D0CF11E0A1B11AE1000000000000000000000000000000003E000300FEFF0900060000000000000000000000", "WindowsXP Thumbnail Database", "Baza danych", {"WindowsXP"}},
    {464, "DB", "D0CF11E0A1B11AE1000000000000000000000000000000003E000300FEFF0900060000000000000000000000", "WindowsXP Thumbnail Database", "-", {"WindowsXP"}},
    {465, "MCD", "D4300000000000000000000000000000000000000", "Bleem! Memory Card Save", "-", {"Bleem!"}},
    {477, "JPG", "FFD8FF", "Obraz JPEG", "Obraz rastrowy", Grafika},
};
// clang-format on

struct TTabela {
  const char* Nazwa;
  std::span<const TOpisPliku> Wiersze;
};

const TTabela Tabele[] = {
    {"BazaTekstowa", BazaTekstowa}, {"BazaWzorcow", BazaWzorcow}, {"BazaSygnatur", BazaSygnatur}};

template <std::size_t Pojemnosc>
bool ZeraZaTekstem(const TKrotkiTekst<Pojemnosc>& pole) {
  return std::all_of(pole.Znaki.begin() + pole.Dlugosc, pole.Znaki.end(),
                     [](char c) { return c == '\0'; });
}

std::vector<std::string_view> NazwyProgramow(std::string_view programy) {
  std::vector<std::string_view> nazwy;
  while (!programy.empty()) {
    const std::size_t koniec = programy.find('\r');
    nazwy.push_back(programy.substr(0, koniec));
    if (koniec == std::string_view::npos) break;
    programy.remove_prefix(koniec + 1);
  }
  return nazwy;
}

}  // namespace

TEST(Katalog, BazaTekstowaWCalosci) {
  ASSERT_EQ(BazaTekstowaOczekiwana.size(), RozmiarBazyTekstowej);
  for (const TWierszOczekiwany& w : BazaTekstowaOczekiwana)
    SprawdzWiersz(BazaTekstowa[w.Wiersz], w);
}

TEST(Katalog, WierszeBazySygnaturPokazaneWCalosci) {
  for (const TWierszOczekiwany& w : WierszeSygnaturWCalosci)
    SprawdzWiersz(BazaSygnatur[w.Wiersz], w);
}

TEST(Katalog, OstatniWierszPodajeProgramIAdresWNawiasie) {
  const TOpisPliku& w = BazaSygnatur[488];
  EXPECT_EQ(w.Rozszerzenie.Tekst(), "PITY*");
  EXPECT_EQ(w.Sygnatura.Tekst(), "FFFFFF46");
  EXPECT_EQ(w.Typ.Tekst(), "Dokument PIT");
  EXPECT_EQ(w.Kategoria.Tekst(), "Dokument tekstowy");
  // The web address is the implementer's: it only has to be one, in parentheses after the name.
  const std::string_view programy = w.Programy.Tekst();
  constexpr std::string_view Nazwa = "Formularze IPS- PITY (";
  ASSERT_TRUE(programy.starts_with(Nazwa) && programy.ends_with(')')) << programy;
  const std::string_view adres = programy.substr(Nazwa.size(), programy.size() - Nazwa.size() - 1);
  EXPECT_NE(adres.find('.'), std::string_view::npos) << adres;
  EXPECT_EQ(adres.find_first_of(" ()\r"), std::string_view::npos) << adres;
}

// The stored bytes of a few Polish letters, written out, as an anchor for the conversion above.
TEST(Katalog, PolskieLiteryWWindows1250) {
  EXPECT_EQ(BazaTekstowa[11].Typ.Tekst(),
            "Log b\xB3\xEA"
            "du programu");
  EXPECT_EQ(BazaTekstowa[2].Programy.Tekst(),
            "zale\xBFy od programu\r(podgl\xB9"
            "d) Notatnik");
  EXPECT_EQ(BazaWzorcow[25].Kategoria.Tekst(),
            "Plik d\x9Fwi\xEA"
            "kowy");
  EXPECT_EQ(BazaSygnatur[2].Kategoria.Tekst(),
            "Niedoko\xF1"
            "czony plik");
}

TEST(Katalog, ZaTekstemKazdegoPolaSameZera) {
  for (const TTabela& tabela : Tabele) {
    for (std::size_t i = 0; i < tabela.Wiersze.size(); ++i) {
      const TOpisPliku& w = tabela.Wiersze[i];
      SCOPED_TRACE(std::string(tabela.Nazwa) + " row " + std::to_string(i));
      EXPECT_TRUE(ZeraZaTekstem(w.Rozszerzenie));
      EXPECT_TRUE(ZeraZaTekstem(w.Programy));
      EXPECT_TRUE(ZeraZaTekstem(w.Typ));
      EXPECT_TRUE(ZeraZaTekstem(w.Sygnatura));
      EXPECT_TRUE(ZeraZaTekstem(w.Kategoria));
    }
  }
}

// The limits the catalogue keeps in every row, also in the rows whose descriptions are free.
TEST(Katalog, GraniceWartosciPol) {
  for (const TTabela& tabela : Tabele) {
    for (std::size_t i = 0; i < tabela.Wiersze.size(); ++i) {
      const TOpisPliku& w = tabela.Wiersze[i];
      SCOPED_TRACE(std::string(tabela.Nazwa) + " row " + std::to_string(i));
      const std::string_view rozszerzenie = w.Rozszerzenie.Tekst();
      EXPECT_GE(rozszerzenie.size(), 1u);
      EXPECT_LE(rozszerzenie.size(), 5u);
      EXPECT_TRUE(std::ranges::all_of(rozszerzenie, [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
               std::string_view("!_.+*").find(c) != std::string_view::npos;
      })) << rozszerzenie;
      EXPECT_GE(w.Typ.Dlugosc, 3u);
      EXPECT_LE(w.Typ.Dlugosc, 57u);
      EXPECT_LE(w.Kategoria.Dlugosc, 30u);
      const std::string_view programy = w.Programy.Tekst();
      EXPECT_LE(programy.size(), 86u);
      EXPECT_LE(NazwyProgramow(programy).size(), 8u);
      EXPECT_EQ(programy.find('\n'), std::string_view::npos);
      // A separator written out as backslash and "r" instead of the carriage return itself.
      EXPECT_EQ(programy.find("\\r"), std::string_view::npos) << programy;
      for (const std::string_view nazwa : NazwyProgramow(programy)) EXPECT_FALSE(nazwa.empty());
      if (tabela.Wiersze.data() != BazaSygnatur.data()) {
        EXPECT_FALSE(programy.empty());
      }
    }
  }
}
