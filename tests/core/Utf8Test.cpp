// The one UTF-8 decoder: what is a character, and how much an invalid piece covers.

#include <gtest/gtest.h>

#include <string>

#include "text/Cp1250.h"
#include "text/Utf8.h"

namespace {

using namespace std::string_literals;

const std::string Zastepnik = "\xEF\xBF\xBD";

// The first and last code points of each length, around the surrogates and at the very top.
TEST(Utf8, GraniceKazdejDlugosciSaZnakami) {
  const struct {
    std::string bajty;
    char32_t znak;
  } przypadki[] = {{"\x00"s, 0},
                   {"\x7F", 0x7F},
                   {"\xC2\x80", 0x80},
                   {"\xDF\xBF", 0x7FF},
                   {"\xE0\xA0\x80", 0x800},
                   {"\xED\x9F\xBF", 0xD7FF},
                   {"\xEE\x80\x80", 0xE000},
                   {"\xEF\xBF\xBF", 0xFFFF},
                   {"\xF0\x90\x80\x80", 0x10000},
                   {"\xF4\x8F\xBF\xBF", 0x10FFFF}};
  for (const auto& p : przypadki) {
    SCOPED_TRACE(static_cast<unsigned>(p.znak));
    std::size_t pozycja = 0;
    EXPECT_EQ(utf8::CzytajZnak(p.bajty, pozycja), p.znak);
    EXPECT_EQ(pozycja, p.bajty.size());
    std::string zapis;
    utf8::DopiszZnak(zapis, p.znak);
    EXPECT_EQ(zapis, p.bajty);
    EXPECT_EQ(utf8::ZZastepnikami(p.bajty), p.bajty);
  }
}

// Overlong forms, surrogates and values past U+10FFFF are invalid bytes; each piece that could
// not become a character is one replacement, and the byte that ended it is read afresh.
TEST(Utf8, ZleSekwencjeStajaSieZastepnikami) {
  const struct {
    std::string bajty;
    std::string wynik;
  } przypadki[] = {
      {"\xC0\xAE", Zastepnik + Zastepnik},                                  // overlong "."
      {"\xC0\x80", Zastepnik + Zastepnik},                                  // overlong NUL
      {"\xC1\xBF", Zastepnik + Zastepnik},                                  // overlong U+007F
      {"\xE0\x80\xAE", Zastepnik + Zastepnik + Zastepnik},                  // overlong "."
      {"\xE0\x9F\xBF", Zastepnik + Zastepnik + Zastepnik},                  // overlong U+07FF
      {"\xF0\x8F\xBF\xBF", Zastepnik + Zastepnik + Zastepnik + Zastepnik},  // overlong U+FFFF
      {"\xED\xA0\x80", Zastepnik + Zastepnik + Zastepnik},                  // surrogate U+D800
      {"\xED\xBF\xBF", Zastepnik + Zastepnik + Zastepnik},                  // surrogate U+DFFF
      {"\xF4\x90\x80\x80", Zastepnik + Zastepnik + Zastepnik + Zastepnik},  // U+110000
      {"\xF5\x80\x80\x80", Zastepnik + Zastepnik + Zastepnik + Zastepnik},
      {"\xFF", Zastepnik},
      {"\x80\xBF", Zastepnik + Zastepnik},   // continuation bytes alone
      {"\xE2\x82.png", Zastepnik + ".png"},  // cut short: one piece
      {"\xF0\x9F\x98", Zastepnik},           // cut short at the end
      {"a\xE2\x82\xAC\xE2\x82", "a\xE2\x82\xAC" + Zastepnik},
  };
  for (const auto& p : przypadki) {
    SCOPED_TRACE(testing::PrintToString(p.bajty));
    EXPECT_EQ(utf8::ZZastepnikami(p.bajty), p.wynik);
  }
}

// The code page conversion reads with the same decoder: an invalid piece is one "?".
TEST(Utf8, Cp1250CzytaTymSamymDekoderem) {
  EXPECT_EQ(cp1250::ZUtf8("a\xC0\xAE"
                          "b"),
            "a??b");
  EXPECT_EQ(cp1250::ZUtf8("\xE2\x82\xAC\xE2\x82"
                          "c"),
            "\x80?c");
  EXPECT_EQ(cp1250::NaUtf8("\x80\xB9"), "\xE2\x82\xAC\xC4\x85");
}

}  // namespace
