// libFuzzer target for the output writers: whatever a file's name and first bytes are, plain
// output and error messages carry no byte that could drive a terminal and no line of the name's
// making, and every JSON line parses.
//
// Input: a flags byte (bit 0: recognised, bit 1: --explain), a candidate count (0 to 7), two
// bytes per candidate choosing a catalogue row, 80 bytes of the file's start, then the path.

#include "cli/Wypis.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>

#include "catalogue/Katalog.h"
#include "cli/Wyswietlanie.h"
#include "engine/Klucz.h"
#include "text/Szesnastkowo.h"
#include "text/Utf8.h"

namespace {

void Blad(const char* opis, std::string_view tekst) {
  std::fprintf(stderr, "%s\n%.*s\n", opis, static_cast<int>(tekst.size()), tekst.data());
  std::abort();
}

// Strict UTF-8 with no C0 control but the line feed, no DEL, no C1 control and no
// bidirectional override: text a terminal shows and does not obey.
void SprawdzDlaTerminala(std::string_view tekst) {
  for (std::size_t i = 0; i < tekst.size();) {
    const std::optional<char32_t> z = utf8::CzytajZnak(tekst, i);
    if (!z) Blad("malformed UTF-8 reaches the terminal", tekst);
    if ((*z < 0x20 && *z != '\n') || (*z >= 0x7F && *z <= 0x9F) || (*z >= 0x202A && *z <= 0x202E) ||
        (*z >= 0x2066 && *z <= 0x2069)) {
      Blad("a control character reaches the terminal", tekst);
    }
  }
}

std::size_t Linie(std::string_view tekst) {
  std::size_t n = 0;
  for (const char c : tekst) n += c == '\n';
  return n;
}

// Any row of any table, the supplement's included.
const TOpisPliku* Wiersz(unsigned wybor) {
  const TTabelaKatalogu& tabela = TabeleKatalogu[wybor % TabeleKatalogu.size()];
  return &tabela.Wiersze[(wybor / TabeleKatalogu.size()) % tabela.Wiersze.size()];
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar) {
  std::string_view wejscie(reinterpret_cast<const char*>(dane), rozmiar);
  if (wejscie.size() < 2) return 0;
  const auto flagi = static_cast<unsigned char>(wejscie[0]);
  const std::size_t kandydatow = static_cast<unsigned char>(wejscie[1]) % 8;
  wejscie.remove_prefix(2);
  if (wejscie.size() < 2 * kandydatow + DlugoscPoczatku) return 0;

  TRozpoznanie wynik;
  for (std::size_t i = 0; i < kandydatow; ++i) {
    const unsigned wybor = static_cast<unsigned char>(wejscie[2 * i]) * 256u +
                           static_cast<unsigned char>(wejscie[2 * i + 1]);
    wynik.Kandydaci.push_back(Wiersz(wybor));
  }
  wejscie.remove_prefix(2 * kandydatow);
  for (std::size_t i = 0; i < DlugoscPoczatku; ++i) {
    DopiszSzesnastkowo(wynik.Odczyt.TekstSzesnastkowy, static_cast<unsigned char>(wejscie[i]));
  }
  wejscie.remove_prefix(DlugoscPoczatku);
  const std::string sciezka(wejscie);
  wynik.Odczyt.Klucz.Rozszerzenie.Ustaw(PobierzRozszerzenie(sciezka));
  wynik.Odczyt.Rozmiar = static_cast<std::int64_t>(rozmiar);
  const bool rozpoznany = (flagi & 1u) != 0 && !wynik.Kandydaci.empty();
  wynik.Stan = rozpoznany ? TStan::Rozpoznany : TStan::Nierozpoznany;
  if (!rozpoznany) wynik.Kandydaci.clear();
  const bool wyjasnij = (flagi & 2u) != 0;

  std::string opis;
  DopiszOpis(opis, sciezka, wynik, wyjasnij);
  SprawdzDlaTerminala(opis);
  // The path and the extension can't start a line: the lines are the program's own.
  const std::size_t linii = rozpoznany ? 1 + 3 * wynik.Kandydaci.size() : 2;
  if (!wyjasnij && Linie(opis) != linii) Blad("a line more or less than the output has", opis);

  const std::string komunikat = KomunikatBledu(sciezka, "Cannot open file \"" + sciezka + "\".");
  SprawdzDlaTerminala(komunikat);
  if (Linie(komunikat) != 1) Blad("an error message of more than one line", komunikat);

  std::string json;
  DopiszJson(json, sciezka, wynik);
  if (Linie(json) != 1 || json.back() != '\n') Blad("a JSON record of more than one line", json);
  if (!nlohmann::json::accept(json)) Blad("JSON that does not parse", json);
  return 0;
}
