// The engine on what only a POSIX file system has: names that are not UTF-8, pipes, mode 000,
// and a file renamed over one that is open.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "engine/Klucz.h"
#include "engine/ObslugaBaz.h"
#include "tests/ProcesPotomny.h"
#include "tests/core/PlikiTestowe.h"

namespace {

using PlikiSystemu = TTestZPlikami;

}  // namespace

// File names are the file system's bytes: a name that is not UTF-8 still opens, and goes into
// the error message unchanged.
TEST_F(PlikiSystemu, NazwaSpozaUtf8) {
  const TOdczytPliku latin2 = ZbudujKlucz(folder_.Zapisz("\xBF\xF3\xB3w.bin", "GIF89a"));
  EXPECT_EQ(latin2.TekstSzesnastkowy.substr(0, 12), "474946383961");
  EXPECT_EQ(latin2.Rozmiar, 6);

  const std::string brak = folder_.Sciezka("\xBF\xF3\xB3w.txt");
  EXPECT_EQ(BladOtwarcia([&] { CzyPlikTekstowy(brak); }),
            "Cannot open file \"" + brak + "\". No such file or directory");
}

// Nobody writes into the pipe: an opening that waited for a writer would never come back.
TEST_F(PlikiSystemu, PotokBezPisarzaNieZawiesza) {
  const std::string potok = folder_.Sciezka("potok");
  ASSERT_EQ(::mkfifo(potok.c_str(), 0644), 0);
  const auto klucz =
      WProcesieZLimitem([&] { return Opis(ZbudujKlucz(potok)); }, std::chrono::seconds(20));
  ASSERT_TRUE(klucz.has_value()) << "ZbudujKlucz hangs on a FIFO";
  EXPECT_EQ(*klucz, SameZera + " 0");

  const auto blad = WProcesieZLimitem([&] { return BladOtwarcia([&] { CzyPlikTekstowy(potok); }); },
                                      std::chrono::seconds(20));
  ASSERT_TRUE(blad.has_value()) << "CzyPlikTekstowy hangs on a FIFO";
  EXPECT_EQ(*blad, "Cannot open file \"" + potok + "\". Not a regular file");
}

TEST_F(PlikiSystemu, PlikBezPrawaOdczytu) {
  const std::string sciezka = folder_.Zapisz("tajny.txt", "tajemnica");
  ASSERT_EQ(::chmod(sciezka.c_str(), 0), 0);
  const auto wynik = BezPrawaOdczytu([&] {
    return Opis(ZbudujKlucz(sciezka)) + "|" + BladOtwarcia([&] { CzyPlikTekstowy(sciezka); });
  });
  if (!wynik) GTEST_SKIP() << "running as root, and the change to the user nobody was refused";
  EXPECT_EQ(*wynik, SameZera + " 0|Cannot open file \"" + sciezka + "\". Permission denied");
}

// The key and the text test read one opening: a file put in the path's place between the two
// reads is not the one tested, and the key's read does not move where the test starts. (On
// Windows the opening's sharing mode keeps the file from being replaced at all.)
TEST_F(PlikiSystemu, JednoOtwarcieDlaKluczaITestu) {
  const std::string sciezka = folder_.Zapisz("notatka.txt", std::string(5000, 'a'));
  TPlikDoOdczytu plik(sciezka);
  TOdczytPliku odczyt;
  ASSERT_TRUE(ZbudujKlucz(plik, odczyt));
  const std::string podmieniony = folder_.Zapisz("binarny", std::string("\x00\x01", 2));
  ASSERT_EQ(std::rename(podmieniony.c_str(), sciezka.c_str()), 0);
  EXPECT_TRUE(CzyPlikTekstowy(plik));
  EXPECT_FALSE(CzyPlikTekstowy(sciezka));
}
