// The identify command with files POSIX can make unreadable: a folder, a pipe, a file without
// the right to read it, and the system's own words for each.

#include <sys/stat.h>

#include <cstring>
#include <optional>

#include "tests/ProcesPotomny.h"
#include "tests/window/PolecenieRozpoznaj.h"

// A file that can't be read is reported, not identified from zeros as an invented format; the
// window shows no result and the next choice works as usual.
TEST_F(PolecenieRozpoznaj, NieczytelnyPlikWOknieBledu) {
  const std::string folder = folder_.Sciezka("folder.zip");
  ASSERT_EQ(::mkdir(folder.c_str(), 0755), 0);
  const std::string potok = folder_.Sciezka("potok");
  ASSERT_EQ(::mkfifo(potok.c_str(), 0644), 0);
  const std::string brak = folder_.Sciezka("zniknal.png");
  const std::vector<std::string> oczekiwane = {BladOtwarcia(brak, std::strerror(ENOENT)),
                                               BladOtwarcia(folder, std::strerror(EISDIR)),
                                               BladOtwarcia(potok, "Not a regular file")};
  for (const std::string& sciezka : {brak, folder, potok}) {
    Wybierz(trzy_);
    Wybierz(sciezka);
    EXPECT_EQ(okno_.Stan()[TKontrolka::Edit1].Tekst, sciezka);
    SprawdzBezWyniku(okno_.Stan());
    EXPECT_TRUE(okno_.ListaTypow.empty());
  }
  EXPECT_EQ(pulpit_.Bledy, oczekiwane);
  EXPECT_TRUE(pulpit_.Potwierdzenia.empty());
  EXPECT_EQ(pulpit_.TrwajacePrace, 0);

  Wybierz(png_);
  PokazujeKandydata(png_, 0);
  EXPECT_EQ(pulpit_.Bledy.size(), 3u);
}

// The user must be able to tell which file failed: the path comes as the file system gives it.
TEST_F(PolecenieRozpoznaj, SciezkaWBledzieBezZmian) {
  const std::string sciezka = folder_.Sciezka("файл.txt");
  Wybierz(sciezka);
  EXPECT_EQ(pulpit_.Bledy, std::vector<std::string>{BladOtwarcia(sciezka, std::strerror(ENOENT))});
}

TEST_F(PolecenieRozpoznaj, PlikBezPrawaOdczytu) {
  const std::string sciezka = folder_.Zapisz("tajny.png", "\x89PNG");
  ASSERT_EQ(::chmod(sciezka.c_str(), 0), 0);
  const std::optional<std::string> blad = BezPrawaOdczytu([&] {
    TPulpitTestowy pulpit;
    TOknoTestowe okno(pulpit, folder_);
    pulpit.WyboryPlikow.push_back(sciezka);
    okno.SpeedButton1Click();
    return pulpit.Bledy.empty() ? std::string("no error box") : pulpit.Bledy.front();
  });
  if (!blad) GTEST_SKIP() << "running as root, and the change to the user nobody was refused";
  EXPECT_EQ(*blad, BladOtwarcia(sciezka, std::strerror(EACCES)));
}
