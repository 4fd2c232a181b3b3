#pragma once

// The tables are written as UTF-8 source rows and turned into stored records while the program
// is compiled. The data rules are checked on the way, so that a bad edit fails the build with the
// table, the row and the rule named in the compiler's message.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "catalogue/TOpisPliku.h"
#include "text/Cp1250.h"

// One row as written in the source, in UTF-8; program names are separated by "\r".
struct TWierszZrodlowy {
  std::string_view Rozszerzenie;
  std::string_view Sygnatura;
  std::string_view Typ;
  std::string_view Kategoria;
  std::string_view Programy;
};

enum class TRodzajTabeli { Tekstowa, Wzorcow, Sygnatur };

enum class TZasada {
  Spelniona,
  ZnakSpozaCp1250,
  TekstDluzszyNizPole,
  RozszerzenieNieWielkimiLiterami,
  PustyTyp,
  RozszerzenieSpozaAscii,
  ZlySeparatorProgramow,
  TekstowaZSygnatura,
  WzorzecZeZnakiemSpozaHexIGwiazdki,
  WzorzecDluzszyNizKlucz,
  SygnaturaZeZnakiemSpozaHex,
  SygnaturaPustaLubDluzszaNizKlucz,
  SygnaturyNiePosortowane,
};

struct TNaruszenie {
  std::size_t Wiersz;
  TZasada Zasada;
};

namespace zasady {

inline constexpr std::size_t DlugoscKlucza = 160;  // 80 leading bytes, two hex digits each

constexpr bool CyfraHex(char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
}

constexpr bool TylkoZnaki(std::string_view tekst, bool (*dozwolony)(char)) {
  for (const char c : tekst) {
    if (!dozwolony(c)) return false;
  }
  return true;
}

// Counts the Windows-1250 bytes without building the text: the compiler's budget for
// evaluation is shared by every row of a table.
template <std::size_t Pojemnosc>
constexpr TZasada SprawdzTekst(std::string_view utf8) {
  std::size_t dlugosc = 0;
  for (std::size_t i = 0; i < utf8.size(); ++dlugosc) {
    const auto znak = utf8::CzytajZnak(utf8, i);
    if (!znak || !cp1250::Bajt(*znak)) return TZasada::ZnakSpozaCp1250;
  }
  return dlugosc > Pojemnosc ? TZasada::TekstDluzszyNizPole : TZasada::Spelniona;
}

// Stores a text that SprawdzTekst accepted.
template <std::size_t Pojemnosc>
constexpr void Zapisz(TKrotkiTekst<Pojemnosc>& pole, std::string_view utf8) {
  std::size_t n = 0;
  for (std::size_t i = 0; i < utf8.size() && n < Pojemnosc; ++n) {
    pole.Znaki[n] = static_cast<char>(cp1250::Bajt(*utf8::CzytajZnak(utf8, i)).value_or('?'));
  }
  pole.Dlugosc = static_cast<std::uint8_t>(n);
}

constexpr TZasada SprawdzWiersz(const TWierszZrodlowy& w, TRodzajTabeli rodzaj) {
  for (const TZasada z :
       {SprawdzTekst<6>(w.Rozszerzenie), SprawdzTekst<128>(w.Programy), SprawdzTekst<64>(w.Typ),
        SprawdzTekst<192>(w.Sygnatura), SprawdzTekst<64>(w.Kategoria)}) {
    if (z != TZasada::Spelniona) return z;
  }
  for (const char c : w.Rozszerzenie) {
    if (c >= 'a' && c <= 'z') return TZasada::RozszerzenieNieWielkimiLiterami;
    if (static_cast<unsigned char>(c) >= 0x80) return TZasada::RozszerzenieSpozaAscii;
  }
  if (w.Typ.empty()) return TZasada::PustyTyp;
  // Names are separated by a carriage return alone; a backslash means a separator written as
  // the two characters of its escape.
  if (w.Programy.find_first_of("\n\\") != std::string_view::npos)
    return TZasada::ZlySeparatorProgramow;
  switch (rodzaj) {
    case TRodzajTabeli::Tekstowa:
      if (!w.Sygnatura.empty()) return TZasada::TekstowaZSygnatura;
      break;
    case TRodzajTabeli::Wzorcow:
      if (!TylkoZnaki(w.Sygnatura, [](char c) { return CyfraHex(c) || c == '*'; }))
        return TZasada::WzorzecZeZnakiemSpozaHexIGwiazdki;
      if (w.Sygnatura.size() > DlugoscKlucza) return TZasada::WzorzecDluzszyNizKlucz;
      break;
    case TRodzajTabeli::Sygnatur:
      if (!TylkoZnaki(w.Sygnatura, CyfraHex)) return TZasada::SygnaturaZeZnakiemSpozaHex;
      if (w.Sygnatura.empty() || w.Sygnatura.size() > DlugoscKlucza)
        return TZasada::SygnaturaPustaLubDluzszaNizKlucz;
      break;
  }
  return TZasada::Spelniona;
}

}  // namespace zasady

// The first row that breaks a rule, or {size, Spelniona} when every row keeps them. The
// signature table must be in ascending order of its signatures, byte by byte, a prefix before
// the longer text: the order the search by halving relies on.
template <std::size_t N>
constexpr TNaruszenie SprawdzTabele(const std::array<TWierszZrodlowy, N>& wiersze,
                                    TRodzajTabeli rodzaj) {
  for (std::size_t i = 0; i < N; ++i) {
    if (const TZasada z = zasady::SprawdzWiersz(wiersze[i], rodzaj); z != TZasada::Spelniona)
      return {i, z};
    if (rodzaj == TRodzajTabeli::Sygnatur && i > 0 &&
        wiersze[i - 1].Sygnatura > wiersze[i].Sygnatura)
      return {i, TZasada::SygnaturyNiePosortowane};
  }
  return {N, TZasada::Spelniona};
}

template <std::size_t N>
constexpr std::array<TOpisPliku, N> ZbudujTabele(const std::array<TWierszZrodlowy, N>& wiersze) {
  std::array<TOpisPliku, N> tabela{};
  for (std::size_t i = 0; i < N; ++i) {
    const TWierszZrodlowy& w = wiersze[i];
    zasady::Zapisz(tabela[i].Rozszerzenie, w.Rozszerzenie);
    zasady::Zapisz(tabela[i].Programy, w.Programy);
    zasady::Zapisz(tabela[i].Typ, w.Typ);
    zasady::Zapisz(tabela[i].Sygnatura, w.Sygnatura);
    zasady::Zapisz(tabela[i].Kategoria, w.Kategoria);
  }
  return tabela;
}

// Instantiated with the first broken row of a table; the compiler's message names the
// template arguments: the table, the row number and the rule.
template <TRodzajTabeli Tabela, std::size_t Wiersz, TZasada Zasada>
struct WierszKatalogu {
  static_assert(Zasada == TZasada::Spelniona,
                "a catalogue row breaks a data rule: see WierszKatalogu<table, row, rule> above");
  static constexpr bool Poprawny = true;
};

template <TRodzajTabeli Rodzaj, const auto& Wiersze>
consteval auto ZbudujSprawdzonaTabele() {
  constexpr TNaruszenie naruszenie = SprawdzTabele(Wiersze, Rodzaj);
  static_assert(WierszKatalogu<Rodzaj, naruszenie.Wiersz, naruszenie.Zasada>::Poprawny);
  return ZbudujTabele(Wiersze);
}
