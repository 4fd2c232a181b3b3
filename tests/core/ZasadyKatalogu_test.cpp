// The data-rule checker refuses every kind of broken row and names the row; good tables pass.
// Each case is checked by the compiler and once more at run time, where it shows in the report.

#include "catalogue/ZasadyKatalogu.h"

#include <gtest/gtest.h>

#include <array>
#include <string_view>

namespace {

constexpr TWierszZrodlowy Bmp = {"BMP", "424D", "Bitmapa", "Obraz rastrowy", "XnView"};
constexpr TWierszZrodlowy Zip = {"ZIP", "504B", "Archiwum ZIP", "Archiwum", "7-Zip\rFile Roller"};
constexpr TWierszZrodlowy Png = {"PNG", "89504E47", "Obraz PNG", "Obraz rastrowy", "GIMP"};

struct TPrzypadek {
  std::string_view Opis;
  TRodzajTabeli Rodzaj;
  TWierszZrodlowy Srodkowy;  // stands between two good rows, at row 1
  TNaruszenie Oczekiwane;
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
    {"programs separated by line feeds", Sygnatur, ZmienionyZip(&W::Programy, "7-Zip\nFile Roller"), W1(TZasada::ZlySeparatorProgramow)},
    {"programs separated by an escape written out", Sygnatur, ZmienionyZip(&W::Programy, "7-Zip\\rFile Roller"), W1(TZasada::ZlySeparatorProgramow)},
    {"extension with a Polish letter", Sygnatur, ZmienionyZip(&W::Rozszerzenie, "ZIĄ"), W1(TZasada::RozszerzenieSpozaAscii)},
    {"good pattern table", Wzorcow, ZmienionyZip(&W::Sygnatura, "504B****0304"), Dobra},
    {"pattern of 160 characters fits", Wzorcow, ZmienionyZip(&W::Sygnatura, Tekst(Wzorzec160)), Dobra},
    {"pattern of 161 characters", Wzorcow, ZmienionyZip(&W::Sygnatura, Tekst(Wzorzec161)), W1(TZasada::WzorzecDluzszyNizKlucz)},
    {"pattern with a question mark", Wzorcow, ZmienionyZip(&W::Sygnatura, "504B??"), W1(TZasada::WzorzecZeZnakiemSpozaHexIGwiazdki)},
    {"pattern with lower case", Wzorcow, ZmienionyZip(&W::Sygnatura, "504b**"), W1(TZasada::WzorzecZeZnakiemSpozaHexIGwiazdki)},
    {"good text table", Tekstowa, ZmienionyZip(&W::Sygnatura, ""), Dobra},
    {"text row with a signature", Tekstowa, ZmienionyZip(&W::Sygnatura, "504B"), W1(TZasada::TekstowaZSygnatura)},
};
// clang-format on

constexpr TNaruszenie Sprawdz(const TPrzypadek& p) {
  const bool tekstowa = p.Rodzaj == TRodzajTabeli::Tekstowa;
  const bool wzorcow = p.Rodzaj == TRodzajTabeli::Wzorcow;
  TWierszZrodlowy pierwszy = Bmp, ostatni = Png;
  if (tekstowa) pierwszy.Sygnatura = ostatni.Sygnatura = "";
  if (wzorcow) pierwszy.Sygnatura = "424D**", ostatni.Sygnatura = "89**4E47";
  const std::array<TWierszZrodlowy, 3> tabela = {pierwszy, p.Srodkowy, ostatni};
  return SprawdzTabele(tabela, p.Rodzaj);
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
