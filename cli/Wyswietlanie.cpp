#include "cli/Wyswietlanie.h"

#include <cstddef>

#include "text/Szesnastkowo.h"

namespace {

struct TZnak {
  std::size_t Dlugosc = 0;  // 0 when the bytes are not well-formed UTF-8
  char32_t Kod = 0;
};

bool Dalszy(unsigned b, unsigned od = 0x80, unsigned doBajtu = 0xBF) {
  return b >= od && b <= doBajtu;
}

// Well-formed sequences only: overlong forms, surrogates and values past U+10FFFF are not,
// since a terminal may decode them to the very controls this keeps out.
TZnak CzytajZnak(std::string_view t, std::size_t i) {
  const auto b = [&](std::size_t k) {
    return i + k < t.size() ? unsigned{static_cast<unsigned char>(t[i + k])} : 0u;
  };
  const unsigned p = b(0);
  if (p < 0x80) return {1, static_cast<char32_t>(p)};
  if (p >= 0xC2 && p <= 0xDF && Dalszy(b(1))) {
    return {2, static_cast<char32_t>(((p & 0x1Fu) << 6) | (b(1) & 0x3Fu))};
  }
  if (p >= 0xE0 && p <= 0xEF) {
    const unsigned od = p == 0xE0 ? 0xA0 : 0x80;
    const unsigned doBajtu = p == 0xED ? 0x9F : 0xBF;
    if (Dalszy(b(1), od, doBajtu) && Dalszy(b(2))) {
      return {3,
              static_cast<char32_t>(((p & 0x0Fu) << 12) | ((b(1) & 0x3Fu) << 6) | (b(2) & 0x3Fu))};
    }
  }
  if (p >= 0xF0 && p <= 0xF4) {
    const unsigned od = p == 0xF0 ? 0x90 : 0x80;
    const unsigned doBajtu = p == 0xF4 ? 0x8F : 0xBF;
    if (Dalszy(b(1), od, doBajtu) && Dalszy(b(2)) && Dalszy(b(3))) {
      return {4, static_cast<char32_t>(((p & 0x07u) << 18) | ((b(1) & 0x3Fu) << 12) |
                                       ((b(2) & 0x3Fu) << 6) | (b(3) & 0x3Fu))};
    }
  }
  return {};
}

bool Sterujacy(char32_t z) {
  return z < 0x20 || (z >= 0x7F && z <= 0x9F) || (z >= 0x202A && z <= 0x202E) ||
         (z >= 0x2066 && z <= 0x2069);
}

void DopiszKodem(std::string& Wyjscie, std::string_view bajty) {
  for (const char c : bajty) {
    Wyjscie += "\\x";
    DopiszSzesnastkowo(Wyjscie, static_cast<unsigned char>(c));
  }
}

}  // namespace

void DopiszDoWyswietlenia(std::string& Wyjscie, std::string_view Tekst) {
  for (std::size_t i = 0; i < Tekst.size();) {
    const TZnak znak = CzytajZnak(Tekst, i);
    const std::size_t dlugosc = znak.Dlugosc == 0 ? 1 : znak.Dlugosc;
    const std::string_view bajty = Tekst.substr(i, dlugosc);
    if (znak.Dlugosc == 0 || Sterujacy(znak.Kod)) {
      DopiszKodem(Wyjscie, bajty);
    } else {
      Wyjscie += bajty;
    }
    i += dlugosc;
  }
}

std::string DoWyswietlenia(std::string_view Tekst) {
  std::string wynik;
  wynik.reserve(Tekst.size());
  DopiszDoWyswietlenia(wynik, Tekst);
  return wynik;
}

std::string KomunikatBledu(std::string_view Sciezka, std::string_view Opis) {
  std::string komunikat = "rozpoznik-cli: ";
  DopiszDoWyswietlenia(komunikat, Sciezka);
  komunikat += ": ";
  DopiszDoWyswietlenia(komunikat, Opis);
  komunikat += '\n';
  return komunikat;
}

std::string KomunikatBledu(std::string_view Opis) {
  std::string komunikat = "rozpoznik-cli: ";
  DopiszDoWyswietlenia(komunikat, Opis);
  komunikat += '\n';
  return komunikat;
}
