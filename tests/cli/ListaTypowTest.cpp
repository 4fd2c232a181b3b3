// The catalogue written out by --list-types: every row once, in each format, in UTF-8.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "UruchomProgram.h"
#include "catalogue/Katalog.h"
#include "cli/ListaTypow.h"
#include "tests/FolderTestowy.h"

namespace {

constexpr std::size_t WierszyKatalogu = 576;
constexpr std::size_t WierszySuplementu = RozmiarSuplementuSygnatur + RozmiarSuplementuTekstowego +
                                          RozmiarSuplementuSond + RozmiarSuplementuKontenerow;
constexpr std::size_t Wierszy = WierszyKatalogu + WierszySuplementu;

std::vector<std::string> Linie(const std::string& tekst) {
  std::vector<std::string> linie;
  std::istringstream strumien(tekst);
  for (std::string linia; std::getline(strumien, linia);) linie.push_back(linia);
  return linie;
}

TEST(ListaTypow, TekstPodajeKazdyWierszZPolskimiLiterami) {
  const std::vector<std::string> linie = Linie(ListaTypow(TFormatListy::Tekst));
  ASSERT_EQ(linie.size(), 4 * Wierszy);
  EXPECT_EQ(linie[8], "BazaSygnatur 2: extension BC!, signature 00000000000000000000");
  EXPECT_EQ(linie[9], "  type: BitComet Incomplete Download");
  EXPECT_EQ(linie[10], "  category: Niedokończony plik");
  EXPECT_EQ(linie[11], "  programs: BitComet");
  EXPECT_EQ(linie[4 * WierszyKatalogu - 1],
            "  programs: Notatnik, Kashmir Web Editor, Notepad2, Notepad++");
  EXPECT_EQ(linie[4 * (WierszyKatalogu - 1)], "BazaTekstowa 18: extension TXT, signature (none)");
  // The supplement follows, its rows numbered in its own tables.
  EXPECT_EQ(linie[4 * WierszyKatalogu].substr(0, 21), "SuplementSygnatur 0: ");
  EXPECT_EQ(linie[4 * (WierszyKatalogu + RozmiarSuplementuSygnatur)],
            "SuplementTekstowy 0: extension , signature (none)");
}

TEST(ListaTypow, JsonToJedenObiektNaWiersz) {
  const std::vector<std::string> linie = Linie(ListaTypow(TFormatListy::Json));
  ASSERT_EQ(linie.size(), Wierszy);
  const nlohmann::json wzorzec = nlohmann::json::parse(linie[489 + 25]);
  EXPECT_EQ(wzorzec["table"], "BazaWzorcow");
  EXPECT_EQ(wzorzec["row"], 25);
  EXPECT_EQ(wzorzec["extension"], "WAV");
  EXPECT_EQ(wzorzec["signature"], "52494646********57415645");
  EXPECT_EQ(wzorzec["category"], "Plik dźwiękowy");
  EXPECT_EQ(wzorzec["programs"],
            (std::vector<std::string>{"WinAMP", "Media Player Classic", "Audacity"}));
  for (const std::string& linia : linie) EXPECT_TRUE(nlohmann::json::accept(linia)) << linia;
}

TEST(ListaTypow, CsvCytujePolaZPrzecinkiemICudzyslowem) {
  const std::vector<std::string> linie = Linie(ListaTypow(TFormatListy::Csv));
  ASSERT_EQ(linie.size(), 1 + Wierszy);
  EXPECT_EQ(linie[0], "table,row,extension,signature,type,category,programs");
  EXPECT_EQ(linie[1 + 64], "BazaSygnatur,64,TAR.G,1F8B08,Gzipped TAR,ARchiwum,IZarc");
  EXPECT_EQ(linie[1 + 489 + 24],
            "BazaWzorcow,24,CDR,52494646********434452,Obraz Corel Draw,"
            "Obraz wektorowy,Corel DRAW");
  EXPECT_EQ(linie[1 + 489 + 68 + 9],
            "BazaTekstowa,9,INF,,Information file,"
            "Plik konfiguracyjny instalator,"
            "zależy od programu; (podgląd) Notatnik");
  // A type with a comma keeps it inside one quoted field.
  bool cytat = false;
  for (const std::string& linia : linie) cytat |= linia.find(",\"") != std::string::npos;
  EXPECT_TRUE(cytat);
}

TEST(ListaTypow, OpcjaProgramu) {
  TFolderTestowy folder;
  const TPrzebieg csv = UruchomProgram(ROZPOZNIK_CLI, {"--list-types", "--csv"}, folder.Sciezka());
  EXPECT_EQ(csv.KodWyjscia, 0);
  EXPECT_EQ(csv.Wyjscie, ListaTypow(TFormatListy::Csv));
  EXPECT_EQ(UruchomProgram(ROZPOZNIK_CLI, {"--list-types", "--json"}, folder.Sciezka()).Wyjscie,
            ListaTypow(TFormatListy::Json));
  // The list identifies no files.
  EXPECT_EQ(UruchomProgram(ROZPOZNIK_CLI, {"--list-types", "x"}, folder.Sciezka()).KodWyjscia, 2);
}

}  // namespace
