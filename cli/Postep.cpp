#include "cli/Postep.h"

#include <string>

#include "cli/Konsola.h"
#include "cli/Wyswietlanie.h"

namespace {

constexpr auto Opoznienie = std::chrono::seconds(1);
constexpr auto OdstepRysowania = std::chrono::milliseconds(100);
constexpr std::string_view WyczyscLinie = "\r\x1B[K";

// Cut to at most `kolumn` characters; the text is escaped, so it is well-formed UTF-8 and a
// character is a lead byte with its continuation bytes.
void Przytnij(std::string& tekst, std::size_t kolumn) {
  std::size_t znaki = 0;
  for (std::size_t i = 0; i < tekst.size(); ++i) {
    if ((static_cast<unsigned char>(tekst[i]) & 0xC0u) == 0x80u) continue;
    if (++znaki > kolumn) {
      tekst.resize(i);
      return;
    }
  }
}

}  // namespace

TPostep::TPostep(bool Wlaczony, std::FILE* Strumien, int Szerokosc, TZegar::time_point Poczatek)
    : wlaczony_(Wlaczony),
      strumien_(Strumien),
      szerokosc_(Szerokosc),
      poczatek_(Poczatek),
      nastepnyRysunek_(Poczatek + Opoznienie) {}

void TPostep::Plik(std::string_view Sciezka) {
  ++pliki_;
  if (!wlaczony_) return;
  const TZegar::time_point teraz = TZegar::now();
  if (teraz < nastepnyRysunek_) return;
  nastepnyRysunek_ = teraz + OdstepRysowania;
  const double sekundy = std::chrono::duration<double>(teraz - poczatek_).count();
  const std::size_t koniecFolderu = Sciezka.rfind('/');
  const std::string_view folder =
      koniecFolderu == std::string_view::npos ? "." : Sciezka.substr(0, koniecFolderu + 1);
  std::string linia =
      std::to_string(pliki_) + " files, " +
      std::to_string(static_cast<std::uint64_t>(static_cast<double>(pliki_) / sekundy)) +
      " files/s, ";
  DopiszDoWyswietlenia(linia, folder);
  Przytnij(linia, static_cast<std::size_t>(szerokosc_ > 1 ? szerokosc_ - 1 : 1));
  Wypisz(strumien_, std::string(WyczyscLinie).append(linia));
  std::fflush(strumien_);
  widoczny_ = true;
}

void TPostep::Wyczysc() {
  if (!widoczny_) return;
  Wypisz(strumien_, WyczyscLinie);
  std::fflush(strumien_);
  widoczny_ = false;
}
