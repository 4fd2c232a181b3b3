#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <functional>
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
  std::vector<std::string> Dowiazania;  // "path -> target"
  std::vector<std::string> Bledy;
};

TZebrane Przejdz(const fs::path& sciezka, bool rekurencyjnie,
                 const std::function<void(const TPlikDoRozpoznania&)>& poPliku = {}) {
  TZebrane z;
  PrzejdzSciezke(
      sciezka.string(), rekurencyjnie,
      [&](const std::shared_ptr<const TFolder>& folder, std::string&& nazwa, const std::string& s) {
        z.Pliki.push_back(s);
        if (poPliku) poPliku({folder, std::move(nazwa), s});
      },
      [&](const std::string& s, const std::string& cel) {
        z.Dowiazania.push_back(s + " -> " + cel);
      },
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

// Links of every kind are handed on as links, never as files to open nor folders to enter:
// within the tree, out of it, to a folder, to nothing.
TEST(Sciezki, ObchodDajeKazdyPlikWPorzadkuBajtowAKazdeDowiazanieNieSledzone) {
  const TFolderTestowy folder;
  for (const char* nazwa : {"b", "a", "B", "c/z", "c/y", "c/d/e", "\xC5\x82.txt"}) {
    folder.Zapisz(nazwa, "x");
  }
  fs::create_directory_symlink("..", folder.Sciezka() / "c" / "petla");
  fs::create_symlink("b", folder.Sciezka() / "dowiazanie");
  fs::create_symlink("/etc/passwd", folder.Sciezka() / "pw");
  fs::create_symlink("nie-ma-takiego", folder.Sciezka() / "c" / "wiszace");
  const std::string dlugi(1000, 'd');
  fs::create_symlink(dlugi, folder.Sciezka() / "dlugi");
  const fs::path f = folder.Sciezka();

  const TZebrane z = Przejdz(f, true);

  EXPECT_EQ(z.Pliki, (std::vector<std::string>{f / "B", f / "a", f / "b", f / "c/d/e", f / "c/y",
                                               f / "c/z", f / "\xC5\x82.txt"}));
  EXPECT_EQ(
      z.Dowiazania,
      (std::vector<std::string>{
          (f / "c/petla").string() + " -> ..", (f / "c/wiszace").string() + " -> nie-ma-takiego",
          (f / "dlugi").string() + " -> " + dlugi, (f / "dowiazanie").string() + " -> b",
          (f / "pw").string() + " -> /etc/passwd"}));
  EXPECT_TRUE(z.Bledy.empty());
}

// The listing, or for a named path one look at it, tells a pipe from a file: it is refused
// unopened, since opening it could wait for a writer.
// Names that share their first eight bytes, are shorter than eight, or hold bytes from 0x80 up
// come in the order of their bytes, as one thread and the output's order want them.
TEST(Sciezki, NazwyWPorzadkuBajtowTakzeZeWspolnymPoczatkiem) {
  TFolderTestowy folder;
  const std::vector<std::string> posortowane = {"A",
                                                "B",
                                                "a",
                                                "a\x01",
                                                "ab",
                                                "abcdefgh",
                                                "abcdefgh0",
                                                "abcdefghZ",
                                                "abcdefghi",
                                                "abcdefgi",
                                                "zdj\xc4\x99"
                                                "cie",
                                                "\xc5\xbc"};
  for (auto nazwa = posortowane.rbegin(); nazwa != posortowane.rend(); ++nazwa) {
    folder.Zapisz(*nazwa, "x");
  }
  std::vector<std::string> oczekiwane;
  for (const std::string& nazwa : posortowane)
    oczekiwane.push_back((folder.Sciezka() / nazwa).string());
  EXPECT_EQ(Przejdz(folder.Sciezka(), true).Pliki, oczekiwane);
}

TEST(Sciezki, PotokiZnalezionePoDrodzeLubNazwaneOdrzuconeBezOtwarcia) {
  const TFolderTestowy folder;
  const std::string plik = folder.Zapisz("a", "x");
  const fs::path kolejka = folder.Sciezka() / "kolejka";
  ASSERT_EQ(mkfifo(kolejka.c_str(), 0600), 0);

  const TZebrane z = Przejdz(folder.Sciezka(), true);
  EXPECT_EQ(z.Pliki, (std::vector<std::string>{plik}));
  EXPECT_EQ(z.Bledy, (std::vector<std::string>{kolejka.string() + ": Not a regular file"}));
  EXPECT_EQ(Przejdz(kolejka, false).Bledy,
            (std::vector<std::string>{kolejka.string() + ": Not a regular file"}));
}

// A folder swapped for a link to somewhere else after its parent was listed: the walk must
// neither list what the link leads to nor read a file swapped for a link the same way.
TEST(Sciezki, FolderLubPlikPodmienionyNaDowiazaniePodczasObchoduOdrzuconyNieSledzony) {
  const TFolderTestowy folder;
  folder.Zapisz("drzewo/a", "x");
  folder.Zapisz("drzewo/b/w-drzewie", "x");
  folder.Zapisz("drzewo/c", "x");
  folder.Zapisz("poza/tajne", "x");
  const fs::path drzewo = folder.Sciezka() / "drzewo";
  std::optional<bool> cOtwarty;

  const TZebrane z = Przejdz(drzewo, true, [&](const TPlikDoRozpoznania& plik) {
    if (plik.Sciezka == (drzewo / "c").string()) cOtwarty = Otworz(plik).Otwarty();
    if (plik.Sciezka != (drzewo / "a").string()) return;
    fs::rename(drzewo / "b", folder.Sciezka() / "b-stary");
    fs::create_directory_symlink(folder.Sciezka() / "poza", drzewo / "b");
    fs::remove(drzewo / "c");
    fs::create_symlink(folder.Sciezka() / "poza" / "tajne", drzewo / "c");
  });

  EXPECT_EQ(z.Pliki, (std::vector<std::string>{drzewo / "a", drzewo / "c"}));
  ASSERT_EQ(z.Bledy.size(), 1u);
  EXPECT_EQ(z.Bledy[0].rfind((drzewo / "b").string() + ": ", 0), 0u) << z.Bledy[0];
  EXPECT_EQ(cOtwarty, false) << "the file listed as c is now a link, and must not be read";
}

// A tree deeper than any path the system accepts, walked with fewer handles than it has levels.
TEST(Sciezki, DrzewoGlebszeNizSciezkaILimitUchwytowObchodzoneDoDna) {
  const TFolderTestowy folder;
  constexpr int Glebokosc = 400;
  const std::string nazwa = "folder-poziomu";
  int fd = ::open(folder.Sciezka().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  for (int i = 0; i < Glebokosc; ++i) {
    ASSERT_EQ(::mkdirat(fd, nazwa.c_str(), 0755), 0);
    const int nastepny = ::openat(fd, nazwa.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ::close(fd);
    fd = nastepny;
    ASSERT_GE(fd, 0);
  }
  const int plik = ::openat(fd, "dno", O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
  ::close(plik);
  ::close(fd);

  const std::optional<std::string> wynik = WProcesieZLimitem(
      [&] {
        const rlimit limit{64, 64};
        ::setrlimit(RLIMIT_NOFILE, &limit);
        const TZebrane z = Przejdz(folder.Sciezka(), true);
        std::string opis = std::to_string(z.Pliki.size()) + " files, " +
                           std::to_string(z.Bledy.size()) + " errors";
        if (!z.Pliki.empty()) opis += ", " + std::to_string(z.Pliki[0].size()) + " bytes";
        return opis;
      },
      std::chrono::seconds(30));
  // The tree is too deep for a removal by paths.
  std::system(("rm -rf '" + folder.Sciezka().string() + "/" + nazwa + "'").c_str());
  const std::size_t dlugoscDna =
      folder.Sciezka().string().size() + (nazwa.size() + 1) * Glebokosc + 4;
  EXPECT_EQ(wynik, "1 files, 0 errors, " + std::to_string(dlugoscDna) + " bytes");
}

// The user asked for that path: a named link is followed, to a folder or to a file, but the
// links inside the folder it leads to are not.
TEST(Sciezki, NazwaneDowiazanieJestSledzone) {
  const TFolderTestowy folder;
  folder.Zapisz("prawdziwy/plik", "x");
  fs::create_directory_symlink("prawdziwy", folder.Sciezka() / "link");
  fs::create_symlink("plik", folder.Sciezka() / "prawdziwy" / "w-srodku");
  fs::create_symlink("prawdziwy/plik", folder.Sciezka() / "link-do-pliku");

  const TZebrane z = Przejdz(folder.Sciezka() / "link", true);
  EXPECT_EQ(z.Pliki, (std::vector<std::string>{folder.Sciezka() / "link" / "plik"}));
  EXPECT_EQ(
      z.Dowiazania,
      (std::vector<std::string>{(folder.Sciezka() / "link" / "w-srodku").string() + " -> plik"}));
  for (const bool rekurencyjnie : {false, true}) {
    bool otwarty = false;
    const TZebrane p =
        Przejdz(folder.Sciezka() / "link-do-pliku", rekurencyjnie,
                [&](const TPlikDoRozpoznania& plik) { otwarty = Otworz(plik).Otwarty(); });
    EXPECT_EQ(p.Pliki.size(), 1u);
    EXPECT_TRUE(p.Dowiazania.empty());
    EXPECT_TRUE(otwarty);
  }
}

TEST(Sciezki, BezRekurencjiPlikPrzekazanyJakZapisanyAFolderToBlad) {
  const TFolderTestowy folder;
  const std::string sciezka = folder.Zapisz("plik", "x");
  EXPECT_EQ(Przejdz(sciezka, false).Pliki, (std::vector<std::string>{sciezka}));
  EXPECT_EQ(Przejdz("nie/ma/takiego", false).Bledy,
            (std::vector<std::string>{"nie/ma/takiego: No such file or directory"}));

  const TZebrane katalog = Przejdz(folder.Sciezka(), false);
  EXPECT_TRUE(katalog.Pliki.empty());
  ASSERT_EQ(katalog.Bledy.size(), 1u);
  EXPECT_NE(katalog.Bledy[0].find("-r"), std::string::npos);
}

TEST(Sciezki, NieczytelnyFolderZgloszonyAObchodTrwaDalej) {
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
