// rozpoznik-cli on Windows paths: backslashes, drive letters, the \\?\ form, long paths, names
// outside any code page, device names and files that another program is writing.

#include <windows.h>

#include <string>
#include <vector>

#include "RozpoznikCli.h"
#include "text/windows/OpisBledu.h"

namespace {

class RozpoznikCliWindows : public RozpoznikCli {
 protected:
  // The test's folder as Windows names it: a drive letter and backslashes.
  std::string Folder() const { return Utf8(folder.Sciezka().lexically_normal()); }
};

TEST_F(RozpoznikCliWindows, NieczytelneSciezkiZgloszoneAPracaTrwaDalej) {
  folder.Zapisz("dane.bin", NieznaneDane);
  folder.Zapisz("katalog/plik.zip", Zip);

  const TPrzebieg p = Uruchom({"brak.zip", "katalog", "NUL", "CON", "dane.bin"});

  EXPECT_EQ(p.KodWyjscia, 2) << "unreadable wins over unrecognised";
  EXPECT_EQ(p.Wyjscie.rfind("dane.bin\n  not recognised", 0), 0u) << p.Wyjscie;
  EXPECT_EQ(p.Bledy, "rozpoznik-cli: brak.zip: " + OpisBleduSystemu(ERROR_FILE_NOT_FOUND) +
                         "\n"
                         "rozpoznik-cli: katalog: Is a directory (-r identifies the files in it)\n"
                         "rozpoznik-cli: NUL: Not a regular file\n"
                         "rozpoznik-cli: CON: Not a regular file\n");
}

// The writer keeps the file: the program reports it as unreadable at once instead of waiting.
TEST_F(RozpoznikCliWindows, PlikOtwartyGdzieIndziejDoZapisuJestNieczytelny) {
  const std::string sciezka = folder.Zapisz("pisany.zip", Zip);
  const HANDLE pisarz =
      CreateFileW(SciezkaZUtf8(sciezka).c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(pisarz, INVALID_HANDLE_VALUE);
  const TPrzebieg p = Uruchom({"pisany.zip"});
  CloseHandle(pisarz);
  EXPECT_EQ(p.KodWyjscia, 2);
  EXPECT_EQ(p.Wyjscie, "");
  EXPECT_EQ(p.Bledy,
            "rozpoznik-cli: pisany.zip: " + OpisBleduSystemu(ERROR_SHARING_VIOLATION) + "\n");
}

TEST_F(RozpoznikCliWindows, PlikTylkoDoOdczytuJestRozpoznany) {
  const std::string sciezka = folder.Zapisz("archiwum.zip", Zip);
  const std::wstring szeroka = SciezkaZUtf8(sciezka).wstring();
  ASSERT_TRUE(SetFileAttributesW(szeroka.c_str(), FILE_ATTRIBUTE_READONLY));
  const TPrzebieg p = Uruchom({"--json", "archiwum.zip"});
  SetFileAttributesW(szeroka.c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(p.KodWyjscia, 0) << p.Bledy;
  ASSERT_EQ(LinieJson(p.Wyjscie).size(), 1u);
  EXPECT_EQ(RozszerzeniaKandydatow(LinieJson(p.Wyjscie)[0]), std::vector<std::string>{"ZIP"});
}

// Windows paths come back as they were named, with backslashes joining what the walk adds, in
// the byte order of the UTF-8 names; Polish and Chinese letters reach the program and the JSON.
TEST_F(RozpoznikCliWindows, ObchodRekurencyjnyZeSciezkamiWindows) {
  folder.Zapisz("drzewo/b.zip", Zip);
  folder.Zapisz("drzewo/a/c.zip", Zip);
  folder.Zapisz("drzewo/a.zip", Zip);
  folder.Zapisz("drzewo/żółw/文件.zip", Zip);

  EXPECT_EQ(Sciezki(Uruchom({"-r", "--json", "drzewo"}).Wyjscie),
            (std::vector<std::string>{"drzewo\\a\\c.zip", "drzewo\\a.zip", "drzewo\\b.zip",
                                      "drzewo\\żółw\\文件.zip"}));
  EXPECT_EQ(Sciezki(Uruchom({"-r", "--json", "drzewo\\a\\"}).Wyjscie),
            (std::vector<std::string>{"drzewo\\a\\c.zip"}));
  EXPECT_EQ(Sciezki(Uruchom({"-r", "--json", "drzewo/a"}).Wyjscie),
            (std::vector<std::string>{"drzewo/a\\c.zip"}));

  const std::string bezwzgledna = Folder() + "\\drzewo\\a";
  ASSERT_EQ(bezwzgledna[1], ':') << "a drive letter";
  EXPECT_EQ(Sciezki(Uruchom({"-r", "--json", bezwzgledna}).Wyjscie),
            (std::vector<std::string>{bezwzgledna + "\\c.zip"}));
  EXPECT_EQ(Sciezki(Uruchom({"-r", "--json", "\\\\?\\" + bezwzgledna}).Wyjscie),
            (std::vector<std::string>{"\\\\?\\" + bezwzgledna + "\\c.zip"}));

  const TPrzebieg tekst = Uruchom({"drzewo\\żółw\\文件.zip"});
  EXPECT_EQ(tekst.KodWyjscia, 0);
  EXPECT_EQ(tekst.Wyjscie.rfind("drzewo\\żółw\\文件.zip\n  1. type: Archiwum ZIP\n", 0), 0u)
      << tekst.Wyjscie;
}

TEST_F(RozpoznikCliWindows, SciezkiDluzszeNiz260Znakow) {
  std::string nazwa = "dlugi";
  for (int i = 0; i < 7; ++i) nazwa += "/" + std::string(40, static_cast<char>('a' + i));
  folder.Zapisz(nazwa + "/archiwum.zip", Zip);
  std::string dluga = Folder() + "\\" + nazwa;
  for (char& c : dluga) {
    if (c == '/') c = '\\';
  }
  ASSERT_GT(dluga.size(), 300u);

  const TPrzebieg p = Uruchom({"-r", "--json", Folder() + "\\dlugi"});
  EXPECT_EQ(p.KodWyjscia, 0) << p.Bledy;
  EXPECT_EQ(Sciezki(p.Wyjscie), std::vector<std::string>{dluga + "\\archiwum.zip"});

  const TPrzebieg wprost = Uruchom({"--json", dluga + "\\archiwum.zip"});
  EXPECT_EQ(wprost.KodWyjscia, 0) << wprost.Bledy;
}

// The walk keeps only the nearest folders open and opens those above again when it comes back
// to them, on Windows by the path it names them with.
TEST_F(RozpoznikCliWindows, DrzewoGlebszeNizOtwarteFolderyObchodzoneZPowrotemWGore) {
  std::string lancuch = "gleboki";
  for (int i = 0; i < 40; ++i) lancuch += "/d";
  folder.Zapisz(lancuch + "/dno.zip", Zip);
  folder.Zapisz("gleboki/d/e.zip", Zip);
  folder.Zapisz("gleboki/z.zip", Zip);
  std::string dno = lancuch + "/dno.zip";
  for (char& c : dno) {
    if (c == '/') c = '\\';
  }

  const TPrzebieg p = Uruchom({"-r", "--json", "gleboki"});
  EXPECT_EQ(p.KodWyjscia, 0) << p.Bledy;
  EXPECT_EQ(Sciezki(p.Wyjscie),
            (std::vector<std::string>{dno, "gleboki\\d\\e.zip", "gleboki\\z.zip"}));
}

}  // namespace
