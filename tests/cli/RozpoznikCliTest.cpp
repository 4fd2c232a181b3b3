// rozpoznik-cli run as a user runs it, on files the tests write.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "UruchomProgram.h"
#include "tests/FolderTestowy.h"
#include "tests/ProcesPotomny.h"

namespace {

using namespace std::string_literals;
using nlohmann::json;

const std::string Zip = "PK\x03\x04\x14\x00\x00\x00\x08\x00"s + std::string(40, 'z');
// No signature or pattern fits it, and its control bytes keep it out of the text table.
const std::string NieznaneDane = "\x01\x02\x03\x04\x05\x06\x07\x08\x09\x0A\x0B"s;

// A run as a child process passes it back: exit code and length of the output, then the output
// and the error output.
std::string ZapisPrzebiegu(const TPrzebieg& p) {
  return std::to_string(p.KodWyjscia) + ' ' + std::to_string(p.Wyjscie.size()) + '\n' + p.Wyjscie +
         p.Bledy;
}

// Anything else the child sent, such as its exception, becomes the error output, for the test to
// show.
TPrzebieg OdczytajPrzebieg(const std::string& zapis) {
  TPrzebieg p;
  std::istringstream strumien(zapis);
  int kod = 0;
  std::size_t dlugosc = 0;
  if (strumien >> kod >> dlugosc && strumien.get() == '\n') {
    const auto poczatek = static_cast<std::size_t>(strumien.tellg());
    if (dlugosc <= zapis.size() - poczatek) {
      p.KodWyjscia = kod;
      p.Wyjscie = zapis.substr(poczatek, dlugosc);
      p.Bledy = zapis.substr(poczatek + dlugosc);
      return p;
    }
  }
  p.Bledy = zapis;
  return p;
}

class RozpoznikCli : public testing::Test {
 protected:
  TPrzebieg Uruchom(const std::vector<std::string>& argumenty) const {
    return UruchomProgram(ROZPOZNIK_CLI, argumenty, folder.Sciezka());
  }

  // Runs the program through BezPrawaOdczytu. It runs from a copy in the test's folder, since
  // the build folder may lie where the user nobody cannot reach, such as root's home.
  std::optional<TPrzebieg> UruchomBezPrawaOdczytu(const std::vector<std::string>& argumenty) const {
    const std::filesystem::path program = folder.Sciezka() / "rozpoznik-cli";
    std::filesystem::copy_file(ROZPOZNIK_CLI, program);
    // The program's output files are created there.
    OddajNobody(folder.Sciezka());
    const std::optional<std::string> zapis = BezPrawaOdczytu(
        [&] { return ZapisPrzebiegu(UruchomProgram(program, argumenty, folder.Sciezka())); });
    if (!zapis) return std::nullopt;
    return OdczytajPrzebieg(*zapis);
  }

  static std::vector<json> LinieJson(const std::string& wyjscie) {
    std::vector<json> linie;
    std::istringstream strumien(wyjscie);
    for (std::string linia; std::getline(strumien, linia);) linie.push_back(json::parse(linia));
    return linie;
  }

  static std::vector<std::string> RozszerzeniaKandydatow(const json& plik) {
    std::vector<std::string> wynik;
    for (const json& k : plik["candidates"]) wynik.push_back(k["extension"]);
    return wynik;
  }

  TFolderTestowy folder;
};

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

TEST_F(RozpoznikCli, UnreadablePathsAreReportedAndTheRunGoesOn) {
  folder.Zapisz("dane.bin", NieznaneDane);
  folder.Zapisz("katalog/plik.zip", Zip);
  ASSERT_EQ(mkfifo((folder.Sciezka() / "kolejka").c_str(), 0600), 0);

  const TPrzebieg p = Uruchom({"brak.zip", "katalog", "kolejka", "dane.bin"});

  EXPECT_EQ(p.KodWyjscia, 2) << "unreadable wins over unrecognised";
  EXPECT_EQ(p.Wyjscie.rfind("dane.bin\n  not recognised", 0), 0u) << p.Wyjscie;
  EXPECT_EQ(p.Bledy,
            "rozpoznik-cli: brak.zip: No such file or directory\n"
            "rozpoznik-cli: katalog: Is a directory (-r identifies the files in it)\n"
            "rozpoznik-cli: kolejka: Not a regular file\n");

  const TPrzebieg r = Uruchom({"-r", "katalog", "."});
  EXPECT_EQ(r.KodWyjscia, 2);
  EXPECT_NE(r.Bledy.find("rozpoznik-cli: ./kolejka: Not a regular file\n"), std::string::npos)
      << r.Bledy;
}

TEST_F(RozpoznikCli, FileWithoutReadPermissionIsReportedNotIdentifiedAsZeros) {
  const std::string plik = folder.Zapisz("tajne.zip", Zip);
  chmod(plik.c_str(), 0);
  const std::optional<TPrzebieg> przebieg = UruchomBezPrawaOdczytu({"tajne.zip"});
  if (!przebieg) GTEST_SKIP() << "running as root, and the change to the user nobody was refused";
  const TPrzebieg& p = *przebieg;
  EXPECT_EQ(p.KodWyjscia, 2);
  EXPECT_EQ(p.Wyjscie, "");
  EXPECT_EQ(p.Bledy, "rozpoznik-cli: tajne.zip: Permission denied\n");
}

TEST_F(RozpoznikCli, RecursiveWalkIsSortedAndSkipsLinkedDirectories) {
  folder.Zapisz("drzewo/b.zip", Zip);
  folder.Zapisz("drzewo/a/c.zip", Zip);
  folder.Zapisz("drzewo/a.zip", Zip);
  std::filesystem::create_directory_symlink(".", folder.Sciezka() / "drzewo" / "a" / "petla");

  const TPrzebieg p = Uruchom({"-r", "--json", "drzewo"});

  EXPECT_EQ(p.KodWyjscia, 0);
  std::vector<std::string> sciezki;
  for (const json& plik : LinieJson(p.Wyjscie)) sciezki.push_back(plik["path"]);
  EXPECT_EQ(sciezki, (std::vector<std::string>{"drzewo/a/c.zip", "drzewo/a.zip", "drzewo/b.zip"}));
}

// Names that would clear the screen, forge a line or set the terminal's title, on both streams.
TEST_F(RozpoznikCli, FileNamesCannotSendCommandsToTheTerminal) {
  const std::vector<std::string> nazwy = {"x.\x1B[2J", "y.\nFAKE", "z.\x1B]0;T\x07",
                                          "w.\xC2\x9B"
                                          "2J"};
  for (const std::string& nazwa : nazwy) folder.Zapisz("drzewo/" + nazwa, NieznaneDane);

  const TPrzebieg p = Uruchom({"-r", "drzewo", "brak\x1B[2J"});

  EXPECT_EQ(p.KodWyjscia, 2);
  for (const std::string* strumien : {&p.Wyjscie, &p.Bledy}) {
    EXPECT_EQ(strumien->find_first_of("\x1B\x07\x9B"), std::string::npos) << *strumien;
  }
  EXPECT_EQ(std::count(p.Wyjscie.begin(), p.Wyjscie.end(), '\n'), 2 * 4) << p.Wyjscie;
  EXPECT_EQ(p.Bledy, "rozpoznik-cli: brak\\x1B[2J: No such file or directory\n");
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

TEST_F(RozpoznikCli, FileNameThatIsNotUtf8GivesValidJson) {
  folder.Zapisz("nazwa\xFF.zip", Zip);
  const TPrzebieg p = Uruchom({"--json", "nazwa\xFF.zip"});
  EXPECT_EQ(p.KodWyjscia, 0);
  const auto linie = LinieJson(p.Wyjscie);
  ASSERT_EQ(linie.size(), 1u);
  EXPECT_EQ(linie[0]["path"], "nazwa\xEF\xBF\xBD.zip");
}

TEST_F(RozpoznikCli, OutputThatCannotBeWrittenIsAFailure) {
  folder.Zapisz("archiwum.zip", Zip);
  const TPrzebieg p =
      UruchomProgram(ROZPOZNIK_CLI, {"archiwum.zip"}, folder.Sciezka(), "/dev/full");
  EXPECT_EQ(p.KodWyjscia, 2);
  EXPECT_NE(p.Bledy.find("cannot write"), std::string::npos);
}

// Several threads identify the files, one writes them: the output must not show it.
TEST_F(RozpoznikCli, TreeWalkedInParallelGivesTheSameBytesAsOneThread) {
  const std::string rodzaje[] = {Zip, NieznaneDane, "Notatka\n", "\x89PNG\r\n\x1A\n"s};
  const char* rozszerzenia[] = {".zip", ".bin", ".txt", ".jpg"};
  for (int i = 0; i < 400; ++i) {
    folder.Zapisz("drzewo/" + std::to_string(i % 7) + "/" + std::to_string(i % 3) + "/p" +
                      std::to_string(i) + rozszerzenia[i % 4],
                  rodzaje[(i / 4) % 4]);
  }
  ASSERT_EQ(mkfifo((folder.Sciezka() / "drzewo" / "3" / "kolejka").c_str(), 0600), 0);

  for (const std::vector<std::string>& format :
       {std::vector<std::string>{}, {"--json", "--summary"}, {"--csv"}, {"--mismatches"}}) {
    std::vector<std::string> argumenty = format;
    argumenty.insert(argumenty.end(), {"-r", "drzewo", "-j"});
    std::vector<std::string> jeden = argumenty;
    jeden.push_back("1");
    argumenty.push_back("4");
    const TPrzebieg p1 = Uruchom(jeden);
    const TPrzebieg p4 = Uruchom(argumenty);
    EXPECT_EQ(p1.KodWyjscia, 2);
    EXPECT_EQ(p4.KodWyjscia, 2);
    EXPECT_GT(p1.Wyjscie.size(), 1000u);
    EXPECT_EQ(p1.Bledy, "rozpoznik-cli: drzewo/3/kolejka: Not a regular file\n");
    // The summary's time differs from run to run; everything before it must not.
    const auto bezCzasu = [](const std::string& wyjscie) {
      return wyjscie.substr(0, wyjscie.find("{\"summary\""));
    };
    EXPECT_EQ(bezCzasu(p4.Wyjscie), bezCzasu(p1.Wyjscie));
    EXPECT_EQ(p4.Bledy, p1.Bledy);
  }
}

TEST_F(RozpoznikCli, SummaryCountsFilesByKindAndMismatchesListsOnlyLiars) {
  folder.Zapisz("a.zip", Zip);
  folder.Zapisz("zip-udajacy.jpg", Zip);
  folder.Zapisz("bez-rozszerzenia", Zip);
  folder.Zapisz("dane.bin", NieznaneDane);
  folder.Zapisz("notatka.txt", "Notatka\n");
  ASSERT_EQ(mkfifo((folder.Sciezka() / "kolejka").c_str(), 0600), 0);
  const std::vector<std::string> pliki = {"a.zip",    "zip-udajacy.jpg", "bez-rozszerzenia",
                                          "dane.bin", "notatka.txt",     "kolejka"};

  std::vector<std::string> argumenty = {"--json", "--summary"};
  argumenty.insert(argumenty.end(), pliki.begin(), pliki.end());
  const auto linie = LinieJson(Uruchom(argumenty).Wyjscie);
  ASSERT_EQ(linie.size(), 6u);
  const json& podsumowanie = linie.back()["summary"];
  EXPECT_EQ(podsumowanie["files"], 5);
  EXPECT_EQ(podsumowanie["recognised"], 4);
  EXPECT_EQ(podsumowanie["unrecognised"], 1);
  EXPECT_EQ(podsumowanie["mismatches"], 1);
  EXPECT_EQ(podsumowanie["unreadable"], 1);
  EXPECT_EQ(podsumowanie["types"]["Archiwum ZIP"], 1);
  EXPECT_EQ(podsumowanie["types"]["Dokument tekstowy"], 1);
  EXPECT_EQ(podsumowanie["categories"]["Archiwum"], 3);
  EXPECT_GE(podsumowanie["seconds"], 0.0);

  std::vector<std::string> tekstowo = {"--summary"};
  tekstowo.insert(tekstowo.end(), pliki.begin(), pliki.end());
  const TPrzebieg p = Uruchom(tekstowo);
  EXPECT_NE(p.Bledy.find("  files: 5 (recognised 4, not recognised 1)\n"
                         "  extension mismatches: 1\n"
                         "  unreadable paths: 1\n"),
            std::string::npos)
      << p.Bledy;
  EXPECT_NE(p.Bledy.find("  by category:\n    3  Archiwum\n"), std::string::npos) << p.Bledy;

  std::vector<std::string> niezgodne = {"--mismatches"};
  niezgodne.insert(niezgodne.end(), pliki.begin(), pliki.end());
  const TPrzebieg n = Uruchom(niezgodne);
  EXPECT_EQ(n.Wyjscie.rfind("zip-udajacy.jpg [mismatch]\n  1. type: ", 0), 0u) << n.Wyjscie;
  EXPECT_EQ(std::count(n.Wyjscie.begin(), n.Wyjscie.end(), '['), 1) << n.Wyjscie;
}

}  // namespace
