// The data-rule checker refuses every kind of broken row and names the row; good tables pass.
// Each case is checked by the compiler and once more at run time, where it shows in the report.

#include <gtest/gtest.h>

#include <array>
#include <string_view>

#include "catalogue/ZasadyKatalogu.h"

namespace {

constexpr TWierszZrodlowy Bmp = {"BMP", "424D", "Bitmapa", "Obraz rastrowy", "XnView"};
constexpr TWierszZrodlowy Zip = {"ZIP", "504B", "Archiwum ZIP", "Archiwum", "7zip\rWinRAR"};
constexpr TWierszZrodlowy Png = {"PNG", "89504E47", "Obraz PNG", "Obraz rastrowy", "Gimp"};

struct TPrzypadek {
  std::string_view Opis;
  TRodzajTabeli Rodzaj;
  TWierszZrodlowy Srodkowy;  // stands between two good rows, at row 1
  TNaruszenie Oczekiwane;
  bool SrodkowyUstalony = false;  // given from outside, with the older words allowed
};

constexpr TWierszZrodlowy ZmienionyZip(std::string_view TWierszZrodlowy::*pole,
                                       std::string_view wartosc) {
  TWierszZrodlowy w = Zip;
  w.*pole = wartosc;
  return w;
}

constexpr std::string_view Znaki64 =
    "0123456789012345678901234567890123456789012345678901234567890123";
// 64 Polish letters: 128 bytes of UTF-8, 64 of Windows-1250.
constexpr std::string_view Polskie64 =
    "ąęółżźćńąęółżźćńąęółżźćńąęółżźćńąęółżźćńąęółżźćńąęółżźćńąęółżźćń";

template <std::size_t N>
constexpr std::array<char, N> WzorzecDlugosci() {
  std::array<char, N> znaki{};
  znaki.fill('*');
  znaki[0] = '5', znaki[1] = '0', znaki[2] = '4', znaki[3] = 'B';
  return znaki;
}
constexpr auto Wzorzec160 = WzorzecDlugosci<160>();
constexpr auto Wzorzec161 = WzorzecDlugosci<161>();
constexpr std::string_view Tekst(const auto& znaki) {
  return {znaki.data(), znaki.size()};
}

constexpr TRodzajTabeli Sygnatur = TRodzajTabeli::Sygnatur;
constexpr TRodzajTabeli Wzorcow = TRodzajTabeli::Wzorcow;
constexpr TRodzajTabeli Tekstowa = TRodzajTabeli::Tekstowa;
constexpr TRodzajTabeli Suplementu = TRodzajTabeli::SygnaturSuplementu;
constexpr TNaruszenie Dobra = {3, TZasada::Spelniona};
constexpr TNaruszenie W1(TZasada z) {
  return {1, z};
}

using W = TWierszZrodlowy;

// clang-format off
constexpr TPrzypadek Przypadki[] = {
    {"good signature table", Sygnatur, Zip, Dobra},
    {"equal signatures stand side by side", Sygnatur, ZmienionyZip(&W::Sygnatura, "424D"), Dobra},
    {"a prefix stands before the longer signature", Sygnatur, ZmienionyZip(&W::Sygnatura, "424D00"), Dobra},
    {"smaller than the row before", Sygnatur, ZmienionyZip(&W::Sygnatura, "00FF"), W1(TZasada::SygnaturyNiePosortowane)},
    {"greater than the row after", Sygnatur, ZmienionyZip(&W::Sygnatura, "FFD8FF"), {2, TZasada::SygnaturyNiePosortowane}},
    {"longer signature before its prefix", Sygnatur, ZmienionyZip(&W::Sygnatura, "89504E4700"), {2, TZasada::SygnaturyNiePosortowane}},
    {"signature with lower case", Sygnatur, ZmienionyZip(&W::Sygnatura, "504b"), W1(TZasada::SygnaturaZeZnakiemSpozaHex)},
    {"signature with a non-hex letter", Sygnatur, ZmienionyZip(&W::Sygnatura, "504G"), W1(TZasada::SygnaturaZeZnakiemSpozaHex)},
    {"signature with a space", Sygnatur, ZmienionyZip(&W::Sygnatura, "50 4B"), W1(TZasada::SygnaturaZeZnakiemSpozaHex)},
    {"signature with an asterisk", Sygnatur, ZmienionyZip(&W::Sygnatura, "50**"), W1(TZasada::SygnaturaZeZnakiemSpozaHex)},
    {"empty signature", Sygnatur, ZmienionyZip(&W::Sygnatura, ""), W1(TZasada::SygnaturaPustaLubDluzszaNizKlucz)},
    {"lower-case extension", Sygnatur, ZmienionyZip(&W::Rozszerzenie, "zip"), W1(TZasada::RozszerzenieNieWielkimiLiterami)},
    {"one lower-case letter in the extension", Sygnatur, ZmienionyZip(&W::Rozszerzenie, "ZiP"), W1(TZasada::RozszerzenieNieWielkimiLiterami)},
    {"extension of six characters fits", Sygnatur, ZmienionyZip(&W::Rozszerzenie, "ZIPZIP"), Dobra},
    {"extension of seven characters", Sygnatur, ZmienionyZip(&W::Rozszerzenie, "ZIPZIPZ"), W1(TZasada::TekstDluzszyNizPole)},
    {"type of 64 characters fits", Sygnatur, ZmienionyZip(&W::Typ, Znaki64), Dobra},
    {"type of 64 Polish letters fits", Sygnatur, ZmienionyZip(&W::Typ, Polskie64), Dobra},
    {"type of 65 characters", Sygnatur, ZmienionyZip(&W::Typ, "x0123456789012345678901234567890123456789012345678901234567890123"), W1(TZasada::TekstDluzszyNizPole)},
    {"category of 65 characters", Sygnatur, ZmienionyZip(&W::Kategoria, "x0123456789012345678901234567890123456789012345678901234567890123"), W1(TZasada::TekstDluzszyNizPole)},
    {"programs over 128 characters", Sygnatur, ZmienionyZip(&W::Programy, "0123456789012345678901234567890123456789012345678901234567890123\r0123456789012345678901234567890123456789012345678901234567890123"), W1(TZasada::TekstDluzszyNizPole)},
    {"letter outside Windows-1250", Sygnatur, ZmienionyZip(&W::Typ, "Archiwum ñ"), W1(TZasada::ZnakSpozaCp1250)},
    {"ideograph in the programs", Sygnatur, ZmienionyZip(&W::Programy, "解压"), W1(TZasada::ZnakSpozaCp1250)},
    {"malformed UTF-8 in the category", Sygnatur, ZmienionyZip(&W::Kategoria, "Archiwum \xC5"), W1(TZasada::ZnakSpozaCp1250)},
    {"empty type", Sygnatur, ZmienionyZip(&W::Typ, ""), W1(TZasada::PustyTyp)},
    {"programs separated by line feeds", Sygnatur, ZmienionyZip(&W::Programy, "7zip\nWinRAR"), W1(TZasada::ZlySeparatorProgramow)},
    {"programs separated by an escape written out", Sygnatur, ZmienionyZip(&W::Programy, "7zip\\rWinRAR"), W1(TZasada::ZlySeparatorProgramow)},
    {"extension with a Polish letter", Sygnatur, ZmienionyZip(&W::Rozszerzenie, "ZIĄ"), W1(TZasada::RozszerzenieSpozaAscii)},
    {"good pattern table", Wzorcow, ZmienionyZip(&W::Sygnatura, "504B****0304"), Dobra},
    {"pattern of 160 characters fits", Wzorcow, ZmienionyZip(&W::Sygnatura, Tekst(Wzorzec160)), Dobra},
    {"pattern of 161 characters", Wzorcow, ZmienionyZip(&W::Sygnatura, Tekst(Wzorzec161)), W1(TZasada::WzorzecDluzszyNizKlucz)},
    {"pattern with a question mark", Wzorcow, ZmienionyZip(&W::Sygnatura, "504B??"), W1(TZasada::WzorzecZeZnakiemSpozaHexIGwiazdki)},
    {"pattern with lower case", Wzorcow, ZmienionyZip(&W::Sygnatura, "504b**"), W1(TZasada::WzorzecZeZnakiemSpozaHexIGwiazdki)},
    {"good text table", Tekstowa, ZmienionyZip(&W::Sygnatura, ""), Dobra},
    {"text row with a signature", Tekstowa, ZmienionyZip(&W::Sygnatura, "504B"), W1(TZasada::TekstowaZSygnatura)},
    {"category outside the vocabulary", Sygnatur, ZmienionyZip(&W::Kategoria, "Archiwa"), W1(TZasada::KategoriaSpozaSlownika)},
    {"category in another letter case", Sygnatur, ZmienionyZip(&W::Kategoria, "archiwum"), W1(TZasada::KategoriaSpozaSlownika)},
    {"older category in a row of ours", Sygnatur, ZmienionyZip(&W::Kategoria, "ARchiwum"), W1(TZasada::KategoriaSpozaSlownika)},
    {"older category in a given row", Sygnatur, ZmienionyZip(&W::Kategoria, "ARchiwum"), Dobra, true},
    {"empty category in a row of ours", Sygnatur, ZmienionyZip(&W::Kategoria, ""), W1(TZasada::KategoriaSpozaSlownika)},
    {"program outside the vocabulary", Sygnatur, ZmienionyZip(&W::Programy, "7zip\rFile Roller"), W1(TZasada::ProgramSpozaSlownika)},
    {"second spelling of a listed program", Sygnatur, ZmienionyZip(&W::Programy, "7-Zip"), W1(TZasada::ProgramSpozaSlownika)},
    {"older spelling in a row of ours", Sygnatur, ZmienionyZip(&W::Programy, "WinRAR\rWinAMP"), W1(TZasada::ProgramSpozaSlownika)},
    {"older spelling in a given row", Sygnatur, ZmienionyZip(&W::Programy, "WinRAR\rWinAMP"), Dobra, true},
    {"no programs at all", Sygnatur, ZmienionyZip(&W::Programy, ""), Dobra},
    {"empty name between separators", Sygnatur, ZmienionyZip(&W::Programy, "7zip\r\rWinRAR"), W1(TZasada::ProgramSpozaSlownika)},
    {"supplement rows stand in any order, prefixes and patterns", Suplementu, ZmienionyZip(&W::Sygnatura, "00**FF"), Dobra},
    {"empty supplement row", Suplementu, ZmienionyZip(&W::Sygnatura, ""), W1(TZasada::SygnaturaPustaLubDluzszaNizKlucz)},
    {"supplement pattern of 161 characters", Suplementu, ZmienionyZip(&W::Sygnatura, Tekst(Wzorzec161)), W1(TZasada::WzorzecDluzszyNizKlucz)},
    {"text supplement row with a signature", TRodzajTabeli::TekstowaSuplementu, ZmienionyZip(&W::Sygnatura, "504B"), W1(TZasada::TekstowaZSygnatura)},
    {"vocabulary is checked in every table", Tekstowa, {"ZIP", "", "Archiwum ZIP", "Archiwa", "7zip"}, W1(TZasada::KategoriaSpozaSlownika)},
};
// clang-format on

constexpr TNaruszenie Sprawdz(const TPrzypadek& p) {
  const bool tekstowa =
      p.Rodzaj == TRodzajTabeli::Tekstowa || p.Rodzaj == TRodzajTabeli::TekstowaSuplementu;
  const bool wzorcow =
      p.Rodzaj == TRodzajTabeli::Wzorcow || p.Rodzaj == TRodzajTabeli::SygnaturSuplementu;
  TWierszZrodlowy pierwszy = Bmp, ostatni = Png;
  if (tekstowa) pierwszy.Sygnatura = ostatni.Sygnatura = "";
  if (wzorcow) pierwszy.Sygnatura = "424D**", ostatni.Sygnatura = "89**4E47";
  const std::array<TWierszZrodlowy, 3> tabela = {pierwszy, p.Srodkowy, ostatni};
  constexpr std::array<std::size_t, 1> Srodkowy = {1};
  return SprawdzTabele(
      tabela, p.Rodzaj,
      p.SrodkowyUstalony ? TWierszeUstalone{false, Srodkowy} : ZadenWierszUstalony);
}

// The index of the first case whose answer differs; the compiler's note shows it.
constexpr std::size_t PierwszyNiezgodny() {
  for (std::size_t i = 0; i < std::size(Przypadki); ++i) {
    const TNaruszenie n = Sprawdz(Przypadki[i]);
    if (n.Wiersz != Przypadki[i].Oczekiwane.Wiersz || n.Zasada != Przypadki[i].Oczekiwane.Zasada)
      return i;
  }
  return std::size(Przypadki);
}

static_assert(PierwszyNiezgodny() == std::size(Przypadki));
static_assert(Znaki64.size() == 64);

}  // namespace

TEST(ZasadyKatalogu, KazdaZasadaWskazujeZepsutyWiersz) {
  for (const TPrzypadek& p : Przypadki) {
    SCOPED_TRACE(p.Opis);
    const TNaruszenie n = Sprawdz(p);
    EXPECT_EQ(n.Wiersz, p.Oczekiwane.Wiersz);
    EXPECT_EQ(n.Zasada, p.Oczekiwane.Zasada);
  }
}

namespace {

// Rows one file can fit together: equal signatures, one signature beginning another, or a
// signature and a pattern that agree wherever the pattern fixes a digit. Row 1 and one other row
// read alike, and so does the pattern when there is one; every other row reads differently.
struct TPrzypadekPowtorzen {
  std::string_view Opis;
  std::array<std::string_view, 4> Sygnatury;
  std::size_t Podobny;                    // the row that reads like row 1
  std::array<std::size_t, 2> Ustalone;    // rows given from outside; 4 for none
  std::string_view Wzorzec;               // empty for none
  std::size_t WierszZTymiSamymiTekstami;  // 4 when the table is good
};

// clang-format off
constexpr TPrzypadekPowtorzen PrzypadkiPowtorzen[] = {
    {"equal signatures", {"0000", "424D", "424D", "89"}, 2, {4, 4}, "", 2},
    {"a signature begins another", {"0000", "424D", "424D00", "89"}, 2, {4, 4}, "", 2},
    {"a row of the run between them reads differently", {"0000", "424D", "424D00", "424D01"}, 3, {4, 4}, "", 3},
    {"neither begins the other", {"0000", "424D", "424E", "89"}, 2, {4, 4}, "", 4},
    {"one of them given from outside", {"0000", "424D", "424D", "89"}, 2, {1, 4}, "", 2},
    {"both given from outside", {"0000", "424D", "424D", "89"}, 2, {1, 2}, "", 4},
    {"a pattern the same key can fit", {"0000", "0001", "424D", "89"}, 2, {4, 4}, "42**4D", 2},
    {"a pattern no key of the row can fit", {"0000", "0001", "424D", "89"}, 2, {4, 4}, "4E**", 4},
    {"a row given from outside against a pattern", {"0000", "0001", "424D", "89"}, 2, {2, 4}, "42**", 4},
};
// clang-format on

constexpr TNaruszenie SprawdzPowtorzenia(const TPrzypadekPowtorzen& p) {
  constexpr std::string_view Typy[] = {"Archiwum 0", "Archiwum 1", "Archiwum 2", "Archiwum 3"};
  std::array<TWierszZrodlowy, 4> tabela{};
  for (std::size_t i = 0; i < tabela.size(); ++i) {
    tabela[i] = Zip;
    tabela[i].Sygnatura = p.Sygnatury[i];
    if (i != 1 && i != p.Podobny) tabela[i].Typ = Typy[i];
  }
  const std::array<TWierszZrodlowy, 1> wzorce = {
      TWierszZrodlowy{"ZIP", p.Wzorzec, Zip.Typ, Zip.Kategoria, Zip.Programy}};
  return SprawdzTabele(tabela, TRodzajTabeli::Sygnatur, TWierszeUstalone{false, p.Ustalone},
                       p.Wzorzec.empty() ? std::span<const TWierszZrodlowy>{} : wzorce);
}

constexpr bool PowtorzeniaWskazane() {
  for (const TPrzypadekPowtorzen& p : PrzypadkiPowtorzen) {
    const TNaruszenie n = SprawdzPowtorzenia(p);
    const bool dobra = p.WierszZTymiSamymiTekstami == 4;
    if (dobra ? n.Zasada != TZasada::Spelniona
              : n.Zasada != TZasada::TekstyJakWInnymWierszuDlaTegoSamegoPliku ||
                    n.Wiersz != p.WierszZTymiSamymiTekstami)
      return false;
  }
  return true;
}
static_assert(PowtorzeniaWskazane());

// In the supplement any two rows one key can fit, prefixes or patterns, must read differently;
// text rows must where they share an extension.
constexpr TNaruszenie SprawdzDwaWierszeSuplementu(TRodzajTabeli rodzaj, TWierszZrodlowy drugi) {
  std::array<TWierszZrodlowy, 3> tabela = {Bmp, Zip, drugi};
  if (rodzaj == TRodzajTabeli::TekstowaSuplementu) {
    for (TWierszZrodlowy& w : tabela) w.Sygnatura = "";
  }
  return SprawdzTabele(tabela, rodzaj);
}
constexpr TWierszZrodlowy Jak(TWierszZrodlowy w, std::string_view rozszerzenie,
                              std::string_view sygnatura) {
  w.Rozszerzenie = rozszerzenie;
  w.Sygnatura = sygnatura;
  return w;
}
// clang-format off
static_assert(SprawdzDwaWierszeSuplementu(Suplementu, Jak(Zip, "ZIP", "50**0304")).Wiersz == 2);
static_assert(SprawdzDwaWierszeSuplementu(Suplementu, Jak(Zip, "JAR", "504B0304")).Wiersz == 2);
static_assert(SprawdzDwaWierszeSuplementu(Suplementu, Jak(Zip, "ZIP", "51**0403")).Zasada == TZasada::Spelniona);
static_assert(SprawdzDwaWierszeSuplementu(TRodzajTabeli::TekstowaSuplementu, Jak(Zip, "ZIP", "")).Wiersz == 2);
static_assert(SprawdzDwaWierszeSuplementu(TRodzajTabeli::TekstowaSuplementu, Jak(Zip, "JAR", "")).Zasada == TZasada::Spelniona);
// clang-format on

// Spellings that differ only in case, spaces or punctuation are one name to the vocabulary.
static_assert(slownik::PorownajPisownie("Irfan View", "IrfanView") == 0);
static_assert(slownik::PorownajPisownie("7-Zip", "7zip") == 0);
static_assert(slownik::PorownajPisownie("GIMP", "Gimp") == 0);
static_assert(slownik::PorownajPisownie("Notepad2", "Notepad++") > 0);
static_assert(slownik::PorownajPisownie("Notatnik", "Notatnik Windows") < 0);
static_assert(slownik::PorownajPisownie("Edytor", "Ędytor") < 0);
constexpr std::array<std::string_view, 3> ListaDobra = {"Audacity", "Gimp", "XnView"};
constexpr std::array<std::string_view, 3> ListaZDwiemaPisowniami = {"Audacity", "Gimp", "GIMP"};
constexpr std::array<std::string_view, 3> ListaNieWPorzadku = {"Gimp", "Audacity", "XnView"};
static_assert(slownik::PierwszaZlaPozycja(ListaDobra) == 3);
static_assert(slownik::PierwszaZlaPozycja(ListaZDwiemaPisowniami) == 2);
static_assert(slownik::PierwszaZlaPozycja(ListaNieWPorzadku) == 1);

}  // namespace

TEST(ZasadyKatalogu, WierszeDlaTegoSamegoPlikuRoznia) {
  for (const TPrzypadekPowtorzen& p : PrzypadkiPowtorzen) {
    SCOPED_TRACE(p.Opis);
    const TNaruszenie n = SprawdzPowtorzenia(p);
    if (p.WierszZTymiSamymiTekstami == 4) {
      EXPECT_EQ(n.Zasada, TZasada::Spelniona);
    } else {
      EXPECT_EQ(n.Wiersz, p.WierszZTymiSamymiTekstami);
      EXPECT_EQ(n.Zasada, TZasada::TekstyJakWInnymWierszuDlaTegoSamegoPliku);
    }
  }
}

// Every word the catalogue uses is found, and no neighbour in a list is a second spelling.
TEST(ZasadyKatalogu, SlownikZnajdujeKazdeSwojeSlowo) {
  for (const std::string_view slowo : slownik::Programy)
    EXPECT_TRUE(zasady::WSlowniku(slownik::Programy, slowo)) << slowo;
  for (const std::string_view slowo : slownik::Kategorie)
    EXPECT_TRUE(zasady::WSlowniku(slownik::Kategorie, slowo)) << slowo;
  EXPECT_FALSE(zasady::WSlowniku(slownik::Programy, "Irfanview"));
}
