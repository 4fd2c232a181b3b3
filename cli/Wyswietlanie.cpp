#include "cli/Wyswietlanie.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>

#include "text/Szesnastkowo.h"
#include "text/Utf8.h"

namespace {

bool Sterujacy(char32_t z) {
  return z < 0x20 || (z >= 0x7F && z <= 0x9F) || (z >= 0x202A && z <= 0x202E) ||
         (z >= 0x2066 && z <= 0x2069);
}

// How many bytes at the start of `tekst` are printable ASCII, the most of any name; eight are
// looked at together while all of them are.
std::size_t DlugoscDrukowalnych(std::string_view tekst) {
  constexpr std::uint64_t Jedynki = 0x0101010101010101u;
  constexpr std::uint64_t Gorne = 0x8080808080808080u;
  std::size_t n = 0;
  for (std::uint64_t slowo; n + sizeof slowo <= tekst.size(); n += sizeof slowo) {
    std::memcpy(&slowo, tekst.data() + n, sizeof slowo);
    // A byte below 0x20 borrows into its high bit; 0x7F and above have it set, or carry into it.
    const std::uint64_t ponizej = (slowo - 0x20 * Jedynki) & ~slowo;
    const std::uint64_t powyzej = (slowo + Jedynki) | slowo;
    if (((ponizej | powyzej) & Gorne) != 0) break;
  }
  while (n < tekst.size() && tekst[n] >= 0x20 && tekst[n] < 0x7F) ++n;
  return n;
}

void DopiszKodem(std::string& Wyjscie, std::string_view bajty) {
  for (const char c : bajty) {
    Wyjscie += "\\x";
    DopiszSzesnastkowo(Wyjscie, static_cast<unsigned char>(c));
  }
}

}  // namespace

void DopiszDoWyswietlenia(std::string& Wyjscie, std::string_view Tekst) {
  // Strict decoding matters here: a terminal may read an overlong form as the very control
  // this keeps out, so such bytes are shown as codes like any other invalid piece.
  for (std::size_t i = 0; i < Tekst.size();) {
    // Printable ASCII, most of any name, goes in as whole runs.
    const std::size_t zwykle = DlugoscDrukowalnych(Tekst.substr(i));
    Wyjscie.append(Tekst.substr(i, zwykle));
    i += zwykle;
    if (i == Tekst.size()) break;
    const std::size_t od = i;
    const std::optional<char32_t> znak = utf8::CzytajZnak(Tekst, i);
    const std::string_view bajty = Tekst.substr(od, i - od);
    if (!znak || Sterujacy(*znak)) {
      DopiszKodem(Wyjscie, bajty);
    } else {
      Wyjscie += bajty;
    }
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
