// The update check's Windows platform calls: the marker's last-write time read and set in local
// time, and the program's own path. CTest runs these in Central European time, so that a winter
// and a summer date are both converted by their own rule.

#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <string>

#include "tests/FolderTestowy.h"
#include "update/PlikZnacznika.h"
#include "update/SciezkaProgramu.h"

// For GoogleTest's messages, found by argument-dependent lookup.
void PrintTo(const TCzasLokalny& c, std::ostream* o) {
  *o << c.Rok << '-' << c.Miesiac << '-' << c.Dzien << ' ' << c.Godzina << ':' << c.Minuta << ':'
     << c.Sekunda;
}

namespace {

namespace fs = std::filesystem;

std::optional<TCzasLokalny> CzasZapisuPliku(const std::string& Sciezka) {
  return TPlikZnacznika(Sciezka).CzasZapisu();
}

bool UstawCzasZapisuPliku(const std::string& Sciezka, const TCzasLokalny& Czas) {
  return TPlikZnacznika(Sciezka).UstawCzasZapisu(Czas);
}

// A marker dated at midnight in winter must still read as midnight in summer and the other way
// round: the date's own daylight-saving rule counts, not today's.
TEST(PlatformaAktualizacji, CzasZapisuWrocaTakiSamZimaILatem) {
  const TFolderTestowy folder;
  const std::string znacznik = folder.Zapisz("readme.txt", "x");
  for (const TCzasLokalny czas :
       {TCzasLokalny{2024, 1, 15, 0, 0, 0}, TCzasLokalny{2024, 7, 15, 0, 0, 0},
        TCzasLokalny{2023, 10, 29, 23, 59, 58}}) {
    ASSERT_TRUE(UstawCzasZapisuPliku(znacznik, czas));
    EXPECT_EQ(CzasZapisuPliku(znacznik), czas);
  }
}

TEST(PlatformaAktualizacji, ZnacznikTylkoDoOdczytuZostajeNietkniety) {
  const TFolderTestowy folder;
  const std::string znacznik = folder.Zapisz("readme.txt", "x");
  ASSERT_TRUE(UstawCzasZapisuPliku(znacznik, {2020, 5, 5, 12, 0, 0}));
  const std::wstring szeroka = SciezkaZUtf8(znacznik).wstring();
  ASSERT_TRUE(SetFileAttributesW(szeroka.c_str(), FILE_ATTRIBUTE_READONLY));
  EXPECT_FALSE(UstawCzasZapisuPliku(znacznik, {2024, 1, 1, 0, 0, 0}));
  SetFileAttributesW(szeroka.c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(CzasZapisuPliku(znacznik), (TCzasLokalny{2020, 5, 5, 12, 0, 0}));
}

TEST(PlatformaAktualizacji, BrakujacyZnacznikIFolderNieMajaCzasu) {
  const TFolderTestowy folder;
  const std::string brak = folder.Sciezka("żółw/readme.txt");
  EXPECT_FALSE(CzasZapisuPliku(brak).has_value());
  EXPECT_FALSE(UstawCzasZapisuPliku(brak, {2024, 1, 1, 0, 0, 0}));
  EXPECT_FALSE(fs::exists(SciezkaZUtf8(brak))) << "the marker must not be created";
  EXPECT_FALSE(CzasZapisuPliku(Utf8(folder.Sciezka())).has_value());
  EXPECT_FALSE(UstawCzasZapisuPliku(Utf8(folder.Sciezka()), {2024, 1, 1, 0, 0, 0}));
}

TEST(PlatformaAktualizacji, SciezkaProgramuToTenProgram) {
  const TSciezkaProgramu program = SciezkaProgramu();
  EXPECT_EQ(program.NazwaPliku, "testy_platformy_aktualizacji.exe");
  ASSERT_FALSE(program.Katalog.empty());
  EXPECT_EQ(program.Katalog.back(), '\\');
  EXPECT_TRUE(fs::exists(SciezkaZUtf8(program.Katalog + program.NazwaPliku)));
}

}  // namespace
