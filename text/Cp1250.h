#pragma once

// The program keeps its own text (the catalogue, the key, the report's values, the window's
// texts) in the Windows-1250 code page, like the Polish Windows it was written for. Conversion
// happens only where that text meets the outside world: UTF-8 source literals, the toolkit and
// the command line's output. File names and the system's messages are not converted at all.
//
// The code point tables are constexpr: the catalogue converts its UTF-8 literals at compile
// time.

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "text/Utf8.h"

namespace cp1250 {

// Unicode code points of the bytes 0x80 to 0xFF. The five bytes the code page leaves
// unassigned (0x81, 0x83, 0x88, 0x90, 0x98) map to the C1 controls of the same value, as
// Windows itself maps them, so that every byte survives a round trip.
inline constexpr std::array<char32_t, 128> GornaPolowa = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021,  //
    0x0088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,  //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  //
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,  //
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,  //
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,  //
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,  //
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,  //
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,  //
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,  //
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,  //
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,  //
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,  //
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,  //
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,  //
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

// The byte that stands for a code point, or nothing when the code page has none.
constexpr std::optional<unsigned char> Bajt(char32_t znak) {
  if (znak < 0x80) return static_cast<unsigned char>(znak);
  if (znak > 0x2122) return std::nullopt;  // the highest code point the page holds
  for (std::size_t i = 0; i < GornaPolowa.size(); ++i) {
    if (GornaPolowa[i] == znak) return static_cast<unsigned char>(0x80 + i);
  }
  return std::nullopt;
}

// The character that a byte of the code page stands for.
constexpr char32_t ZnakUnicode(unsigned char bajt) {
  return bajt < 0x80 ? char32_t{bajt} : GornaPolowa[bajt - 0x80u];
}

// Windows-1250 text of a UTF-8 text; what the code page cannot hold, and each invalid piece
// of the UTF-8, becomes "?", as the ANSI interfaces of Windows render such characters.
std::string ZUtf8(std::string_view utf8);

// The same, or nothing when a character has no place in the code page or the UTF-8 is
// malformed: for text that may or may not be UTF-8 at all.
std::optional<std::string> ZUtf8Dokladnie(std::string_view utf8);

std::string NaUtf8(std::string_view tekst);
// The same, appended to `wynik`, for writers that build one text out of many fields.
void DopiszUtf8(std::string& wynik, std::string_view tekst);

}  // namespace cp1250
