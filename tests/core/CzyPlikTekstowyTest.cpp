// The text-content test on real files: which bytes make a file non-text wherever they stand, the
// block boundaries, and the error when the file can't be opened.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "engine/Klucz.h"
#include "engine/ObslugaBaz.h"
#include "tests/core/Kandydaci.h"
#include "tests/core/PlikiTestowe.h"
#include "text/Cp1250.h"

namespace {

// The byte classes as listed: control characters other than 08 to 0D, and delete, are not text.
bool BajtTekstu(int b) {
  return (b >= 0x08 && b <= 0x0D) || (b >= 0x20 && b != 0x7F);
}

std::string Tekst(std::size_t dlugosc) {
  std::string tekst;
  while (tekst.size() < dlugosc) tekst += "Zażółć gęślą jaźń.\r\n\tLinia\f\v\b ";
  tekst.resize(dlugosc);
  return tekst;
}

class CzyPlikTekstowyTest : public TTestZPlikami {
 protected:
  bool Tekstowy(std::string_view bajty) { return CzyPlikTekstowy(folder_.Zapisz("plik", bajty)); }
};

}  // namespace

// Each byte value in a text of two blocks: at the start, inside and at the end of the first block,
// and near the start and at the very end of the second, shorter one.
TEST_F(CzyPlikTekstowyTest, KlasyBajtowWKazdymMiejscuPliku) {
  const std::size_t dlugosc = 4096 + 110;
  const std::string tlo = Tekst(dlugosc);
  ASSERT_TRUE(Tekstowy(tlo));
  for (int b = 0; b < 256; ++b) {
    for (const std::size_t miejsce :
         {std::size_t{0}, std::size_t{70}, std::size_t{4095}, std::size_t{4100}, dlugosc - 1}) {
      std::string bajty = tlo;
      bajty[miejsce] = static_cast<char>(b);
      EXPECT_EQ(Tekstowy(bajty), BajtTekstu(b)) << "byte " << b << " at " << miejsce;
    }
  }
}

TEST_F(CzyPlikTekstowyTest, PustyPlikJestTekstem) {
  EXPECT_TRUE(Tekstowy(""));
}

TEST_F(CzyPlikTekstowyTest, TekstWWindows1250UTF8IUTF16) {
  EXPECT_TRUE(Tekstowy("Zażółć gęślą jaźń\r\n"));
  EXPECT_TRUE(Tekstowy(cp1250::ZUtf8("Zażółć gęślą jaźń\r\n")));
  EXPECT_FALSE(
      Tekstowy(std::string("\xFF\xFEZ\x00"
                           "a\x00\x7C\x01\r\x00\n\x00",
                           12)));
}

TEST_F(CzyPlikTekstowyTest, GraniceBlokow) {
  for (const std::size_t dlugosc : {4095u, 4096u, 4097u, 8192u, 8193u}) {
    SCOPED_TRACE(dlugosc);
    const std::string tekst = Tekst(dlugosc);
    EXPECT_TRUE(Tekstowy(tekst));
    for (const char zly : {'\x00', '\x1B', '\x7F'}) {
      std::string zOstatnim = tekst;
      zOstatnim.back() = zly;
      EXPECT_FALSE(Tekstowy(zOstatnim)) << "last byte " << int{zly};
    }
  }
  std::string zDrugiegoBloku = Tekst(8192);
  zDrugiegoBloku[4096] = '\x00';
  EXPECT_FALSE(Tekstowy(zDrugiegoBloku));
}

TEST_F(CzyPlikTekstowyTest, BrakujacyPlik) {
  const std::string sciezka = folder_.Sciezka("brak.txt");
  EXPECT_EQ(BladOtwarcia([&] { CzyPlikTekstowy(sciezka); }),
            "Cannot open file \"" + sciezka + "\". " + OpisBrakuPliku());
}

// The user must be able to tell which file failed: the path goes into the message byte for byte,
// whatever letters it holds, Windows-1250 or not.
TEST_F(CzyPlikTekstowyTest, SciezkaWKomunikacieBezZmian) {
  for (const std::string nazwa : {"файл.txt", "żółw.txt", "文件.txt"}) {
    const std::string sciezka = folder_.Sciezka(nazwa);
    EXPECT_EQ(BladOtwarcia([&] { CzyPlikTekstowy(sciezka); }),
              "Cannot open file \"" + sciezka + "\". " + OpisBrakuPliku());
  }
}

TEST_F(CzyPlikTekstowyTest, FolderToBladOtwarcia) {
  const std::string folder = folder_.Sciezka("folder");
  ASSERT_TRUE(std::filesystem::create_directory(SciezkaZUtf8(folder)));
  EXPECT_EQ(BladOtwarcia([&] { CzyPlikTekstowy(folder); }),
            "Cannot open file \"" + folder + "\". Is a directory");
}

// The lookup does not catch the error: it reaches the caller, and the lists stay empty.
TEST_F(CzyPlikTekstowyTest, BladPrzechodziPrzezRozpoznajPlik) {
  const std::string sciezka = folder_.Sciezka("zniknal.txt");
  TListaTekstow typy{"stary"}, rozszerzenia{"TXT"}, kategorie{"x"}, programy{"y"};
  const TOpisPliku klucz = KluczZBajtow("Zwykly tekst", "TXT");
  EXPECT_EQ(
      BladOtwarcia([&] { RozpoznajPlik(klucz, sciezka, typy, rozszerzenia, kategorie, programy); }),
      "Cannot open file \"" + sciezka + "\". " + OpisBrakuPliku());
  EXPECT_TRUE(typy.empty());
  EXPECT_TRUE(rozszerzenia.empty());
  EXPECT_TRUE(kategorie.empty());
  EXPECT_TRUE(programy.empty());
}
