// The identification key built from real files, and the extension taken from a path.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>

#include "engine/Klucz.h"
#include "tests/core/Kandydaci.h"
#include "tests/core/PlikiTestowe.h"

namespace {

using ZbudujKluczTest = TTestZPlikami;

}  // namespace

TEST_F(ZbudujKluczTest, PustyPlik) {
  const TOdczytPliku k = ZbudujKlucz(folder_.Zapisz("pusty.bin", ""));
  EXPECT_EQ(k.TekstSzesnastkowy, SameZera);
  EXPECT_EQ(k.Klucz.Sygnatura.Dlugosc, 0);
  EXPECT_EQ(k.Rozmiar, 0);
  EXPECT_EQ(k.Klucz.Rozszerzenie.Tekst(), "BIN");
  EXPECT_EQ(k.Klucz.Typ.Dlugosc, 0);
  EXPECT_EQ(k.Klucz.Kategoria.Dlugosc, 0);
  EXPECT_EQ(k.Klucz.Programy.Dlugosc, 0);
}

// The report sends zeros past the end; the key holds only the bytes that are there.
TEST_F(ZbudujKluczTest, TrzyBajtyIZeraZaNimi) {
  const TOdczytPliku k = ZbudujKlucz(folder_.Zapisz("abc", "ABC"));
  EXPECT_EQ(k.TekstSzesnastkowy, "414243" + std::string(154, '0'));
  EXPECT_EQ(k.Klucz.Sygnatura.Tekst(), "414243");
  EXPECT_EQ(k.Rozmiar, 3);
  EXPECT_EQ(k.Klucz.Rozszerzenie.Dlugosc, 0);
}

TEST_F(ZbudujKluczTest, Z500BajtowTylko80Pierwszych) {
  std::string bajty;
  for (int i = 0; i < 500; ++i) bajty.push_back(static_cast<char>(255 - i % 256));
  const TOdczytPliku k = ZbudujKlucz(folder_.Zapisz("dane.Dat", bajty));
  EXPECT_EQ(k.TekstSzesnastkowy, Hex(bajty.substr(0, 80)));
  EXPECT_EQ(k.TekstSzesnastkowy.substr(0, 8), "FFFEFDFC");
  EXPECT_EQ(k.Klucz.Sygnatura.Tekst(), k.TekstSzesnastkowy);
  EXPECT_EQ(k.Rozmiar, 500);
  EXPECT_EQ(k.Klucz.Rozszerzenie.Tekst(), "DAT");
}

// A caller that identifies many files builds every key over the last one: nothing of a longer
// file, its extension included, may stay behind in the key of a shorter one without a name's.
TEST_F(ZbudujKluczTest, KluczNadPoprzednimNieZostawiaNicZNiego) {
  TOdczytPliku k;
  TPlikDoOdczytu dlugi(folder_.Zapisz("dlugi.jpeg", std::string(200, '\xFF')));
  ASSERT_TRUE(ZbudujKlucz(dlugi, k));
  TPlikDoOdczytu krotki(folder_.Zapisz("krotki", "AB"));
  ASSERT_TRUE(ZbudujKlucz(krotki, k));
  EXPECT_EQ(k, ZbudujKlucz(krotki.Sciezka()));
  EXPECT_EQ(k.TekstSzesnastkowy, "4142" + std::string(156, '0'));
  EXPECT_EQ(k.Klucz.Rozszerzenie.Dlugosc, 0);
  EXPECT_EQ(k.Rozmiar, 2);
}

TEST_F(ZbudujKluczTest, RzadkiPlikPonad4GiBMaPelnyRozmiar) {
  const std::string sciezka = folder_.Zapisz("duzy.iso", "CD001");
  const std::int64_t rozmiar = (std::int64_t{5} << 30) + 7;
  std::filesystem::resize_file(SciezkaZUtf8(sciezka), static_cast<std::uintmax_t>(rozmiar));
  const TOdczytPliku k = ZbudujKlucz(sciezka);
  EXPECT_EQ(k.Rozmiar, rozmiar);
  EXPECT_EQ(k.TekstSzesnastkowy, "4344303031" + std::string(150, '0'));
}

TEST_F(ZbudujKluczTest, BrakujacyPlikDajeZeraIRozmiarZero) {
  const TOdczytPliku k = ZbudujKlucz(folder_.Sciezka("nie-ma-mnie.zip"));
  EXPECT_EQ(Opis(k), SameZera + " 0");
  EXPECT_EQ(k.Klucz.Sygnatura.Dlugosc, 0);
  EXPECT_EQ(k.Klucz.Rozszerzenie.Tekst(), "ZIP");
}

TEST_F(ZbudujKluczTest, FolderDajeZeraIRozmiarZero) {
  const std::string sciezka = folder_.Sciezka("folder.d");
  ASSERT_TRUE(std::filesystem::create_directory(SciezkaZUtf8(sciezka)));
  const TOdczytPliku k = ZbudujKlucz(sciezka);
  EXPECT_EQ(Opis(k), SameZera + " 0");
  EXPECT_EQ(k.Klucz.Rozszerzenie.Tekst(), "D");
}

// The key's extension is the Windows-1250 form of a UTF-8 name, Polish letters kept in lower
// case.
TEST_F(ZbudujKluczTest, NazwyPlikowZPolskimiLiterami) {
  const TOdczytPliku utf8 = ZbudujKlucz(folder_.Zapisz("zdjęcie.żółw", "x"));
  EXPECT_EQ(utf8.Rozmiar, 1);
  EXPECT_EQ(utf8.Klucz.Rozszerzenie.Tekst(), "\xBF\xF3\xB3W");
}

// The key's extension comes from the name read as strict UTF-8: an overlong form or a surrogate
// is no character, so it can't imitate a dot or a NUL. A name that can't be opened still gives
// its extension, so these are asked of names no file has (Windows can't even name such a file, so
// the path is joined by hand, not through the file system library, which would refuse it).
TEST_F(ZbudujKluczTest, NadmiarowyZapisUtf8NieDajeRozszerzenia) {
  const auto rozszerzenie = [&](const std::string& nazwa) {
    const std::string sciezka = Utf8(folder_.Sciezka()) + "/" + nazwa;
    return std::string(ZbudujKlucz(sciezka).Klucz.Rozszerzenie.Tekst());
  };
  EXPECT_EQ(rozszerzenie("overlong\xC0\xAEpng"), "");
  EXPECT_EQ(rozszerzenie("nul.\xC0\x80"), "??");
  EXPECT_EQ(rozszerzenie("s.\xED\xA0\x80z"), "???Z");
  // Six characters of the code page, however many bytes of UTF-8 they took.
  EXPECT_EQ(rozszerzenie("plik.żółwiątko"), "\xBF\xF3\xB3WI\xB9");
  EXPECT_EQ(rozszerzenie("plik.tar.Gz"), "GZ");
}

TEST_F(ZbudujKluczTest, RozszerzenieKluczaUcinaneDoSzesciuZnakow) {
  const TOdczytPliku k = ZbudujKlucz(folder_.Zapisz(".htaccess", "Options -Indexes\n"));
  EXPECT_EQ(k.Klucz.Rozszerzenie.Tekst(), "HTACCE");
  EXPECT_EQ(k.Rozmiar, 17);
}

TEST(PobierzRozszerzenie, SciezkiWindows) {
  EXPECT_EQ(PobierzRozszerzenie("C:\\Dane\\zdjecie.jpeg"), "JPEG");
  EXPECT_EQ(PobierzRozszerzenie("C:\\Dane\\Plik.Doc"), "DOC");
  EXPECT_EQ(PobierzRozszerzenie("C:\\Dane\\archiwum.tar.gz"), "GZ");
  EXPECT_EQ(PobierzRozszerzenie("C:\\Dane.old\\plik"), "");
  EXPECT_EQ(PobierzRozszerzenie("C:\\Dane\\plik."), "");
  EXPECT_EQ(PobierzRozszerzenie("C:\\Dane\\.htaccess"), "HTACCESS");
  EXPECT_EQ(PobierzRozszerzenie("C:plik"), "");
  EXPECT_EQ(PobierzRozszerzenie("D.ane:plik"), "");
}

TEST(PobierzRozszerzenie, SciezkiLinuksa) {
  EXPECT_EQ(PobierzRozszerzenie("/home/ala/zdjecie.jpeg"), "JPEG");
  EXPECT_EQ(PobierzRozszerzenie("/home/ala/archiwum.tar.gz"), "GZ");
  EXPECT_EQ(PobierzRozszerzenie("/home/ala/dane.old/plik"), "");
  EXPECT_EQ(PobierzRozszerzenie("/home/ala/plik."), "");
  EXPECT_EQ(PobierzRozszerzenie("/home/ala/.htaccess"), "HTACCESS");
  EXPECT_EQ(PobierzRozszerzenie("plik.md5"), "MD5");
  EXPECT_EQ(PobierzRozszerzenie("plik"), "");
  EXPECT_EQ(PobierzRozszerzenie(""), "");
}

// Only "a" to "z" turn upper case; Windows-1250 letters above 127 stay as they are.
TEST(PobierzRozszerzenie, PolskaLiteraZostajeMala) {
  EXPECT_EQ(PobierzRozszerzenie("/dane/plik.\xB9z\xEA"), "\xB9Z\xEA");
  EXPECT_EQ(PobierzRozszerzenie("C:\\dane\\plik.\xA5\xCA"), "\xA5\xCA");
}
