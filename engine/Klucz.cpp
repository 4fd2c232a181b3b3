#include "engine/Klucz.h"

#include <array>
#include <optional>
#include <span>

#include "text/Cp1250.h"
#include "text/Szesnastkowo.h"
#include "text/Utf8.h"

namespace {

// The hex text of the first bytes and the zeros past the file's end; the text's storage is
// kept.
void ZapiszTekstSzesnastkowy(std::span<const unsigned char> bajty, std::string& tekst) {
  tekst.assign(2 * DlugoscPoczatku, '0');
  char* cel = tekst.data();
  for (const unsigned char b : bajty) cel = ZapiszSzesnastkowo(cel, b);
}

// Only the piece after the path's last separator can hold the extension, and UTF-8 never uses an
// ASCII byte inside another character, so that piece alone is read: converted to the code page
// as cp1250::ZUtf8 converts, upper-cased as PobierzRozszerzenie does, and only as far as the
// field holds. Nothing is allocated for it: this runs for every file.
void UstawRozszerzenie(TOpisPliku& Klucz, std::string_view Sciezka) {
  const std::size_t granica = Sciezka.find_last_of(".\\:/");
  if (granica == std::string_view::npos || Sciezka[granica] != '.') {
    Klucz.Rozszerzenie.Ustaw({});
    return;
  }
  const std::string_view utf8 = Sciezka.substr(granica + 1);
  std::array<char, sizeof(Klucz.Rozszerzenie.Znaki)> rozszerzenie;
  std::size_t n = 0;
  for (std::size_t i = 0; i < utf8.size() && n < rozszerzenie.size();) {
    const std::optional<char32_t> znak = utf8::CzytajZnak(utf8, i);
    const std::optional<unsigned char> bajt = znak ? cp1250::Bajt(*znak) : std::nullopt;
    const char c = bajt ? static_cast<char>(*bajt) : '?';
    rozszerzenie[n++] = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
  }
  Klucz.Rozszerzenie.Ustaw({rozszerzenie.data(), n});
}

void UstawKlucz(std::span<const unsigned char> bajty, std::int64_t rozmiar,
                std::string_view Sciezka, TOdczytPliku& Odczyt) {
  ZapiszTekstSzesnastkowy(bajty, Odczyt.TekstSzesnastkowy);
  Odczyt.Rozmiar = rozmiar;
  Odczyt.Klucz.Sygnatura.Ustaw(
      std::string_view(Odczyt.TekstSzesnastkowy).substr(0, 2 * bajty.size()));
  UstawRozszerzenie(Odczyt.Klucz, Sciezka);
}

}  // namespace

std::string PobierzRozszerzenie(std::string_view Sciezka) {
  const std::size_t granica = Sciezka.find_last_of(".\\:/");
  if (granica == std::string_view::npos || Sciezka[granica] != '.') return {};
  std::string rozszerzenie(Sciezka.substr(granica + 1));
  for (char& c : rozszerzenie) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return rozszerzenie;
}

bool ZbudujKlucz(TPlikDoOdczytu& Plik, TOdczytPliku& Odczyt) {
  std::array<unsigned char, DlugoscPoczatku> bajty;
  // One read request: a short file leaves zeros behind its end.
  const std::int64_t przeczytane = Plik.Czytaj(0, bajty.data(), bajty.size());
  if (przeczytane < 0) return false;
  UstawKlucz(std::span(bajty).first(static_cast<std::size_t>(przeczytane)), Plik.Rozmiar(),
             Plik.Sciezka(), Odczyt);
  return true;
}

// Trouble with the file is silent: what could not be read stays zero, and the size 0.
TOdczytPliku ZbudujKlucz(const std::string& Sciezka) {
  TOdczytPliku odczyt;
  TPlikDoOdczytu plik(Sciezka);
  if (!plik.Otwarty() || !ZbudujKlucz(plik, odczyt)) UstawKlucz({}, 0, Sciezka, odczyt);
  return odczyt;
}
