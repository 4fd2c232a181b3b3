#include "text/Cp1250.h"

#include <cstdint>
#include <cstring>

namespace cp1250 {

namespace {

// ASCII is the same in both encodings and is most of any text here, so runs of it are copied
// whole; the length of the run at the start of `tekst`.
std::size_t DlugoscAscii(std::string_view tekst) {
  std::size_t n = 0;
  // Eight bytes at a time while none of them has its high bit set.
  for (std::uint64_t slowo; n + sizeof slowo <= tekst.size(); n += sizeof slowo) {
    std::memcpy(&slowo, tekst.data() + n, sizeof slowo);
    if ((slowo & 0x8080808080808080u) != 0) break;
  }
  while (n < tekst.size() && static_cast<unsigned char>(tekst[n]) < 0x80) ++n;
  return n;
}

}  // namespace

std::string ZUtf8(std::string_view utf8) {
  std::string wynik;
  wynik.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    if (const std::size_t n = DlugoscAscii(utf8.substr(i)); n > 0) {
      wynik.append(utf8.substr(i, n));
      i += n;
      continue;
    }
    const auto znak = utf8::CzytajZnak(utf8, i);
    const auto b = znak ? Bajt(*znak) : std::nullopt;
    wynik.push_back(b ? static_cast<char>(*b) : '?');
  }
  return wynik;
}

std::optional<std::string> ZUtf8Dokladnie(std::string_view utf8) {
  std::string wynik;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto znak = utf8::CzytajZnak(utf8, i);
    const auto b = znak ? Bajt(*znak) : std::nullopt;
    if (!b) return std::nullopt;
    wynik.push_back(static_cast<char>(*b));
  }
  return wynik;
}

std::string NaUtf8(std::string_view tekst) {
  std::string wynik;
  DopiszUtf8(wynik, tekst);
  return wynik;
}

void DopiszUtf8(std::string& wynik, std::string_view tekst) {
  while (!tekst.empty()) {
    const std::size_t n = DlugoscAscii(tekst);
    wynik.append(tekst.substr(0, n));
    if (n == tekst.size()) return;
    utf8::DopiszZnak(wynik, ZnakUnicode(static_cast<unsigned char>(tekst[n])));
    tekst.remove_prefix(n + 1);
  }
}

}  // namespace cp1250
