#pragma once

// The main window's fixed layout as data: the frame, and every control's kind, place, size,
// font, colour, start state and place in the focus order. Every view draws the window from this
// table alone, so no view repeats a coordinate. Positions are client pixels at 96 dots per inch;
// a view on another resolution scales them in proportion.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

// The controls from back to front: a control later in the order lies above the earlier ones.
enum class TKontrolka : std::uint8_t {
  Image1,
  Bevel1,
  SpeedButton1,
  Image2,
  Label1,
  Label2,
  Label3,
  Label4,
  Label5,
  Bevel2,
  Label6,
  InfoLabel,
  Pasek,
  Edit1,
  TypEdit,
  KategoriaEdit,
  ProgramyMemo,
  ScrollBar1,
  InfoMemo,
};
inline constexpr std::size_t LiczbaKontrolek = 19;

constexpr std::size_t Indeks(TKontrolka Kontrolka) {
  return static_cast<std::size_t>(Kontrolka);
}

enum class TRodzajKontrolki : std::uint8_t {
  Obraz,             // a picture, sized to it
  Linia,             // a separator line two pixels thick along one edge of its box
  Etykieta,          // a transparent text label that takes the width of its text
  Przycisk,          // a flat push button that draws no background of its own
  Pole,              // a read-only single-line box
  Memo,              // a read-only multi-line box without scroll bars
  PasekPrzewijania,  // a vertical scroll bar, steps of 1 for arrow and page moves
};

struct TKolor {
  std::uint8_t R = 0, G = 0, B = 0;
  friend constexpr bool operator==(const TKolor&, const TKolor&) = default;
};
inline constexpr TKolor Bialy{255, 255, 255};
inline constexpr TKolor Czerwony{255, 0, 0};
inline constexpr TKolor Czarny{0, 0, 0};

struct TProstokat {
  int Lewa = 0, Gora = 0, Szerokosc = 0, Wysokosc = 0;
  friend constexpr bool operator==(const TProstokat&, const TProstokat&) = default;
};

// Where a line runs in its box, and whether it is raised (the light colour over the dark one)
// or lowered (the reverse).
enum class TKrawedz : std::uint8_t { Brak, Gorna, Dolna };
enum class TStylLinii : std::uint8_t { Brak, Wypukla, Wklesla };

// What a view does with a text longer than its box.
enum class TDlugiTekst : std::uint8_t {
  Przyciety,           // cut at the box's edge
  PodpowiedzPoczatek,  // shows its start, the full text as a tooltip
  PodpowiedzKoniec,    // shows its end (a path's own file name), the full text as a tooltip
};

struct TOpisKontrolki {
  TKontrolka Kontrolka;
  std::string_view Nazwa;  // the member's name in TForm1, also the control's object name
  TRodzajKontrolki Rodzaj;
  // A label's width is that of its text; a picture's size is the picture's.
  TProstokat Polozenie;
  int Czcionka = 0;                  // Tahoma, character height in pixels; 0 for no text
  TKolor KolorTekstu = Bialy;        // pictures, lines and boxes take the system's colours
  bool KolorTlaCzarny = false;       // a box drawn white on black instead of the system colours
  bool NaStarcie = true;             // shown when the window opens
  int Fokus = 0;                     // place in the keyboard focus order from 1; 0 never takes it
  bool Klikalna = false;             // reports clicks to the window
  bool Odnosnik = false;             // hand-shaped pointer; reports mouse moves and leaving
  bool WysrodkowanaNaRamie = false;  // left edge set to centre it on the window's outer width
  TKrawedz Krawedz = TKrawedz::Brak;
  TStylLinii Styl = TStylLinii::Brak;
  std::string_view Obraz{};  // a picture's file name among the program's pictures
  bool Sciezka = false;      // its text is a path as the file system gives it, not Windows-1250
  TDlugiTekst DlugiTekst = TDlugiTekst::Przyciety;
  std::string_view Tekst{};  // the text at start, UTF-8 in the source
};

// The window's frame: a fixed-size tool window with a small caption bar and only a close button,
// black behind the controls.
struct TOpisOkna {
  std::string_view Nazwa = "Form1";
  int Szerokosc = 415;  // client area
  int Wysokosc = 393;
  int Lewa = 231;  // the outer window's top-left corner on the screen when first shown
  int Gora = 146;
  TKolor Tlo = Czarny;
};
inline constexpr TOpisOkna OpisOkna{};

// The scroll bar's range at start, before any file sets it.
inline constexpr int PoczatkowyZakresPaska = 100;

// In the order of TKontrolka. Label6's text is followed by the site's address, and InfoMemo holds
// the About text; the window's state gives both.
inline constexpr std::array<TOpisKontrolki, LiczbaKontrolek> UkladOkna = {{
    {.Kontrolka = TKontrolka::Image1,
     .Nazwa = "Image1",
     .Rodzaj = TRodzajKontrolki::Obraz,
     .Polozenie = {0, 0, 400, 393},
     .Obraz = "tlo.png"},
    {.Kontrolka = TKontrolka::Bevel1,
     .Nazwa = "Bevel1",
     .Rodzaj = TRodzajKontrolki::Linia,
     .Polozenie = {0, 0, 417, 53},
     .Krawedz = TKrawedz::Dolna,
     .Styl = TStylLinii::Wypukla},
    {.Kontrolka = TKontrolka::SpeedButton1,
     .Nazwa = "SpeedButton1",
     .Rodzaj = TRodzajKontrolki::Przycisk,
     .Polozenie = {336, 70, 73, 24},
     .Czcionka = 13,
     .Klikalna = true,
     .Tekst = "Przeglądaj"},
    {.Kontrolka = TKontrolka::Image2,
     .Nazwa = "Image2",
     .Rodzaj = TRodzajKontrolki::Obraz,
     .Polozenie = {380, 12, 31, 30},
     .Klikalna = true,
     .Obraz = "pytajnik.png"},
    {.Kontrolka = TKontrolka::Label1,
     .Nazwa = "Label1",
     .Rodzaj = TRodzajKontrolki::Etykieta,
     .Polozenie = {16, 72, 85, 19},
     .Czcionka = 16,
     .Klikalna = true,
     .Tekst = "Nazwa pliku"},
    {.Kontrolka = TKontrolka::Label2,
     .Nazwa = "Label2",
     .Rodzaj = TRodzajKontrolki::Etykieta,
     .Polozenie = {34, 128, 66, 19},
     .Czcionka = 16,
     .Tekst = "Typ pliku"},
    {.Kontrolka = TKontrolka::Label3,
     .Nazwa = "Label3",
     .Rodzaj = TRodzajKontrolki::Etykieta,
     .Polozenie = {36, 160, 66, 19},
     .Czcionka = 16,
     .Tekst = "Kategoria"},
    {.Kontrolka = TKontrolka::Label4,
     .Nazwa = "Label4",
     .Rodzaj = TRodzajKontrolki::Etykieta,
     .Polozenie = {32, 192, 69, 19},
     .Czcionka = 16,
     .Tekst = "Programy"},
    {.Kontrolka = TKontrolka::Label5,
     .Nazwa = "Label5",
     .Rodzaj = TRodzajKontrolki::Etykieta,
     .Polozenie = {17, 208, 84, 19},
     .Czcionka = 16,
     .Tekst = "obsługujące"},
    {.Kontrolka = TKontrolka::Bevel2,
     .Nazwa = "Bevel2",
     .Rodzaj = TRodzajKontrolki::Linia,
     .Polozenie = {0, 360, 417, 37},
     .Krawedz = TKrawedz::Gorna,
     .Styl = TStylLinii::Wypukla},
    {.Kontrolka = TKontrolka::Label6,
     .Nazwa = "Label6",
     .Rodzaj = TRodzajKontrolki::Etykieta,
     .Polozenie = {105, 366, 232, 19},
     .Czcionka = 16,
     .Klikalna = true,
     .Odnosnik = true,
     .Tekst = "Odwiedź nas: "},
    {.Kontrolka = TKontrolka::InfoLabel,
     .Nazwa = "InfoLabel",
     .Rodzaj = TRodzajKontrolki::Etykieta,
     .Polozenie = {0, 101, 0, 18},
     .Czcionka = 15,
     .KolorTekstu = Czerwony,
     .NaStarcie = false,
     .WysrodkowanaNaRamie = true},
    {.Kontrolka = TKontrolka::Pasek,
     .Nazwa = "Pasek",
     .Rodzaj = TRodzajKontrolki::Linia,
     .Polozenie = {80, 106, 281, 10},
     .Krawedz = TKrawedz::Gorna,
     .Styl = TStylLinii::Wklesla},
    {.Kontrolka = TKontrolka::Edit1,
     .Nazwa = "Edit1",
     .Rodzaj = TRodzajKontrolki::Pole,
     .Polozenie = {112, 70, 217, 24},
     .Czcionka = 13,
     .Fokus = 1,
     .Sciezka = true,
     .DlugiTekst = TDlugiTekst::PodpowiedzKoniec},
    {.Kontrolka = TKontrolka::TypEdit,
     .Nazwa = "TypEdit",
     .Rodzaj = TRodzajKontrolki::Pole,
     .Polozenie = {112, 126, 217, 24},
     .Czcionka = 13,
     .Fokus = 2,
     .DlugiTekst = TDlugiTekst::PodpowiedzPoczatek},
    {.Kontrolka = TKontrolka::KategoriaEdit,
     .Nazwa = "KategoriaEdit",
     .Rodzaj = TRodzajKontrolki::Pole,
     .Polozenie = {112, 158, 217, 24},
     .Czcionka = 13,
     .Fokus = 3,
     .DlugiTekst = TDlugiTekst::PodpowiedzPoczatek},
    {.Kontrolka = TKontrolka::ProgramyMemo,
     .Nazwa = "ProgramyMemo",
     .Rodzaj = TRodzajKontrolki::Memo,
     .Polozenie = {112, 192, 217, 153},
     .Czcionka = 13,
     .Fokus = 4},
    {.Kontrolka = TKontrolka::ScrollBar1,
     .Nazwa = "ScrollBar1",
     .Rodzaj = TRodzajKontrolki::PasekPrzewijania,
     .Polozenie = {336, 128, 17, 217},
     .NaStarcie = false,
     .Fokus = 6},
    {.Kontrolka = TKontrolka::InfoMemo,
     .Nazwa = "InfoMemo",
     .Rodzaj = TRodzajKontrolki::Memo,
     .Polozenie = {280, 248, 401, 289},
     .Czcionka = 13,
     .KolorTlaCzarny = true,
     .NaStarcie = false,
     .Fokus = 5,
     .Klikalna = true},
}};

constexpr const TOpisKontrolki& Opis(TKontrolka Kontrolka) {
  return UkladOkna[Indeks(Kontrolka)];
}

static_assert(
    [] {
      for (std::size_t i = 0; i < UkladOkna.size(); ++i) {
        if (Indeks(UkladOkna[i].Kontrolka) != i) return false;
      }
      return true;
    }(),
    "the table lists the controls in the order of TKontrolka");

// The left edge that centres a text of width `SzerokoscTekstu` on the window's outer width
// (frame included), so right of the client area's centre by one side of the frame.
constexpr int LewaWysrodkowana(int SzerokoscZewnetrzna, int SzerokoscTekstu) {
  return (SzerokoscZewnetrzna - SzerokoscTekstu) / 2;
}
