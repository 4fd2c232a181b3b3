// The site's reading of a report: whatever the query, a report it accepts holds what the page and
// the database expect (20 upper-case hex digits, short UTF-8 texts without control characters, a
// size that is not negative); and a report the program composes from any values the program can
// send reaches the site as those values.

#include "site/Zgloszenie.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "text/Cp1250.h"
#include "text/Szesnastkowo.h"
#include "text/Utf8.h"
#include "update/Witryna.h"

namespace {

void Sprawdz(bool warunek) {
  if (!warunek) std::abort();
}

// The number of characters, or nothing when the text is not strict UTF-8 or holds a control
// character.
std::optional<std::size_t> ZnakiTekstu(std::string_view tekst) {
  std::size_t znaki = 0;
  for (std::size_t i = 0; i < tekst.size(); ++znaki) {
    const auto znak = utf8::CzytajZnak(tekst, i);
    if (!znak || *znak < 0x20 || *znak == 0x7F) return std::nullopt;
  }
  return znaki;
}

void SprawdzPrzyjete(const TZgloszenie& z) {
  Sprawdz(z.Bajty.size() == CyfryBajtowZgloszenia);
  for (const char c : z.Bajty) Sprawdz((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'));
  const auto rozszerzenie = ZnakiTekstu(z.Rozszerzenie);
  const auto typ = ZnakiTekstu(z.Typ);
  Sprawdz(rozszerzenie && *rozszerzenie <= NajdluzszeRozszerzenie);
  Sprawdz(typ && *typ <= NajdluzszyTyp);
  Sprawdz(z.Rozmiar >= 0);
}

// Windows-1250 text the program can send: printable characters the code page defines.
std::string TekstProgramu(std::string_view bajty, std::size_t najwiecej) {
  std::string tekst;
  for (const char c : bajty) {
    if (tekst.size() == najwiecej) break;
    const auto b = static_cast<unsigned char>(c);
    const std::string znak = cp1250::NaUtf8(std::string_view(&c, 1));
    if (b >= 0x20 && b != 0x7F && znak != "\xEF\xBF\xBD") tekst += c;
  }
  return tekst;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar) {
  const std::string_view wejscie(reinterpret_cast<const char*>(dane), rozmiar);
  const auto dowolne = CzytajZgloszenie(wejscie);
  if (const auto* z = std::get_if<TZgloszenie>(&dowolne)) SprawdzPrzyjete(*z);

  TDaneZgloszenia wyslane{.Bajty = "",
                          .Rozszerzenie = TekstProgramu(wejscie, NajdluzszeRozszerzenie),
                          .Typ = TekstProgramu(wejscie.substr(wejscie.size() / 2), NajdluzszyTyp),
                          .Rozmiar = std::to_string(rozmiar)};
  for (std::size_t i = 0; i < CyfryBajtowZgloszenia / 2; ++i) {
    DopiszSzesnastkowo(wyslane.Bajty, i < rozmiar ? dane[i] : 0);
  }
  const std::string adres = TWitryna("http://rozpoznik.test/").AdresZgloszenia(wyslane);
  const auto wynik = CzytajZgloszenie(std::string_view(adres).substr(adres.find('?') + 1));
  const auto* z = std::get_if<TZgloszenie>(&wynik);
  Sprawdz(z != nullptr);
  SprawdzPrzyjete(*z);
  Sprawdz(z->Bajty == wyslane.Bajty);
  Sprawdz(z->Rozmiar == static_cast<std::int64_t>(rozmiar));
  // The site reads a value that is valid UTF-8 as UTF-8 (browsers re-encode the older program's
  // raw letters), so only a Windows-1250 text that does not also read as UTF-8 beyond ASCII comes
  // back letter for letter.
  const auto zgodny = [](const std::string& cp1250, const std::string& odebrany) {
    const bool takzeUtf8 = ZnakiTekstu(cp1250).has_value();
    const bool ascii = cp1250::NaUtf8(cp1250) == cp1250;
    return (takzeUtf8 && !ascii) || odebrany == cp1250::NaUtf8(cp1250);
  };
  Sprawdz(zgodny(wyslane.Rozszerzenie, z->Rozszerzenie));
  Sprawdz(zgodny(wyslane.Typ, z->Typ));
  return 0;
}
