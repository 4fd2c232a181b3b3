#include "site/Parametry.h"

#include "site/Kodowanie.h"

std::string_view CzescZapytania(std::string_view Cel) {
  const std::size_t pytajnik = Cel.find('?');
  return pytajnik == std::string_view::npos ? std::string_view{} : Cel.substr(pytajnik + 1);
}

std::optional<std::string> JedynaWartosc(std::string_view Zapytanie, std::string_view Nazwa) {
  std::optional<std::string> wartosc;
  bool powtorzona = false;
  while (!Zapytanie.empty()) {
    const std::size_t koniec = Zapytanie.find('&');
    const std::string_view para = Zapytanie.substr(0, koniec);
    Zapytanie =
        koniec == std::string_view::npos ? std::string_view{} : Zapytanie.substr(koniec + 1);
    const std::size_t rowna = para.find('=');
    if (OdkodujProcenty(para.substr(0, rowna)) != Nazwa) continue;
    if (wartosc) powtorzona = true;
    wartosc =
        rowna == std::string_view::npos ? std::string{} : OdkodujProcenty(para.substr(rowna + 1));
  }
  if (powtorzona) return std::nullopt;
  return wartosc;
}
