#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "tests/FolderTestowy.h"
#include "tests/SerwerHttp.h"
#include "update/PobierzStrone.h"

namespace {

using namespace std::string_literals;
using TRodzaj = TOdpowiedzHttp::TRodzaj;

std::string Bajty(std::size_t Dlugosc) {
  std::string tekst(Dlugosc, '\0');
  for (std::size_t i = 0; i < Dlugosc; ++i) tekst[i] = static_cast<char>('A' + i % 26);
  return tekst;
}

TEST(PobierzStrone, ZachowujeTrescDokladnieJakPrzychodziWMalychKawalkach) {
  const std::string bodies[] = {""s,          Bajty(128), Bajty(300),          "1"s,
                                "a\0b\0\0c"s, "\0"s,      "\xFF\xFE\r\n \x80"s};
  for (const std::string& body : bodies) {
    for (const bool chunked : {false, true}) {
      SCOPED_TRACE("length " + std::to_string(body.size()) + (chunked ? ", chunked" : ""));
      TSerwerHttp serwer([&](const std::string&) {
        return TOdpowiedzHttp{.Tresc = body, .Kawalek = 7, .Porcjami = chunked};
      });
      std::string tekst = "left over";
      EXPECT_TRUE(PobierzStrone(tekst, serwer.Adres() + "strona"));
      EXPECT_EQ(tekst, body);
    }
  }
}

TEST(PobierzStrone, WysylaZwyklyGetZNazwaPlikuProgramuJakoAgentem) {
  TSerwerHttp serwer([](const std::string&) { return TOdpowiedzHttp{.Tresc = "1"}; });
  std::string tekst;
  PobierzStrone(tekst, serwer.Adres() + "aktual.php?rand=42&program=Rozpoznik%20wersja%201.4");

  const auto zapytania = serwer.Zapytania();
  ASSERT_EQ(zapytania.size(), 1u);
  EXPECT_EQ(zapytania[0].Wiersz,
            "GET /aktual.php?rand=42&program=Rozpoznik%20wersja%201.4 HTTP/1.1");
  EXPECT_EQ(zapytania[0].Agent, ROZPOZNIK_PROGRAM_TESTOW);
}

TEST(PobierzStrone, PomijaStatusHttp) {
  TSerwerHttp serwer([](const std::string&) {
    return TOdpowiedzHttp{.Status = "404 Not Found", .Tresc = "<html>brak</html>"};
  });
  std::string tekst;
  EXPECT_TRUE(PobierzStrone(tekst, serwer.Adres()));
  EXPECT_EQ(tekst, "<html>brak</html>");
}

TEST(PobierzStrone, IdzieZaPrzekierowaniamiDoPieciu) {
  TSerwerHttp serwer([](const std::string& cel) {
    if (cel == "/stara") {
      return TOdpowiedzHttp{.Status = "302 Found", .Naglowki = {"Location: /nowa"}, .Tresc = "x"};
    }
    if (cel == "/nowa") return TOdpowiedzHttp{.Tresc = "1"};
    return TOdpowiedzHttp{.Status = "302 Found", .Naglowki = {"Location: /petla"}, .Tresc = "x"};
  });
  std::string tekst;
  PobierzStrone(tekst, serwer.Adres() + "stara");
  EXPECT_EQ(tekst, "1");
  ASSERT_EQ(serwer.Zapytania().size(), 2u);
  EXPECT_EQ(serwer.Zapytania()[1].Wiersz, "GET /nowa HTTP/1.1");

  PobierzStrone(tekst, serwer.Adres() + "petla");
  EXPECT_EQ(serwer.Zapytania().size(), 2u + 1u + 5u);
  EXPECT_NE(tekst, "1");
}

TEST(PobierzStrone, NieIdzieZaPrzekierowaniemDoPlikuLokalnego) {
  TFolderTestowy katalog;
  const std::string tajny = katalog.Zapisz("tajny.txt", "tajemnica");
  TSerwerHttp serwer([&](const std::string&) {
    return TOdpowiedzHttp{.Status = "302 Found", .Naglowki = {"Location: file://" + tajny}};
  });
  std::string tekst;
  EXPECT_TRUE(PobierzStrone(tekst, serwer.Adres()));
  EXPECT_EQ(tekst.find("tajemnica"), std::string::npos);
}

TEST(PobierzStrone, ZatrzymujeNieskonczonaTrescNa64KiBIZachowujePrzeczytane) {
  TSerwerHttp serwer(
      [](const std::string&) { return TOdpowiedzHttp{.Rodzaj = TRodzaj::BezKonca}; });
  std::string tekst;
  EXPECT_TRUE(PobierzStrone(tekst, serwer.Adres()));
  ASSERT_EQ(tekst.size(), 64u * 1024u);
  EXPECT_TRUE(tekst == WzorzecBezKonca(64 * 1024));
}

TEST(PobierzStrone, DajePustyTekstGdyNieMaPolaczenia) {
  std::string tekst = "left over";
  EXPECT_TRUE(
      PobierzStrone(tekst, "http://127.0.0.1:" + std::to_string(PortBezSerwera()) + "/aktual.php"));
  EXPECT_EQ(tekst, "");

  tekst = "left over";
  EXPECT_TRUE(PobierzStrone(tekst, "not an address"));
  EXPECT_EQ(tekst, "");
}

TEST(PobierzStrone, PoddajeSieGdySerwerNigdyNieOdpowiada) {
  TSerwerHttp serwer(
      [](const std::string&) { return TOdpowiedzHttp{.Rodzaj = TRodzaj::Milczenie}; });
  std::string tekst = "left over";
  const auto poczatek = std::chrono::steady_clock::now();
  EXPECT_TRUE(PobierzStrone(tekst, serwer.Adres()));
  EXPECT_LT(std::chrono::steady_clock::now() - poczatek, std::chrono::seconds(12));
  EXPECT_EQ(tekst, "");
  EXPECT_EQ(serwer.Zapytania().size(), 1u);
}

}  // namespace
