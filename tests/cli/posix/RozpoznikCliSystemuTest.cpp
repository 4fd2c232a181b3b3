// rozpoznik-cli on what only a POSIX system has: pipes, mode 000, symbolic links, names that
// are not UTF-8 and a full device.

#include <sys/stat.h>

#include <filesystem>
#include <optional>
#include <sstream>
#include <string>
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

TEST_F(RozpoznikCliPosix, UnreadablePathsAreReportedAndTheRunGoesOn) {
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

TEST_F(RozpoznikCliPosix, FileWithoutReadPermissionIsReportedNotIdentifiedAsZeros) {
  const std::string plik = folder.Zapisz("tajne.zip", Zip);
  chmod(plik.c_str(), 0);
  const std::optional<TPrzebieg> przebieg = UruchomBezPrawaOdczytu({"tajne.zip"});
  if (!przebieg) GTEST_SKIP() << "running as root, and the change to the user nobody was refused";
  const TPrzebieg& p = *przebieg;
  EXPECT_EQ(p.KodWyjscia, 2);
  EXPECT_EQ(p.Wyjscie, "");
  EXPECT_EQ(p.Bledy, "rozpoznik-cli: tajne.zip: Permission denied\n");
}

TEST_F(RozpoznikCliPosix, RecursiveWalkIsSortedAndSkipsLinkedDirectories) {
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

// The path's invalid pieces become U+FFFD in JSON, and the extension is worked out from the same
// reading of the name: one "?" for each U+FFFD, and no character an overlong form imitates.
TEST_F(RozpoznikCliPosix, FileNameThatIsNotUtf8GivesValidJsonThatAgreesWithTheExtension) {
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

TEST_F(RozpoznikCliPosix, OutputThatCannotBeWrittenIsAFailure) {
  folder.Zapisz("archiwum.zip", Zip);
  const TPrzebieg p =
      UruchomProgram(ROZPOZNIK_CLI, {"archiwum.zip"}, folder.Sciezka(), "/dev/full");
  EXPECT_EQ(p.KodWyjscia, 2);
  EXPECT_NE(p.Bledy.find("cannot write"), std::string::npos);
}

}  // namespace
