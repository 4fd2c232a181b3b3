#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "cli/Sciezki.h"
#include "tests/FolderTestowy.h"
#include "tests/ProcesPotomny.h"

namespace {

namespace fs = std::filesystem;

struct TZebrane {
  std::vector<std::string> Pliki;
  std::vector<std::string> Bledy;
};

TZebrane Przejdz(const fs::path& sciezka, bool rekurencyjnie) {
  TZebrane z;
  PrzejdzSciezke(
      sciezka.string(), rekurencyjnie, [&](const std::string& s) { z.Pliki.push_back(s); },
      [&](const std::string& s, const std::string& opis) { z.Bledy.push_back(s + ": " + opis); });
  return z;
}

// A recursive walk done by BezPrawaOdczytu. The child passes each finding back marked with its
// kind; anything else it sends, such as its exception, is kept as an error for the test to show.
std::optional<TZebrane> PrzejdzBezPrawaOdczytu(const fs::path& sciezka) {
  const std::optional<std::string> zapis = BezPrawaOdczytu([&] {
    const TZebrane z = Przejdz(sciezka, true);
    std::string wynik;
    for (const std::string& s : z.Pliki) wynik += 'P' + s + '\0';
    for (const std::string& s : z.Bledy) wynik += 'B' + s + '\0';
    return wynik;
  });
  if (!zapis) return std::nullopt;
  TZebrane z;
  std::istringstream strumien(*zapis);
  for (std::string pozycja; std::getline(strumien, pozycja, '\0');) {
    if (pozycja.starts_with('P')) {
      z.Pliki.push_back(pozycja.substr(1));
    } else if (pozycja.starts_with('B')) {
      z.Bledy.push_back(pozycja.substr(1));
    } else {
      z.Bledy.push_back(pozycja);
    }
  }
  return z;
}

TEST(Sciezki, WalkGivesEveryFileInSortedByteOrderAndLeavesLinkedDirectoriesAlone) {
  const TFolderTestowy folder;
  for (const char* nazwa : {"b", "a", "B", "c/z", "c/y", "c/d/e", "\xC5\x82.txt"}) {
    folder.Zapisz(nazwa, "x");
  }
  fs::create_directory_symlink("..", folder.Sciezka() / "c" / "petla");
  fs::create_symlink("b", folder.Sciezka() / "dowiazanie");
  const fs::path f = folder.Sciezka();

  const TZebrane z = Przejdz(f, true);

  EXPECT_EQ(z.Pliki, (std::vector<std::string>{f / "B", f / "a", f / "b", f / "c/d/e", f / "c/y",
                                               f / "c/z", f / "dowiazanie", f / "\xC5\x82.txt"}));
  EXPECT_TRUE(z.Bledy.empty());
}

// Telling a pipe or a device from a file is the opening's work, which refuses them unopened.
TEST(Sciezki, PipesAreHandedOnLikeFilesForTheOpeningToRefuse) {
  const TFolderTestowy folder;
  const std::string plik = folder.Zapisz("a", "x");
  const fs::path kolejka = folder.Sciezka() / "kolejka";
  ASSERT_EQ(mkfifo(kolejka.c_str(), 0600), 0);

  EXPECT_EQ(Przejdz(folder.Sciezka(), true).Pliki,
            (std::vector<std::string>{plik, kolejka.string()}));
  EXPECT_EQ(Przejdz(kolejka, false).Pliki, (std::vector<std::string>{kolejka.string()}));
}

TEST(Sciezki, NamedLinkToADirectoryIsFollowed) {
  const TFolderTestowy folder;
  folder.Zapisz("prawdziwy/plik", "x");
  fs::create_directory_symlink("prawdziwy", folder.Sciezka() / "link");

  EXPECT_EQ(Przejdz(folder.Sciezka() / "link", true).Pliki,
            (std::vector<std::string>{folder.Sciezka() / "link" / "plik"}));
}

TEST(Sciezki, WithoutRecursionAFileIsPassedOnAsWrittenAndADirectoryIsAnError) {
  const TFolderTestowy folder;
  const TZebrane plik = Przejdz("nie/ma/takiego", false);
  EXPECT_EQ(plik.Pliki, (std::vector<std::string>{"nie/ma/takiego"}));

  const TZebrane katalog = Przejdz(folder.Sciezka(), false);
  EXPECT_TRUE(katalog.Pliki.empty());
  ASSERT_EQ(katalog.Bledy.size(), 1u);
  EXPECT_NE(katalog.Bledy[0].find("-r"), std::string::npos);
}

TEST(Sciezki, DirectoryThatCannotBeReadIsReportedAndTheWalkGoesOn) {
  const TFolderTestowy folder;
  folder.Zapisz("a/zamkniety/plik", "x");
  folder.Zapisz("b", "x");
  const fs::path zamkniety = folder.Sciezka() / "a" / "zamkniety";
  fs::permissions(zamkniety, fs::perms::none);

  const std::optional<TZebrane> zebrane = PrzejdzBezPrawaOdczytu(folder.Sciezka());
  fs::permissions(zamkniety, fs::perms::owner_all);
  if (!zebrane) GTEST_SKIP() << "running as root, and the change to the user nobody was refused";
  const TZebrane& z = *zebrane;

  EXPECT_EQ(z.Pliki, (std::vector<std::string>{folder.Sciezka() / "b"}));
  ASSERT_EQ(z.Bledy.size(), 1u);
  EXPECT_EQ(z.Bledy[0], zamkniety.string() + ": Permission denied");
}

}  // namespace
