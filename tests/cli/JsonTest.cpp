// JSON written field by field must be what nlohmann writes for the same values, byte for byte:
// the escapes, the replacement of bytes that are not UTF-8, and the whole line of a file.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

#include "catalogue/Katalog.h"
#include "cli/Json.h"
#include "cli/Wypis.h"
#include "engine/Klucz.h"
#include "text/Cp1250.h"
#include "text/Utf8.h"

namespace {

std::string Napis(std::string_view tekst, void (*dopisz)(std::string&, std::string_view)) {
  std::string wynik;
  dopisz(wynik, tekst);
  return wynik;
}

}  // namespace

TEST(Json, NapisyJakZNlohmann) {
  std::string wszystkieBajty;
  for (int b = 0; b < 256; ++b) wszystkieBajty += static_cast<char>(b);
  for (const std::string_view tekst :
       {std::string_view("zwykły tekst"), std::string_view("\"cudzysłów\" i \\ ukośnik"),
        std::string_view("\b\f\n\r\t\x01\x1F\x7F"), std::string_view("z\0zerem", 7),
        std::string_view("\xC0\xAF nadmiarowy, \xED\xA0\x80 połówka, \xFF, urwany \xE2\x82"),
        std::string_view(wszystkieBajty)}) {
    EXPECT_EQ(Napis(tekst, DopiszNapisJson), nlohmann::json(utf8::ZZastepnikami(tekst)).dump())
        << testing::PrintToString(std::string(tekst));
    EXPECT_EQ(Napis(tekst, DopiszNapisJsonZCp1250), nlohmann::json(cp1250::NaUtf8(tekst)).dump())
        << testing::PrintToString(std::string(tekst));
  }
}

// A line of a real identification, with candidates of every table, a text row's null signature
// and names that need escapes, reads back and writes out unchanged.
TEST(Json, WierszPlikuToZwartyZapisNlohmann) {
  TRozpoznanie wynik;
  wynik.Stan = TStan::Rozpoznany;
  wynik.Odczyt.TekstSzesnastkowy = "89504E470D0A1A0A";
  wynik.Odczyt.Rozmiar = 1234567890123;
  wynik.Odczyt.Klucz.Rozszerzenie.Ustaw("P\xB3G");
  for (const TTabelaKatalogu& tabela : TabeleKatalogu) {
    wynik.Kandydaci.push_back(&tabela.Wiersze.front());
    wynik.Kandydaci.push_back(&tabela.Wiersze.back());
  }
  for (const std::string_view sciezka : {"a/b.png", "z \"cudzysłowem\"\n\x01\xFF.png"}) {
    std::string linia;
    DopiszJson(linia, sciezka, wynik);
    ASSERT_FALSE(linia.empty());
    ASSERT_EQ(linia.back(), '\n');
    linia.pop_back();
    const auto odczytany = nlohmann::ordered_json::parse(linia);
    EXPECT_EQ(odczytany.dump(), linia);
    EXPECT_EQ(odczytany["candidates"].size(), 2 * TabeleKatalogu.size());
    EXPECT_TRUE(odczytany["candidates"][5]["matched"]["signature"].is_null());
    EXPECT_EQ(odczytany["size"], 1234567890123);
    EXPECT_EQ(odczytany["path"], utf8::ZZastepnikami(sciezka));
  }
}
