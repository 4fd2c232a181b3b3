// The three comparisons where they could go wrong: bytes above 127, odd lengths, asterisks on
// either side and texts of unequal length.

#include <gtest/gtest.h>

#include <string>

#include "engine/ObslugaBaz.h"

namespace {

TOpisPliku ZSygnatura(std::string_view tekst) {
  TOpisPliku opis;
  opis.Sygnatura.Ustaw(tekst);
  return opis;
}

}  // namespace

TEST(ZgodnyPrefiks, KrotszyTekstZaczynaDluzszy) {
  EXPECT_TRUE(ZgodnyPrefiks(ZSygnatura("504B"), ZSygnatura("504B0304")));
  EXPECT_TRUE(ZgodnyPrefiks(ZSygnatura("504B0304"), ZSygnatura("504B")));
  EXPECT_FALSE(ZgodnyPrefiks(ZSygnatura("504C"), ZSygnatura("504B0304")));
  EXPECT_FALSE(ZgodnyPrefiks(ZSygnatura("504b"), ZSygnatura("504B0304")));
  EXPECT_TRUE(ZgodnyPrefiks(ZSygnatura(""), ZSygnatura("504B")));
  // An odd length fixes only the high digit of its last byte.
  EXPECT_TRUE(ZgodnyPrefiks(ZSygnatura("0000002"), ZSygnatura("0000002F")));
  EXPECT_FALSE(ZgodnyPrefiks(ZSygnatura("0000002"), ZSygnatura("00000030")));
}

TEST(SygnaturaNieWieksza, PierwszaRoznicaRozstrzygaAPrefiksJestMniejszy) {
  EXPECT_TRUE(SygnaturaNieWieksza(ZSygnatura("504B"), ZSygnatura("504B")));
  EXPECT_TRUE(SygnaturaNieWieksza(ZSygnatura("504B"), ZSygnatura("504B03")));
  EXPECT_FALSE(SygnaturaNieWieksza(ZSygnatura("504B03"), ZSygnatura("504B")));
  EXPECT_TRUE(SygnaturaNieWieksza(ZSygnatura("4F"), ZSygnatura("50")));
  EXPECT_TRUE(SygnaturaNieWieksza(ZSygnatura("39"), ZSygnatura("3A")));
  EXPECT_FALSE(SygnaturaNieWieksza(ZSygnatura("5B"), ZSygnatura("5A0000")));
  // Bytes compare unsigned: 0x80 lies above "F", not below "0".
  EXPECT_TRUE(SygnaturaNieWieksza(ZSygnatura("FF"), ZSygnatura("F\x80")));
  EXPECT_FALSE(SygnaturaNieWieksza(ZSygnatura("\x80"), ZSygnatura("00")));
}

TEST(PasujeDoWzorca, GwiazdkaPoKazdejStronieIDlugoscWzorca) {
  const std::string klucz =
      "52494646"
      "24080000"
      "57415645" +
      std::string(136, '0');
  EXPECT_TRUE(PasujeDoWzorca(klucz, "52494646********57415645"));
  EXPECT_FALSE(PasujeDoWzorca(klucz, "52494646********415649"));
  EXPECT_TRUE(PasujeDoWzorca(klucz, ""));
  EXPECT_TRUE(PasujeDoWzorca("5*", "52"));
  EXPECT_FALSE(PasujeDoWzorca("5*", "62"));
  EXPECT_FALSE(PasujeDoWzorca(klucz, "52494646********57415646"));
  // The key of a short file ends early: past its end only "*" fits.
  EXPECT_TRUE(PasujeDoWzorca("504B0304", "504B"));
  EXPECT_TRUE(PasujeDoWzorca("504B", "504B****"));
  EXPECT_FALSE(PasujeDoWzorca("504B", "504B**03"));
  EXPECT_FALSE(PasujeDoWzorca("", "5"));
}

TEST(SzukajSygnatury, PustaIJednowierszowaTabela) {
  const TOpisPliku klucz = ZSygnatura("504B0304");
  EXPECT_EQ(SzukajSygnatury(klucz, {}), -1);
  const TOpisPliku zip = ZSygnatura("504B");
  EXPECT_EQ(SzukajSygnatury(klucz, std::span(&zip, 1)), 0);
  const TOpisPliku rar = ZSygnatura("52617221");
  EXPECT_EQ(SzukajSygnatury(klucz, std::span(&rar, 1)), -1);
}
