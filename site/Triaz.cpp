#include "site/Triaz.h"

#include <algorithm>
#include <map>

#include "catalogue/Katalog.h"
#include "catalogue/ZasadyKatalogu.h"
#include "engine/ObslugaBaz.h"
#include "site/Kodowanie.h"
#include "text/Cp1250.h"

namespace {

constexpr std::size_t NajdluzszyTypKatalogu = 64;

// A string literal of the catalogue's source, which the type names of reports may not break.
std::string LiteralCpp(std::string_view Utf8) {
  std::string wynik = "\"";
  for (const char c : Utf8) {
    if (c == '"' || c == '\\') wynik += '\\';
    wynik += c;
  }
  return wynik + '"';
}

std::string Skrocony(const std::string& Utf8, std::size_t Znakow) {
  return cp1250::NaUtf8(cp1250::ZUtf8(Utf8).substr(0, Znakow));
}

// The catalogue wants an extension of upper-case ASCII; anything else is left for the maker.
std::string RozszerzenieDoKatalogu(const std::string& Rozszerzenie) {
  std::string wynik;
  for (char c : Rozszerzenie) {
    if (static_cast<unsigned char>(c) >= 0x80) return {};
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    wynik += c;
  }
  return wynik;
}

void Zaproponuj(TGrupaZgloszen& Grupa) {
  const std::string rozszerzenie = RozszerzenieDoKatalogu(Grupa.Rozszerzenie);
  std::string typ;
  for (const auto& [nazwa, liczba] : Grupa.Typy) {
    if (!nazwa.empty()) {
      typ = Skrocony(nazwa, NajdluzszyTypKatalogu);
      break;
    }
  }
  if (typ.empty()) typ = rozszerzenie.empty() ? "Nieznany format" : "Plik " + rozszerzenie;
  const TWierszZrodlowy wiersz{rozszerzenie, Grupa.Bajty, typ, "-", ""};
  if (zasady::SprawdzWiersz(wiersz, TRodzajTabeli::Sygnatur) != TZasada::Spelniona) return;
  Grupa.ProponowanyWiersz = "{" + LiteralCpp(rozszerzenie) + ", " + LiteralCpp(Grupa.Bajty) + ", " +
                            LiteralCpp(typ) + ", \"-\", \"\"},";

  const auto za = std::ranges::upper_bound(BazaSygnatur, std::string_view(Grupa.Bajty), {},
                                           [](const TOpisPliku& w) { return w.Sygnatura.Tekst(); });
  if (za != BazaSygnatur.begin()) Grupa.WstawPoSygnaturze = std::prev(za)->Sygnatura.Tekst();
}

}  // namespace

std::string OpisRozmiarow(const TGrupaZgloszen& Grupa) {
  const std::string od = std::to_string(Grupa.NajmniejszyRozmiar);
  return Grupa.NajmniejszyRozmiar == Grupa.NajwiekszyRozmiar
             ? od
             : od + "–" + std::to_string(Grupa.NajwiekszyRozmiar);
}

std::vector<std::string> TypyZKatalogu(const std::string& Bajty, const std::string& Rozszerzenie) {
  TOpisPliku klucz;
  klucz.Rozszerzenie.Ustaw(cp1250::ZUtf8(Rozszerzenie));
  klucz.Sygnatura.Ustaw(Bajty);
  TKandydaci kandydaci;
  RozpoznajKlucz(klucz, kandydaci);
  std::vector<std::string> wynik;
  for (const TOpisPliku* wiersz : kandydaci) wynik.push_back(cp1250::NaUtf8(wiersz->Typ.Tekst()));
  return wynik;
}

std::vector<TGrupaZgloszen> Pogrupuj(const std::vector<TZapisanyWiersz>& Wiersze) {
  std::vector<TGrupaZgloszen> grupy;
  for (const TZapisanyWiersz& w : Wiersze) {
    const TZgloszenie& z = w.Zgloszenie;
    if (grupy.empty() || grupy.back().Bajty != z.Bajty ||
        grupy.back().Rozszerzenie != z.Rozszerzenie) {
      TGrupaZgloszen nowa;
      nowa.Bajty = z.Bajty;
      nowa.Rozszerzenie = z.Rozszerzenie;
      nowa.Pierwsze = w.Pierwsze;
      nowa.Ostatnie = w.Ostatnie;
      nowa.NajmniejszyRozmiar = nowa.NajwiekszyRozmiar = z.Rozmiar;
      grupy.push_back(std::move(nowa));
    }
    TGrupaZgloszen& g = grupy.back();
    g.Liczba += w.Liczba;
    g.Pierwsze = std::min(g.Pierwsze, w.Pierwsze);
    g.Ostatnie = std::max(g.Ostatnie, w.Ostatnie);
    g.NajmniejszyRozmiar = std::min(g.NajmniejszyRozmiar, z.Rozmiar);
    g.NajwiekszyRozmiar = std::max(g.NajwiekszyRozmiar, z.Rozmiar);
    const auto typ = std::ranges::find(g.Typy, z.Typ, &std::pair<std::string, std::int64_t>::first);
    if (typ == g.Typy.end()) {
      g.Typy.emplace_back(z.Typ, w.Liczba);
    } else {
      typ->second += w.Liczba;
    }
  }
  for (TGrupaZgloszen& g : grupy) {
    std::ranges::stable_sort(g.Typy, std::ranges::greater{},
                             &std::pair<std::string, std::int64_t>::second);
    g.RozpoznaneTypy = TypyZKatalogu(g.Bajty, g.Rozszerzenie);
    Zaproponuj(g);
  }
  std::ranges::stable_sort(grupy, [](const TGrupaZgloszen& a, const TGrupaZgloszen& b) {
    return a.Liczba != b.Liczba ? a.Liczba > b.Liczba : a.Ostatnie > b.Ostatnie;
  });
  return grupy;
}

std::string GrupyJakoCsv(const std::vector<TGrupaZgloszen>& Grupy) {
  const auto zlacz = [](const auto& Elementy, const auto& Opis) {
    std::string wynik;
    for (const auto& e : Elementy) {
      if (!wynik.empty()) wynik += "; ";
      wynik += Opis(e);
    }
    return wynik;
  };
  std::string csv =
      "bajty,rozszerzenie,liczba,pierwsze,ostatnie,rozmiary,typy_zglaszajacych,"
      "rozpoznane_dzis,proponowany_wiersz,wstaw_po_sygnaturze\r\n";
  for (const TGrupaZgloszen& g : Grupy) {
    const std::string typy = zlacz(
        g.Typy, [](const auto& t) { return t.first + " (" + std::to_string(t.second) + ")"; });
    const std::string rozpoznane = zlacz(g.RozpoznaneTypy, [](const auto& t) { return t; });
    for (const std::string& pole :
         {g.Bajty, g.Rozszerzenie, std::to_string(g.Liczba), g.Pierwsze, g.Ostatnie,
          OpisRozmiarow(g), typy, rozpoznane, g.ProponowanyWiersz}) {
      csv += DoCsv(pole) + ',';
    }
    csv += DoCsv(g.WstawPoSygnaturze) + "\r\n";
  }
  return csv;
}
