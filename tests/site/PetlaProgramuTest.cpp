// The program's own code against the site: the update check with its page download, and the
// report of an unrecognised file as far as the maker's triage.

#include <gtest/gtest.h>

#include "engine/Rozpoznanie.h"
#include "site/Zgloszenie.h"
#include "tests/FolderTestowy.h"
#include "tests/site/SerwerWitryny.h"
#include "tests/window/PulpitTestowy.h"
#include "update/PobierzStrone.h"
#include "update/SprawdzCzyNowaWersja.h"
#include "update/Witryna.h"
#include "window/ZglosNieznanyPlik.h"

namespace {

TUstawienia ZNajnowsza(TWersja Najnowsza) {
  TUstawienia u;
  u.Najnowsza = Najnowsza;
  return u;
}

struct TWynikSprawdzenia {
  std::vector<std::string> Pytania;
  std::vector<std::string> Otwarte;
};

// The check as the window runs it at start-up, with a marker old enough to ask the site, and a
// user who answers Yes.
TWynikSprawdzenia SprawdzWersje(const std::string& AdresBazowy) {
  const TFolderTestowy folder;
  TWynikSprawdzenia wynik;
  const TSrodowiskoAktualizacji srodowisko{
      .SciezkaZnacznika = folder.Zapisz("readme.txt", "Rozpoznik\n"),
      .Teraz =
          [] {
            return TCzasLokalny{2100, 1, 1};
          },
      .Losuj = [] { return 9998; }};
  const TPulpitAktualizacji pulpit{
      .ZapytajTakNie =
          [&](const std::string& Pytanie) {
            wynik.Pytania.push_back(Pytanie);
            return true;
          },
      .OtworzAdres = [&](const std::string& Adres) { wynik.Otwarte.push_back(Adres); }};
  SprawdzCzyNowaWersja("Rozpoznik wersja 1.4", TWitryna(AdresBazowy), srodowisko, pulpit);
  return wynik;
}

TEST(PetlaProgramu, NowszaWersjaNaStronieProwadziDoStronyAktualizacji) {
  TSerwerWitryny serwer(ZNajnowsza({1, 5}));
  const TWynikSprawdzenia wynik = SprawdzWersje(serwer.Adres());
  EXPECT_EQ(wynik.Pytania.size(), 1u);
  ASSERT_EQ(wynik.Otwarte, std::vector<std::string>{serwer.Adres() + "?s=rozszerzenia"});
  std::string strona;
  PobierzStrone(strona, wynik.Otwarte[0]);
  EXPECT_NE(strona.find("Najnowsza wersja programu to 1.5."), std::string::npos);
}

TEST(PetlaProgramu, TaSamaWersjaNaStronieNieNiepokoi) {
  TSerwerWitryny serwer(ZNajnowsza({1, 4}));
  const TWynikSprawdzenia wynik = SprawdzWersje(serwer.Adres());
  EXPECT_TRUE(wynik.Pytania.empty());
  EXPECT_TRUE(wynik.Otwarte.empty());
  ASSERT_EQ(serwer.Dziennik(1).size(), 1u);
  EXPECT_NE(serwer.Dziennik(1)[0].find(
                "\"GET /aktual.php?rand=9998&program=Rozpoznik%20wersja%201.4\" 200 1"),
            std::string::npos);
}

TEST(PetlaProgramu, NieznanyPlikZgloszonyTrafiaDoTriazuZProponowanymWierszem) {
  const std::string token = "token-opiekuna-witryny-123";
  TUstawienia u;
  u.Token = token;
  TSerwerWitryny serwer(u);
  const TFolderTestowy folder;
  const std::string sciezka =
      folder.Zapisz("dziwny.qqq", std::string("\x01\x02\x03\x04\x05\x06\x07\x08\x09\x0A\xFF", 11));
  TRozpoznanie rozpoznanie;
  Rozpoznaj(sciezka, rozpoznanie);
  ASSERT_EQ(rozpoznanie.Stan, TStanRozpoznania::Nierozpoznany);
  const TOdczytPliku& odczyt = rozpoznanie.Odczyt;

  // What the window sends on OK, with a desktop type name holding "&" and Polish letters.
  const TDaneZgloszenia dane{odczyt.TekstSzesnastkowy.substr(0, 20),
                             std::string(odczyt.Klucz.Rozszerzenie.Tekst()),
                             "Plik QQQ & \xB3\xB9\xEA", std::to_string(odczyt.Rozmiar)};
  std::string podziekowanie;
  PobierzStrone(podziekowanie, TWitryna(serwer.Adres()).AdresZgloszenia(dane));
  EXPECT_NE(podziekowanie.find("Dziękujemy za zgłoszenie"), std::string::npos);

  const auto wiersze = serwer.Baza().Wiersze();
  ASSERT_EQ(wiersze.size(), 1u);
  EXPECT_EQ(wiersze[0].Zgloszenie,
            (TZgloszenie{"0102030405060708090A", "QQQ", "Plik QQQ & łąę", 11}));

  const auto triaz = serwer.Klient().Get("/zgloszenia", {{"Authorization", "Bearer " + token}});
  ASSERT_TRUE(triaz);
  EXPECT_NE(triaz->body.find("nie rozpoznaje"), std::string::npos);
  EXPECT_NE(
      triaz->body.find("<code>{&quot;QQQ&quot;, &quot;0102030405060708090A&quot;, "
                       "&quot;Plik QQQ &amp; łąę&quot;, &quot;-&quot;, &quot;&quot;},</code>"),
      std::string::npos);
}

// Desktops know type names longer than the site takes; the program's report must still be one
// the site accepts, with the name's start.
TEST(PetlaProgramu, DlugaNazwaTypuZPulpituNieZatrzymujeZgloszenia) {
  const TFolderTestowy folder;
  const std::string sciezka = folder.Zapisz("dziwny.qqq", std::string("\x01\x02\x03", 3));
  TRozpoznanie rozpoznanie;
  Rozpoznaj(sciezka, rozpoznanie);
  ASSERT_EQ(rozpoznanie.Stan, TStanRozpoznania::Nierozpoznany);
  TPulpitTestowy pulpit;
  pulpit.TypSystemowy = std::string(NajdluzszyTyp - 1, 'x') + "\xB3\xB9\xEA";
  pulpit.OdpowiedzOkAnuluj = true;
  const TWitryna witryna("http://rozpoznik.test/");
  ZglosNieznanyPlik(pulpit, witryna, sciezka, rozpoznanie.Odczyt.Klucz,
                    rozpoznanie.Odczyt.TekstSzesnastkowy, rozpoznanie.Odczyt.Rozmiar);
  ASSERT_EQ(pulpit.Adresy.size(), 1u);
  const std::string& adres = pulpit.Adresy[0];
  const auto wynik = CzytajZgloszenie(std::string_view(adres).substr(adres.find('?') + 1));
  const auto* zgloszenie = std::get_if<TZgloszenie>(&wynik);
  ASSERT_NE(zgloszenie, nullptr) << std::get<TBladZgloszenia>(wynik).Powod;
  EXPECT_EQ(zgloszenie->Typ, std::string(NajdluzszyTyp - 1, 'x') + "ł");
}

}  // namespace
