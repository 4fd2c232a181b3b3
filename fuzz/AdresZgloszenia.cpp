// The report's address carries any four values to the site unharmed: the query splits into
// exactly the four fields, and percent-decoding each value gives back its bytes.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "update/Witryna.h"

namespace {

void Sprawdz(bool warunek) {
  if (!warunek) std::abort();
}

std::optional<int> Cyfra(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return std::nullopt;  // the encoder writes upper case only
}

bool Niezastrzezony(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
         c == '.' || c == '_' || c == '~';
}

// RFC 3986 decoding; nothing for anything an encoder may not write.
std::optional<std::string> Dekoduj(std::string_view wartosc) {
  std::string wynik;
  for (std::size_t i = 0; i < wartosc.size(); ++i) {
    if (Niezastrzezony(wartosc[i])) {
      wynik += wartosc[i];
      continue;
    }
    if (wartosc[i] != '%' || i + 2 >= wartosc.size()) return std::nullopt;
    const auto g = Cyfra(wartosc[i + 1]);
    const auto d = Cyfra(wartosc[i + 2]);
    if (!g || !d) return std::nullopt;
    wynik += static_cast<char>(*g * 16 + *d);
    i += 2;
  }
  return wynik;
}

std::vector<std::string_view> Podziel(std::string_view tekst, char separator) {
  std::vector<std::string_view> czesci;
  for (;;) {
    const std::size_t k = tekst.find(separator);
    czesci.push_back(tekst.substr(0, k));
    if (k == std::string_view::npos) return czesci;
    tekst.remove_prefix(k + 1);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar) {
  // Four values, separated by the byte 0xFF of the input (which a value keeps only when it is
  // the last one).
  const std::string_view wejscie(reinterpret_cast<const char*>(dane), rozmiar);
  std::vector<std::string> wartosci;
  std::string_view reszta = wejscie;
  for (int i = 0; i < 3; ++i) {
    const std::size_t k = reszta.find('\xFF');
    wartosci.emplace_back(reszta.substr(0, k));
    reszta = k == std::string_view::npos ? std::string_view() : reszta.substr(k + 1);
  }
  wartosci.emplace_back(reszta);

  const TDaneZgloszenia zgloszenie{.Bajty = wartosci[1],
                                   .Rozszerzenie = wartosci[0],
                                   .Typ = wartosci[2],
                                   .Rozmiar = wartosci[3]};
  const std::string baza = "http://rozpoznik.test/";
  const std::string adres = TWitryna(baza).AdresZgloszenia(zgloszenie);
  const std::string poczatek = baza + "?s=rozpoznik_dodaj&";
  Sprawdz(adres.starts_with(poczatek));
  const std::vector<std::string_view> pola =
      Podziel(std::string_view(adres).substr(poczatek.size()), '&');
  Sprawdz(pola.size() == 4);
  const char* const nazwy[] = {"ext", "bajty", "typ", "rozm"};
  for (std::size_t i = 0; i < 4; ++i) {
    const std::vector<std::string_view> para = Podziel(pola[i], '=');
    Sprawdz(para.size() == 2 && para[0] == nazwy[i]);
    Sprawdz(Dekoduj(para[1]) == wartosci[i]);
  }
  Sprawdz(Dekoduj(KodujWartoscAdresu(wejscie)) == std::string(wejscie));
  return 0;
}
