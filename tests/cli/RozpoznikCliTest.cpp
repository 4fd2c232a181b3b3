// rozpoznik-cli run as a user runs it, on files the tests write: what it does alike everywhere.

#include <string>
#include <vector>

#include "RozpoznikCli.h"

namespace {

using nlohmann::json;

TEST_F(RozpoznikCli, ZipNamedZipHasTheOneZipCandidate) {
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

TEST_F(RozpoznikCli, CandidatesKeepTheEnginesOrderWhenNoneHasTheFilesExtension) {
  folder.Zapisz("archiwum.dat", Zip);
  const auto linie = LinieJson(Uruchom({"--json", "archiwum.dat"}).Wyjscie);
  ASSERT_EQ(linie.size(), 1u);
  EXPECT_EQ(RozszerzeniaKandydatow(linie[0]),
            (std::vector<std::string>{"PK3", "ZIP", "CBZ", "WMZ", "IMZ", "JAR"}));
}

TEST_F(RozpoznikCli, UnknownBinaryIsNotRecognisedAndExitsWithOne) {
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

TEST_F(RozpoznikCli, DoubleDashEndsTheOptions) {
  folder.Zapisz("-r.zip", Zip);
  const TPrzebieg p = Uruchom({"--json", "--", "-r.zip"});
  EXPECT_EQ(p.KodWyjscia, 0);
  ASSERT_EQ(LinieJson(p.Wyjscie).size(), 1u);
  EXPECT_EQ(LinieJson(p.Wyjscie)[0]["path"], "-r.zip");
}

TEST_F(RozpoznikCli, WrongArgumentsExitWithTwoAndHelpWithZero) {
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
