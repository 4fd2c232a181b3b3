#pragma once

// UTF-8 as Unicode defines it, read by one decoder wherever the program reads it: the
// catalogue's literals, the toolkit's strings and, above all, file names, which on this system
// are bytes that are usually but not always UTF-8. An overlong form, a surrogate or a value past
// U+10FFFF is not a character but invalid bytes: read leniently, "<C0 AE>" would be a dot
// hidden inside a name, and every part of the program must see the same characters in a name.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace utf8 {

// One code point read at `pozycja`, which then stands behind what was read; nothing when the
// bytes there are not valid UTF-8. An invalid sequence is passed over as a whole, that is its
// longest beginning that could still have become a character, or its one byte: each such piece
// stands for one replacement character, and the byte that broke it off is read afresh.
constexpr std::optional<char32_t> CzytajZnak(std::string_view tekst, std::size_t& pozycja) {
  const auto pierwszy = static_cast<unsigned char>(tekst[pozycja++]);
  if (pierwszy < 0x80) return pierwszy;
  std::size_t dalszych = 0;
  char32_t znak = 0;
  // The allowed range of the second byte is what shuts out overlong forms (E0, F0), surrogates
  // (ED) and values past U+10FFFF (F4); C0, C1 and F5 to FF never begin a character.
  unsigned char od = 0x80;
  unsigned char po = 0xBF;
  if (pierwszy >= 0xC2 && pierwszy <= 0xDF) {
    dalszych = 1;
    znak = pierwszy & 0x1Fu;
  } else if (pierwszy >= 0xE0 && pierwszy <= 0xEF) {
    dalszych = 2;
    znak = pierwszy & 0x0Fu;
    if (pierwszy == 0xE0) od = 0xA0;
    if (pierwszy == 0xED) po = 0x9F;
  } else if (pierwszy >= 0xF0 && pierwszy <= 0xF4) {
    dalszych = 3;
    znak = pierwszy & 0x07u;
    if (pierwszy == 0xF0) od = 0x90;
    if (pierwszy == 0xF4) po = 0x8F;
  } else {
    return std::nullopt;
  }
  for (; dalszych > 0; --dalszych) {
    if (pozycja >= tekst.size()) return std::nullopt;
    const auto bajt = static_cast<unsigned char>(tekst[pozycja]);
    if (bajt < od || bajt > po) return std::nullopt;
    znak = (znak << 6) | (bajt & 0x3Fu);
    ++pozycja;
    od = 0x80;
    po = 0xBF;
  }
  return znak;
}

// Appends a code point (at most U+10FFFF, no surrogate) in its shortest form.
void DopiszZnak(std::string& Tekst, char32_t Znak);

// Valid UTF-8 of any bytes: each invalid piece that CzytajZnak passes over becomes U+FFFD, as
// JSON and other UTF-8-only outputs need.
std::string ZZastepnikami(std::string_view Bajty);

}  // namespace utf8
