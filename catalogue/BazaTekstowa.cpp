// Text formats, found by extension alone. Every row is given from outside and stands as it is.

#include "catalogue/IndeksRozszerzen.h"
#include "catalogue/Katalog.h"
#include "catalogue/ZasadyKatalogu.h"

namespace {

// clang-format off
constexpr std::array<TWierszZrodlowy, RozmiarBazyTekstowej> Wiersze = {{
    {"HTML", "", "Dokument HTML", "Strona internetowa", "Opera\rMozilla Firefox\rMicrosoft Internet Explorer"},
    {"HTM", "", "Dokument HTML", "Strona internetowa", "Opera\rMozilla Firefox\rMicrosoft Internet Explorer"},
    {"CFG", "", "Plik konfiguracyjny CFG", "Plik konfiguracyjny", "zależy od programu\r(podgląd) Notatnik"},
    {"INI", "", "Initialization file", "Plik konfiguracyjny", "zależy od programu\r(podgląd) Notatnik"},
    {"BAT", "", "Plik wsadowy- Batch File", "Skrypt wykonywalny", "Microsoft Windows\rMicrosoft DOS\r(podgląd) Notatnik"},
    {"TEX", "", "TEX document", "Dokument tekstowy", "TeXnicCenter\rLED- LaTEX Editor"},
    {"AUX", "", "TeX/LaTeX Auxilliary Reference File", "Plik dodatkowy", "TeXnicCenter\rLED- LaTEX Editor"},
    {"BLG", "", "BibTeX Log", "Plik dodatkowy", "TeXnicCenter\rLED- LaTEX Editor"},
    {"BBL", "", "TeX/BibTeX Bibliographic Reference File", "Plik bibliografii", "TeXnicCenter\rLED- LaTEX Editor"},
    {"INF", "", "Information file", "Plik konfiguracyjny instalator", "zależy od programu\r(podgląd) Notatnik"},
    {"NFO", "", "iNFormation file", "Dokument tekstowy", "DAMN NFO Viewer\rGetDiz\rDizzy\rBooZet NFO Reader"},
    {"ERR", "", "Log błędu programu", "Dokument tekstowy", "Notatnik\rNotepad+\rNotepad2"},
    {"LOG", "", "Log programu", "Dokument tekstowy", "Notatnik\rNotepad+\rNotepad2"},
    {"JS", "", "JavaScript", "Skrypt wykonywalny", "Opera\rMozilla Firefox\rMicrosft Internet Explorer"},
    {"XML", "", "Dokument XML", "Strona internetowa", "Opera\rMozilla Firefox\rMicrosoft Internet Explorer"},
    {"INT", "", "Borland Interface Unit", "Program wykonywalny", "Borland Delphi"},
    {"DEM", "", "Delphi Edit Mask", "Ustawienia programu", "Borland Delphi"},
    {"DEM", "", "Skrypt Scilaba", "Skrypt wykonywalny", "Scilab"},
    {"TXT", "", "Dokument tekstowy", "Dokument tekstowy", "Notatnik\rKashmir Web Editor\rNotepad2\rNotepad++"},
}};
// clang-format on

}  // namespace

constexpr std::array<TOpisPliku, RozmiarBazyTekstowej> BazaTekstowa =
    ZbudujSprawdzonaTabele<TRodzajTabeli::Tekstowa, Wiersze, KazdyWierszUstalony>();

namespace {

constexpr auto DaneIndeksu = ZbudujIndeksRozszerzen<BazaTekstowa>();
static_assert(!SprawdzajKatalog || IndeksRozszerzenZgodny(BazaTekstowa, DaneIndeksu),
              "the extension index of the text table is out of order or misses a row");

}  // namespace

constexpr std::span<const TWpisRozszerzenia> IndeksBazyTekstowej = DaneIndeksu;
