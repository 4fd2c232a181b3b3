// The engine on what only Windows has: sharing modes, device names, UTF-16 names, long paths
// and the read-only attribute.

#include <windows.h>

#include <filesystem>
#include <string>

#include "engine/Klucz.h"
#include "engine/ObslugaBaz.h"
#include "tests/core/PlikiTestowe.h"
#include "text/windows/OpisBledu.h"

namespace {

namespace fs = std::filesystem;

using PlikiSystemu = TTestZPlikami;

std::string Bajty(const TOdczytPliku& klucz, std::size_t ile) {
  return klucz.TekstSzesnastkowy.substr(0, 2 * ile);
}

}  // namespace

// Another program writing the file: the deny-write sharing refuses it at once, as a file that
// can't be opened, and the key is zeros; nothing waits for the writer.
TEST_F(PlikiSystemu, PlikOtwartyDoZapisuGdzieIndziejJestOdrzucany) {
  const std::string sciezka = folder_.Zapisz("pisany.txt", "w trakcie zapisu");
  const HANDLE pisarz =
      CreateFileW(SciezkaZUtf8(sciezka).c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(pisarz, INVALID_HANDLE_VALUE);

  const TPlikDoOdczytu plik(sciezka);
  EXPECT_FALSE(plik.Otwarty());
  EXPECT_EQ(plik.OpisBledu(), OpisBleduSystemu(ERROR_SHARING_VIOLATION));
  EXPECT_EQ(Opis(ZbudujKlucz(sciezka)), SameZera + " 0");
  EXPECT_EQ(BladOtwarcia([&] { CzyPlikTekstowy(sciezka); }),
            "Cannot open file \"" + sciezka + "\". " + OpisBleduSystemu(ERROR_SHARING_VIOLATION));
  CloseHandle(pisarz);

  EXPECT_EQ(Bajty(ZbudujKlucz(sciezka), 3), "772074");
}

// A reader that lets others read does not stand in the way.
TEST_F(PlikiSystemu, PlikOtwartyDoOdczytuGdzieIndziejJestCzytany) {
  const std::string sciezka = folder_.Zapisz("czytany.txt", "czytany");
  const HANDLE czytelnik = CreateFileW(SciezkaZUtf8(sciezka).c_str(), GENERIC_READ, FILE_SHARE_READ,
                                       nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(czytelnik, INVALID_HANDLE_VALUE);
  EXPECT_EQ(ZbudujKlucz(sciezka).Rozmiar, 7);
  CloseHandle(czytelnik);
}

// Names go to Windows as UTF-16: letters outside any one code page open as well as Polish ones.
TEST_F(PlikiSystemu, NazwyZPolskimiIChinskimiZnakami) {
  const TOdczytPliku polska = ZbudujKlucz(folder_.Zapisz("zdjęcie.żółw", "GIF89a"));
  EXPECT_EQ(Bajty(polska, 6), "474946383961");
  EXPECT_EQ(polska.Klucz.Rozszerzenie.Tekst(), "\xBF\xF3\xB3W");

  const TOdczytPliku chinska = ZbudujKlucz(folder_.Zapisz("文件/图片.gif", "GIF87a"));
  EXPECT_EQ(Bajty(chinska, 6), "474946383761");
  EXPECT_EQ(chinska.Rozmiar, 6);
  EXPECT_EQ(chinska.Klucz.Rozszerzenie.Tekst(), "GIF");
}

// Longer than the 260 characters of MAX_PATH, which the program's manifest lifts.
TEST_F(PlikiSystemu, SciezkaDluzszaNiz260Znakow) {
  std::string nazwa;
  for (int i = 0; i < 8; ++i) nazwa += std::string(40, static_cast<char>('a' + i)) + "/";
  nazwa += "archiwum.zip";
  const std::string sciezka = folder_.Zapisz(nazwa, "PK\x03\x04");
  ASSERT_GT(sciezka.size(), 330u);

  const TOdczytPliku k = ZbudujKlucz(sciezka);
  EXPECT_EQ(Bajty(k, 4), "504B0304");
  EXPECT_EQ(k.Rozmiar, 4);
  EXPECT_FALSE(CzyPlikTekstowy(sciezka));
}

TEST_F(PlikiSystemu, SciezkaZUkosnikamiWObieStrony) {
  const std::string sciezka = folder_.Zapisz("a/b/plik.txt", "tekst");
  std::string zLewymi = sciezka;
  for (char& c : zLewymi) {
    if (c == '/') c = '\\';
  }
  std::string zPrawymi = sciezka;
  for (char& c : zPrawymi) {
    if (c == '\\') c = '/';
  }
  EXPECT_EQ(ZbudujKlucz(zLewymi).Rozmiar, 5);
  EXPECT_EQ(ZbudujKlucz(zPrawymi).Rozmiar, 5);
}

// Device names are refused unopened, also inside a folder: the console would wait for a key.
TEST_F(PlikiSystemu, NazwyUrzadzenNieSaOtwierane) {
  for (const std::string& sciezka : {std::string("NUL"), std::string("CON"), std::string("con"),
                                     std::string("CONIN$"), folder_.Sciezka("NUL")}) {
    SCOPED_TRACE(sciezka);
    const TPlikDoOdczytu plik(sciezka);
    EXPECT_FALSE(plik.Otwarty());
    EXPECT_EQ(plik.OpisBledu(), "Not a regular file");
    EXPECT_EQ(Opis(ZbudujKlucz(sciezka)), SameZera + " 0");
  }
}

TEST_F(PlikiSystemu, FolderNieJestOtwierany) {
  const std::string folder = folder_.Sciezka("folder.d");
  ASSERT_TRUE(fs::create_directory(SciezkaZUtf8(folder)));
  const TPlikDoOdczytu plik(folder);
  EXPECT_FALSE(plik.Otwarty());
  EXPECT_EQ(plik.OpisBledu(), "Is a directory");
}

// Read-only forbids writing, not reading.
TEST_F(PlikiSystemu, PlikTylkoDoOdczytuJestCzytany) {
  const std::string sciezka = folder_.Zapisz("stary.pdf", "%PDF-1.4");
  const std::wstring szeroka = SciezkaZUtf8(sciezka).wstring();
  ASSERT_TRUE(SetFileAttributesW(szeroka.c_str(), FILE_ATTRIBUTE_READONLY));
  const TOdczytPliku k = ZbudujKlucz(sciezka);
  SetFileAttributesW(szeroka.c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(Bajty(k, 5), "255044462D");
  EXPECT_EQ(k.Rozmiar, 8);
}

// A name that is not UTF-8 can't be turned into a Windows name; guessing one could open
// another file.
TEST_F(PlikiSystemu, SciezkaSpozaUtf8NieJestOtwierana) {
  folder_.Zapisz("plik.bin", "x");
  const TPlikDoOdczytu plik(Utf8(folder_.Sciezka()) + "\\plik\xFF.bin");
  EXPECT_FALSE(plik.Otwarty());
  EXPECT_EQ(plik.OpisBledu(), OpisBleduSystemu(ERROR_NO_UNICODE_TRANSLATION));
}
