#include "site/Dostep.h"

#include <optional>
#include <string>

namespace {

std::optional<std::string> ZBase64(std::string_view Tekst) {
  const auto wartosc = [](char c) -> int {
    if (c >= 'A' && c <= 'Z') return c - 'A';
    if (c >= 'a' && c <= 'z') return c - 'a' + 26;
    if (c >= '0' && c <= '9') return c - '0' + 52;
    if (c == '+') return 62;
    if (c == '/') return 63;
    return -1;
  };
  while (!Tekst.empty() && Tekst.back() == '=') Tekst.remove_suffix(1);
  std::string wynik;
  unsigned bity = 0;
  int ile = 0;
  for (const char c : Tekst) {
    const int v = wartosc(c);
    if (v < 0) return std::nullopt;
    bity = (bity << 6) | static_cast<unsigned>(v);
    ile += 6;
    if (ile >= 8) {
      ile -= 8;
      wynik += static_cast<char>((bity >> ile) & 0xFFu);
    }
  }
  return wynik;
}

}  // namespace

bool RowneStalymCzasem(std::string_view Proba, std::string_view Sekret) {
  unsigned char rozne = Proba.size() == Sekret.size() ? 0 : 1;
  for (std::size_t i = 0; i < Sekret.size(); ++i) {
    const char p = i < Proba.size() ? Proba[i] : '\0';
    rozne |= static_cast<unsigned char>(p ^ Sekret[i]);
  }
  return rozne == 0;
}

bool MaDostep(std::string_view Naglowek, std::string_view Token) {
  if (Token.empty()) return false;
  if (Naglowek.starts_with("Bearer ")) {
    return RowneStalymCzasem(Naglowek.substr(7), Token);
  }
  if (Naglowek.starts_with("Basic ")) {
    const auto para = ZBase64(Naglowek.substr(6));
    if (!para) return false;
    const std::size_t dwukropek = para->find(':');
    if (dwukropek == std::string::npos) return false;
    return RowneStalymCzasem(std::string_view(*para).substr(dwukropek + 1), Token);
  }
  return false;
}
