// rozpoznik-cli on what only a POSIX system has: pipes, mode 000, symbolic links, names that
// are not UTF-8 and a full device.

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "RozpoznikCli.h"
#include "tests/ProcesPotomny.h"

namespace {

using nlohmann::json;

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

class RozpoznikCliPosix : public RozpoznikCli {
 protected:
  // `-r drzewo` with the options given, on one thread and on four, whose outputs must agree.
  std::pair<TPrzebieg, TPrzebieg> WalkOnOneAndFourThreads(
      std::vector<std::string> argumenty) const {
    argumenty.insert(argumenty.end(), {"-r", "drzewo", "-j", "1"});
    TPrzebieg jeden = Uruchom(argumenty);
    argumenty.back() = "4";
    return {std::move(jeden), Uruchom(argumenty)};
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
};

TEST_F(RozpoznikCliPosix, NieczytelneSciezkiZgloszoneAPracaTrwaDalej) {
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

TEST_F(RozpoznikCliPosix, PlikBezPrawaOdczytuZgloszonyNieRozpoznanyJakZera) {
  const std::string plik = folder.Zapisz("tajne.zip", Zip);
  chmod(plik.c_str(), 0);
  const std::optional<TPrzebieg> przebieg = UruchomBezPrawaOdczytu({"tajne.zip"});
  if (!przebieg) GTEST_SKIP() << "running as root, and the change to the user nobody was refused";
  const TPrzebieg& p = *przebieg;
  EXPECT_EQ(p.KodWyjscia, 2);
  EXPECT_EQ(p.Wyjscie, "");
  EXPECT_EQ(p.Bledy, "rozpoznik-cli: tajne.zip: Permission denied\n");
}

TEST_F(RozpoznikCliPosix, ObchodRekurencyjnyPosortowanyZDowiazaniamiNieSledzonymi) {
  folder.Zapisz("drzewo/b.zip", Zip);
  folder.Zapisz("drzewo/a/c.zip", Zip);
  folder.Zapisz("drzewo/a.zip", Zip);
  std::filesystem::create_directory_symlink(".", folder.Sciezka() / "drzewo" / "a" / "petla");

  const TPrzebieg p = Uruchom({"-r", "--json", "drzewo"});

  EXPECT_EQ(p.KodWyjscia, 0);
  EXPECT_EQ(Sciezki(p.Wyjscie), (std::vector<std::string>{"drzewo/a/c.zip", "drzewo/a/petla",
                                                          "drzewo/a.zip", "drzewo/b.zip"}));
}

// A tree whose author points links out of it: whoever walks it, with whatever rights, must not
// get an answer about what they point to, in any form, on any number of threads. The outside
// file is a ZIP, the only one in reach, so its type showing up anywhere would give it away.
TEST_F(RozpoznikCliPosix, DowiazaniaWDrzewieWypisaneNieSledzoneWKazdejPostaci) {
  folder.Zapisz("poza/tajne.dat", Zip);
  folder.Zapisz("poza/folder/tajne.dat", Zip);
  folder.Zapisz("drzewo/notatka.txt", "Notatka\n");
  const std::filesystem::path drzewo = folder.Sciezka() / "drzewo";
  const std::string poza = (folder.Sciezka() / "poza").string();
  std::filesystem::create_symlink(poza + "/tajne.dat", drzewo / "pw");
  std::filesystem::create_symlink("nie-ma", drzewo / "wiszace");
  std::filesystem::create_directory_symlink(poza + "/folder", drzewo / "do-folderu");
  std::filesystem::create_symlink("\x1B[2J", drzewo / "sterujace");

  for (const std::vector<std::string>& format :
       {std::vector<std::string>{}, {"--json", "--summary"}, {"--csv"}}) {
    const auto [p1, p4] = WalkOnOneAndFourThreads(format);
    EXPECT_EQ(p1.KodWyjscia, 0) << p1.Bledy;
    const auto bezCzasu = [](const std::string& wyjscie) {
      return wyjscie.substr(0, wyjscie.find("\"seconds\""));
    };
    EXPECT_EQ(bezCzasu(p4.Wyjscie), bezCzasu(p1.Wyjscie));
    EXPECT_EQ(p1.Bledy, "");
    EXPECT_EQ(p1.Wyjscie.find("ZIP"), std::string::npos) << p1.Wyjscie;
    // CSV keeps a target's exact bytes, as it keeps a path's.
    if (format != std::vector<std::string>{"--csv"}) {
      EXPECT_EQ(p1.Wyjscie.find('\x1B'), std::string::npos) << "a target can't drive a terminal";
    }
  }

  const TPrzebieg tekst = Uruchom({"-r", "drzewo"});
  EXPECT_NE(tekst.Wyjscie.find("drzewo/pw\n  symbolic link to " + poza +
                               "/tajne.dat, not followed\ndrzewo/sterujace\n"
                               "  symbolic link to \\x1B[2J, not followed\n"),
            std::string::npos)
      << tekst.Wyjscie;
  EXPECT_NE(tekst.Wyjscie.find("drzewo/do-folderu\n  symbolic link to " + poza + "/folder,"),
            std::string::npos);
  EXPECT_NE(tekst.Wyjscie.find("drzewo/wiszace\n  symbolic link to nie-ma, not followed\n"),
            std::string::npos);

  const auto linie = LinieJson(Uruchom({"-r", "--json", "--summary", "drzewo"}).Wyjscie);
  ASSERT_EQ(linie.size(), 6u);
  EXPECT_EQ(linie[2], (json{{"path", "drzewo/pw"}, {"link", poza + "/tajne.dat"}}));
  EXPECT_EQ(linie[5]["summary"]["links"], 4);
  EXPECT_EQ(linie[5]["summary"]["files"], 1);

  const TPrzebieg csv = Uruchom({"-r", "--csv", "drzewo"});
  EXPECT_NE(csv.Wyjscie.find("drzewo/pw,,,,,,,,,,," + poza + "/tajne.dat\r\n"), std::string::npos)
      << csv.Wyjscie;

  const TPrzebieg podsumowanie = Uruchom({"-r", "--summary", "drzewo"});
  EXPECT_NE(podsumowanie.Bledy.find("  symbolic links, not followed: 4\n"), std::string::npos)
      << podsumowanie.Bledy;

  // Named by the user, the same link is followed: that path is what was asked for.
  const TPrzebieg nazwany = Uruchom({"--json", "-r", "drzewo/pw"});
  EXPECT_EQ(nazwany.KodWyjscia, 0);
  ASSERT_EQ(LinieJson(nazwany.Wyjscie).size(), 1u);
  EXPECT_NE(nazwany.Wyjscie.find("\"ZIP\""), std::string::npos) << nazwany.Wyjscie;
}

// The path's invalid pieces become U+FFFD in JSON, and the extension is worked out from the same
// reading of the name: one "?" for each U+FFFD, and no character an overlong form imitates.
TEST_F(RozpoznikCliPosix, NazwaSpozaUtf8DajePoprawnyJsonZgodnyZRozszerzeniem) {
  const struct {
    std::string nazwa;
    std::string sciezka;
    std::string rozszerzenie;
  } przypadki[] = {{"nazwa\xFF.zip", "nazwa\uFFFD.zip", "ZIP"},
                   {"overlong\xC0\xAEpng", "overlong\uFFFD\uFFFDpng", ""},
                   {"nul.\xC0\x80", "nul.\uFFFD\uFFFD", "??"}};
  for (const auto& p : przypadki) folder.Zapisz(p.nazwa, Zip);
  const TPrzebieg p =
      Uruchom({"--json", przypadki[0].nazwa, przypadki[1].nazwa, przypadki[2].nazwa});
  EXPECT_EQ(p.KodWyjscia, 0);
  const auto linie = LinieJson(p.Wyjscie);
  ASSERT_EQ(linie.size(), 3u);
  for (std::size_t i = 0; i < linie.size(); ++i) {
    EXPECT_EQ(linie[i]["path"], json::parse('"' + przypadki[i].sciezka + '"'));
    EXPECT_EQ(linie[i]["extension"], przypadki[i].rozszerzenie);
  }
}

TEST_F(RozpoznikCliPosix, WyjscieNieDoZapisaniaToPorazka) {
  folder.Zapisz("archiwum.zip", Zip);
  const TPrzebieg p =
      UruchomProgram(ROZPOZNIK_CLI, {"archiwum.zip"}, folder.Sciezka(), "/dev/full");
  EXPECT_EQ(p.KodWyjscia, 2);
  EXPECT_NE(p.Bledy.find("cannot write"), std::string::npos);
}

TEST_F(RozpoznikCliPosix, NazwyPlikowNieWysylajaPolecenDoTerminala) {
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

TEST_F(RozpoznikCliPosix, DrzewoObchodzoneRownolegleDajeTeSameBajtyCoJedenWatek) {
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
    const auto [p1, p4] = WalkOnOneAndFourThreads(format);
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

TEST_F(RozpoznikCliPosix, PodsumowanieLiczyPlikiWedlugRodzajuANiezgodnosciWypisujaTylkoKlamcow) {
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
