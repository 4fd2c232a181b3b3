// rozpoznik-cli run as a user runs it, on files the tests write: what it does alike everywhere.

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "RozpoznikCli.h"

namespace {

using nlohmann::json;

TEST_F(RozpoznikCli, ZipNazwanyZipMaJedynegoKandydataZip) {
  folder.Zapisz("archiwum.zip", Zip);

  const TPrzebieg wJson = Uruchom({"--json", "archiwum.zip"});
  EXPECT_EQ(wJson.KodWyjscia, 0);
  EXPECT_EQ(wJson.Bledy, "");
  const auto linie = LinieJson(wJson.Wyjscie);
  ASSERT_EQ(linie.size(), 1u);
  EXPECT_EQ(linie[0]["path"], "archiwum.zip");
  EXPECT_EQ(linie[0]["size"], Zip.size());
  EXPECT_EQ(linie[0]["extension"], "ZIP");
  std::string bajty = "504B0304140000000800";
  for (int i = 0; i < 40; ++i) bajty += "7A";
  bajty.resize(160, '0');
  EXPECT_EQ(linie[0]["bytes"], bajty);
  EXPECT_EQ(linie[0]["recognised"], true);
  EXPECT_EQ(RozszerzeniaKandydatow(linie[0]), std::vector<std::string>{"ZIP"});
  EXPECT_EQ(linie[0]["candidates"][0]["type"], "Archiwum ZIP");

  const TPrzebieg tekst = Uruchom({"archiwum.zip"});
  EXPECT_EQ(tekst.KodWyjscia, 0);
  EXPECT_EQ(
      tekst.Wyjscie.rfind("archiwum.zip\n  1. type: Archiwum ZIP\n     category: Archiwum\n", 0),
      0u)
      << tekst.Wyjscie;
}

TEST_F(RozpoznikCli, KandydaciWKolejnosciSilnikaGdyZadenNieMaRozszerzeniaPliku) {
  folder.Zapisz("archiwum.dat", Zip);
  const auto linie = LinieJson(Uruchom({"--json", "archiwum.dat"}).Wyjscie);
  ASSERT_EQ(linie.size(), 1u);
  EXPECT_EQ(RozszerzeniaKandydatow(linie[0]),
            (std::vector<std::string>{"PK3", "ZIP", "CBZ", "WMZ", "IMZ", "JAR"}));
}

// The same candidates, the longest signature first; equal counts keep the catalogue's order, and
// the summary counts the file under the first of the order in use.
TEST_F(RozpoznikCli, OpcjaRankedUkladaKandydatowWedlugPrzypietychBajtow) {
  folder.Zapisz("archiwum.dat", Zip);
  const auto zwykle = LinieJson(Uruchom({"--json", "archiwum.dat"}).Wyjscie);
  const TPrzebieg p = Uruchom({"--json", "--ranked", "--summary", "archiwum.dat"});
  EXPECT_EQ(p.KodWyjscia, 0);
  const auto linie = LinieJson(p.Wyjscie);
  ASSERT_EQ(linie.size(), 2u);
  ASSERT_EQ(zwykle.size(), 1u);
  std::vector<std::string> oczekiwane = RozszerzeniaKandydatow(zwykle[0]);
  std::vector<int> przypiete;
  for (const json& k : linie[0]["candidates"]) przypiete.push_back(k["matched"]["pinned_bytes"]);
  EXPECT_TRUE(std::ranges::is_sorted(przypiete, std::ranges::greater{}));
  EXPECT_EQ(przypiete.front(), 6);
  EXPECT_EQ(RozszerzeniaKandydatow(linie[0]),
            (std::vector<std::string>{"WMZ", "PK3", "ZIP", "CBZ", "IMZ", "JAR"}));
  std::ranges::sort(oczekiwane);
  std::vector<std::string> uszeregowane = RozszerzeniaKandydatow(linie[0]);
  std::ranges::sort(uszeregowane);
  EXPECT_EQ(uszeregowane, oczekiwane);
  EXPECT_EQ(linie[1]["summary"]["types"], json({{linie[0]["candidates"][0]["type"], 1}}));
}

// Extensions cut at five characters in the catalogue still name the file's own.
TEST_F(RozpoznikCli, UcieteRozszerzeniaNieSaNiezgodnoscia) {
  folder.Zapisz("plik.torrent", "d8:announce35:udp://tracker.example:1337/announce");
  folder.Zapisz("kopia.tar.gz", "\x1F\x8B\x08\x08\x00\x00\x00\x00\x00\x03kopia.tar"s);
  folder.Zapisz("plik.torrent.zip", "d8:announce35:udp://tracker.example:1337/announce");
  const TPrzebieg p = Uruchom({"--mismatches", "plik.torrent", "kopia.tar.gz", "plik.torrent.zip"});
  EXPECT_EQ(p.KodWyjscia, 0);
  EXPECT_EQ(p.Wyjscie.find("plik.torrent [mismatch]"), std::string::npos) << p.Wyjscie;
  EXPECT_EQ(p.Wyjscie.find("kopia.tar.gz"), std::string::npos) << p.Wyjscie;
  EXPECT_NE(p.Wyjscie.find("plik.torrent.zip [mismatch]\n"), std::string::npos) << p.Wyjscie;
}

TEST_F(RozpoznikCli, PustyPlikNazwanyPustym) {
  folder.Zapisz("pusty.txt", "");
  const TPrzebieg p = Uruchom({"pusty.txt"});
  EXPECT_EQ(p.KodWyjscia, 0);
  EXPECT_EQ(p.Wyjscie.rfind("pusty.txt\n  1. type: Pusty plik (0 bajtów)\n", 0), 0u) << p.Wyjscie;
  EXPECT_EQ(p.Wyjscie.find("  2. "), std::string::npos);
}

TEST_F(RozpoznikCli, NieznanyPlikBinarnyNierozpoznanyIKonczySieJedynka) {
  // Only ASCII letters of an extension change case.
  folder.Zapisz("dane.bąk", NieznaneDane);

  const TPrzebieg wJson = Uruchom({"--json", "dane.bąk"});
  EXPECT_EQ(wJson.KodWyjscia, 1);
  const auto linie = LinieJson(wJson.Wyjscie);
  ASSERT_EQ(linie.size(), 1u);
  EXPECT_EQ(linie[0]["recognised"], false);
  EXPECT_EQ(linie[0]["candidates"], json::array());
  EXPECT_EQ(linie[0]["bytes"], "0102030405060708090A0B" + std::string(138, '0'));
  EXPECT_EQ(linie[0]["extension"], "BąK");
  EXPECT_EQ(linie[0]["size"], 11);

  const TPrzebieg tekst = Uruchom({"dane.bąk"});
  EXPECT_EQ(tekst.KodWyjscia, 1);
  EXPECT_EQ(tekst.Wyjscie,
            "dane.bąk\n"
            "  not recognised: first bytes 0102030405060708090A, extension BąK, size 11 bytes\n");
}

TEST_F(RozpoznikCli, PodwojnyMyslnikKonczyOpcje) {
  folder.Zapisz("-r.zip", Zip);
  const TPrzebieg p = Uruchom({"--json", "--", "-r.zip"});
  EXPECT_EQ(p.KodWyjscia, 0);
  ASSERT_EQ(LinieJson(p.Wyjscie).size(), 1u);
  EXPECT_EQ(LinieJson(p.Wyjscie)[0]["path"], "-r.zip");
}

TEST_F(RozpoznikCli, ZleArgumentyKonczaSieDwojkaAPomocZerem) {
  EXPECT_EQ(Uruchom({}).KodWyjscia, 2);
  EXPECT_EQ(Uruchom({"--nieznana", "x"}).KodWyjscia, 2);

  const TPrzebieg pomoc = Uruchom({"--help"});
  EXPECT_EQ(pomoc.KodWyjscia, 0);
  for (const char* tresc : {"--json", "--csv", "-r,--recursive", "--mismatches", "--explain",
                            "--summary", "-j,--jobs", "PATH", "Use --", "Exit status", "2 wins"}) {
    EXPECT_NE(pomoc.Wyjscie.find(tresc), std::string::npos) << tresc;
  }
}

}  // namespace
