#pragma once

// The tables are written as UTF-8 source rows and turned into stored records while the program
// is compiled. The data rules are checked on the way, so that a bad edit fails the build with the
// table, the row and the rule named in the compiler's message.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "catalogue/SlownikKatalogu.h"
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

// The probes' rows are found by what a probe reads past the key, never by the key's digits.
enum class TRodzajTabeli {
  Tekstowa,
  Wzorcow,
  Sygnatur,
  SygnaturSuplementu,
  TekstowaSuplementu,
  SondSuplementu
};

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
  KategoriaSpozaSlownika,
  ProgramSpozaSlownika,
  TekstyJakWInnymWierszuDlaTegoSamegoPliku,
  WierszSondyZSygnatura,
};

struct TNaruszenie {
  std::size_t Wiersz;
  TZasada Zasada;
};

// The rows whose texts are given from outside and stand as they are, with the categories and
// program names of their time: the vocabulary's older words are allowed in them and nowhere else.
struct TWierszeUstalone {
  bool Wszystkie = false;
  std::span<const std::size_t> Numery;

  constexpr bool Zawiera(std::size_t wiersz) const {
    if (Wszystkie) return true;
    for (const std::size_t n : Numery) {
      if (n == wiersz) return true;
    }
    return false;
  }
};

inline constexpr TWierszeUstalone ZadenWierszUstalony{};
inline constexpr TWierszeUstalone KazdyWierszUstalony{true, {}};
inline constexpr std::array<TWierszZrodlowy, 0> BezWzorcow{};

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

template <std::size_t N>
constexpr bool WSlowniku(const std::array<std::string_view, N>& slownik, std::string_view slowo) {
  const std::size_t i = slownik::Pozycja(slownik, slowo);
  return i < N && slownik[i] == slowo;
}

template <std::size_t N>
constexpr bool WsrodStarszych(const std::array<std::string_view, N>& starsze,
                              std::string_view slowo) {
  for (const std::string_view s : starsze) {
    if (s == slowo) return true;
  }
  return false;
}

constexpr TZasada SprawdzSlownictwo(const TWierszZrodlowy& w, bool ustalony) {
  if (!WSlowniku(slownik::Kategorie, w.Kategoria) &&
      !(ustalony && WsrodStarszych(slownik::KategorieStarsze, w.Kategoria)))
    return TZasada::KategoriaSpozaSlownika;
  for (std::string_view programy = w.Programy; !programy.empty();) {
    const std::size_t koniec = programy.find('\r');
    const std::string_view nazwa = programy.substr(0, koniec);
    if (!WSlowniku(slownik::Programy, nazwa) &&
        !(ustalony && WsrodStarszych(slownik::ProgramyStarsze, nazwa)))
      return TZasada::ProgramSpozaSlownika;
    if (koniec == std::string_view::npos) break;
    programy.remove_prefix(koniec + 1);
  }
  return TZasada::Spelniona;
}

constexpr bool TeSameTeksty(const TWierszZrodlowy& a, const TWierszZrodlowy& b) {
  return a.Typ == b.Typ && a.Kategoria == b.Kategoria && a.Programy == b.Programy;
}

// Whether one key can fit two rows' leading digits at once, each a prefix or a pattern ("*" for
// any digit).
constexpr bool PasujaRazem(std::string_view a, std::string_view b) {
  const std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    if (a[i] != '*' && b[i] != '*' && a[i] != b[i]) return false;
  }
  return true;
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
    case TRodzajTabeli::TekstowaSuplementu:
      if (!w.Sygnatura.empty()) return TZasada::TekstowaZSygnatura;
      break;
    case TRodzajTabeli::SondSuplementu:
      // A signature here would be taken for leading digits that the row never matched.
      if (!w.Sygnatura.empty()) return TZasada::WierszSondyZSygnatura;
      break;
    case TRodzajTabeli::SygnaturSuplementu:
      // An empty row would fit every file.
      if (w.Sygnatura.empty()) return TZasada::SygnaturaPustaLubDluzszaNizKlucz;
      [[fallthrough]];
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

// The rules of each row on its own: the first row that breaks one, or {size, Spelniona} when
// every row keeps them. The signature table must be in ascending order of its signatures, byte by
// byte, a prefix before the longer text: the order the search by halving relies on.
template <std::size_t N>
constexpr TNaruszenie SprawdzWiersze(const std::array<TWierszZrodlowy, N>& wiersze,
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

// Every category and program name is one of the vocabulary's words.
template <std::size_t N>
constexpr TNaruszenie SprawdzSlownictwo(const std::array<TWierszZrodlowy, N>& wiersze,
                                        const TWierszeUstalone& ustalone) {
  for (std::size_t i = 0; i < N; ++i) {
    if (const TZasada z = zasady::SprawdzSlownictwo(wiersze[i], ustalone.Zawiera(i));
        z != TZasada::Spelniona)
      return {i, z};
  }
  return {N, TZasada::Spelniona};
}

// Rows that one file can fit together are shown together, so they must not read alike: no row
// of ours may repeat the type, category and programs of a signature row whose signature begins
// it or that it begins, nor of a pattern (`wzorce`) that the same key can fit. In the sorted
// table the rows that a signature begins follow it in one run, so only those rows are compared.
// In the supplement any two rows are compared, and text rows with one extension.
template <std::size_t N>
constexpr TNaruszenie SprawdzPowtorzenia(const std::array<TWierszZrodlowy, N>& wiersze,
                                         TRodzajTabeli rodzaj, const TWierszeUstalone& ustalone,
                                         std::span<const TWierszZrodlowy> wzorce) {
  if (rodzaj == TRodzajTabeli::SygnaturSuplementu || rodzaj == TRodzajTabeli::TekstowaSuplementu ||
      rodzaj == TRodzajTabeli::SondSuplementu) {
    const bool tekstowa = rodzaj == TRodzajTabeli::TekstowaSuplementu;
    for (std::size_t j = 0; j < N; ++j) {
      for (std::size_t i = 0; i < j; ++i) {
        // Several probes may name one row, so no two rows of theirs read alike.
        const bool razem = tekstowa
                               ? wiersze[i].Rozszerzenie == wiersze[j].Rozszerzenie
                               : zasady::PasujaRazem(wiersze[i].Sygnatura, wiersze[j].Sygnatura);
        if (zasady::TeSameTeksty(wiersze[i], wiersze[j]) && razem)
          return {j, TZasada::TekstyJakWInnymWierszuDlaTegoSamegoPliku};
      }
      for (const TWierszZrodlowy& wzorzec : wzorce) {
        if (zasady::TeSameTeksty(wzorzec, wiersze[j]) &&
            zasady::PasujaRazem(wiersze[j].Sygnatura, wzorzec.Sygnatura))
          return {j, TZasada::TekstyJakWInnymWierszuDlaTegoSamegoPliku};
      }
    }
    return {N, TZasada::Spelniona};
  }
  if (rodzaj != TRodzajTabeli::Sygnatur) return {N, TZasada::Spelniona};
  for (std::size_t i = 0; i < N; ++i) {
    const std::string_view poczatek = wiersze[i].Sygnatura;
    for (std::size_t j = i + 1; j < N && wiersze[j].Sygnatura.starts_with(poczatek); ++j) {
      if ((!ustalone.Zawiera(i) || !ustalone.Zawiera(j)) &&
          zasady::TeSameTeksty(wiersze[i], wiersze[j]))
        return {j, TZasada::TekstyJakWInnymWierszuDlaTegoSamegoPliku};
    }
  }
  for (std::size_t j = 0; j < N; ++j) {
    if (ustalone.Zawiera(j)) continue;  // patterns are given from outside as well
    for (const TWierszZrodlowy& wzorzec : wzorce) {
      if (zasady::TeSameTeksty(wzorzec, wiersze[j]) &&
          zasady::PasujaRazem(wiersze[j].Sygnatura, wzorzec.Sygnatura))
        return {j, TZasada::TekstyJakWInnymWierszuDlaTegoSamegoPliku};
    }
  }
  return {N, TZasada::Spelniona};
}

// The first broken rule of the three groups above, in their order.
template <std::size_t N>
constexpr TNaruszenie SprawdzTabele(const std::array<TWierszZrodlowy, N>& wiersze,
                                    TRodzajTabeli rodzaj,
                                    const TWierszeUstalone& ustalone = ZadenWierszUstalony,
                                    std::span<const TWierszZrodlowy> wzorce = {}) {
  for (const TNaruszenie n : {SprawdzWiersze(wiersze, rodzaj), SprawdzSlownictwo(wiersze, ustalone),
                              SprawdzPowtorzenia(wiersze, rodzaj, ustalone, wzorce)}) {
    if (n.Zasada != TZasada::Spelniona) return n;
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

// A build may leave the checks to another build of the same rows by the same compiler, as CI's
// sanitizer and Windows builds leave them to its first: the rows and the rules are the same in
// each, and the checks take most of the time the tables take to compile.
#ifdef ROZPOZNIK_KATALOG_SPRAWDZONY_GDZIE_INDZIEJ
inline constexpr bool SprawdzajKatalog = false;
#else
inline constexpr bool SprawdzajKatalog = true;
#endif

template <TRodzajTabeli Rodzaj, const auto& Wiersze,
          const TWierszeUstalone& Ustalone = ZadenWierszUstalony, const auto& Wzorce = BezWzorcow>
consteval auto ZbudujSprawdzonaTabele() {
  if constexpr (SprawdzajKatalog) {
    // Each group is a constant evaluation of its own, so that each keeps within the compiler's
    // budget of operations for one evaluation.
    constexpr TNaruszenie wiersze = SprawdzWiersze(Wiersze, Rodzaj);
    static_assert(WierszKatalogu<Rodzaj, wiersze.Wiersz, wiersze.Zasada>::Poprawny);
    constexpr TNaruszenie slownictwo = SprawdzSlownictwo(Wiersze, Ustalone);
    static_assert(WierszKatalogu<Rodzaj, slownictwo.Wiersz, slownictwo.Zasada>::Poprawny);
    constexpr TNaruszenie powtorzenia = SprawdzPowtorzenia(Wiersze, Rodzaj, Ustalone, Wzorce);
    static_assert(WierszKatalogu<Rodzaj, powtorzenia.Wiersz, powtorzenia.Zasada>::Poprawny);
  }
  return ZbudujTabele(Wiersze);
}
