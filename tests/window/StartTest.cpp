// The window's start: the update check runs when the main block starts the window, not while it
// is built, and the result lists are there whatever the check did. The web site is a loopback
// server of the test's own.

#include <chrono>
#include <filesystem>
#include <memory>
#include <optional>
#include <stdexcept>

#include "tests/SerwerHttp.h"
#include "tests/window/OknoTestowe.h"
#include "text/Cp1250.h"
#include "update/PlikZnacznika.h"
#include "update/Zegar.h"

namespace {

class Start : public testing::Test {
 protected:
  Start() : znacznik_(folder_.Zapisz("readme.txt", "Rozpoznik\n")) {}

  void Postarz(int Dni) {
    std::filesystem::last_write_time(
        SciezkaZUtf8(znacznik_),
        std::filesystem::file_time_type::clock::now() - std::chrono::days(Dni));
  }

  std::unique_ptr<TOknoRozpoznika> Zbudowane() {
    return std::make_unique<TOknoRozpoznika>(
        pulpit_, TWitryna(serwer_.Adres()),
        TSrodowiskoAktualizacji{
            .SciezkaZnacznika = znacznik_, .Teraz = TerazLokalnie, .Losuj = [] { return 42; }});
  }

  std::unique_ptr<TOknoRozpoznika> Uruchomione() {
    std::unique_ptr<TOknoRozpoznika> okno = Zbudowane();
    okno->Uruchom();
    return okno;
  }

  TFolderTestowy folder_;
  const std::string znacznik_;
  TPulpitTestowy pulpit_;
  TSerwerHttp serwer_{[](const std::string&) { return TOdpowiedzHttp{.Tresc = "1"}; }};
};

}  // namespace

TEST_F(Start, PytanieOWersjeZTytulemOkna) {
  Postarz(8);
  const auto okno = Uruchomione();
  ASSERT_EQ(serwer_.Zapytania().size(), 1u);
  EXPECT_EQ(serwer_.Zapytania()[0].Wiersz,
            "GET /aktual.php?rand=42&program=Rozpoznik%20wersja%201.4 HTTP/1.1");
  EXPECT_EQ(pulpit_.Pytania,
            std::vector<std::string>{
                cp1250::ZUtf8("Dostępna jest nowsza wersja programu. Czy chcesz zaktualizować?")});
  EXPECT_TRUE(pulpit_.Adresy.empty());
  const std::optional<TCzasLokalny> czas = TPlikZnacznika(znacznik_).CzasZapisu();
  ASSERT_TRUE(czas);
  EXPECT_EQ(czas->Godzina * 3600 + czas->Minuta * 60 + czas->Sekunda, 0)
      << "dated today at midnight";
}

TEST_F(Start, TakOtwieraStroneAktualizacji) {
  Postarz(8);
  pulpit_.OdpowiedzTakNie = true;
  const auto okno = Uruchomione();
  EXPECT_EQ(pulpit_.Adresy, std::vector<std::string>{serwer_.Adres() + "?s=rozszerzenia"});
}

TEST_F(Start, ListyPowstajaTakzeGdyPytanieZawiedzie) {
  Postarz(8);
  pulpit_.PrzyPytaniu = [] { throw std::runtime_error("pytanie zawiodło"); };
  const auto okno = Uruchomione();
  EXPECT_EQ(pulpit_.Pytania.size(), 1u);
  EXPECT_TRUE(okno->ListaTypow.empty());
  // The identify command works after a failed check.
  const std::string plik = folder_.Zapisz("a.png", "\x89PNG\r\n\x1A\n");
  pulpit_.WyboryPlikow.push_back(plik);
  okno->Klikniecie(TKontrolka::SpeedButton1);
  EXPECT_FALSE(okno->ListaTypow.empty());
  EXPECT_EQ(okno->ListaTypow.size(), okno->ListaKategorii.size());
}

// Building the window asks nothing: the view that derives from it does not exist yet, and a
// question would stand over no window. The check waits for the start.
TEST_F(Start, PytanieDopieroPoUruchomieniu) {
  Postarz(8);
  const auto okno = Zbudowane();
  EXPECT_TRUE(serwer_.Zapytania().empty());
  EXPECT_TRUE(pulpit_.Pytania.empty());
  okno->Uruchom();
  EXPECT_EQ(serwer_.Zapytania().size(), 1u);
  EXPECT_EQ(pulpit_.Pytania.size(), 1u);
}

TEST_F(Start, SwiezyZnacznikBezSieci) {
  Postarz(1);
  const auto okno = Uruchomione();
  EXPECT_TRUE(serwer_.Zapytania().empty());
  EXPECT_TRUE(pulpit_.Pytania.empty());
}

// Before any file has been chosen: empty boxes, no scroll bar, no notice, the line Pasek, and
// every control as the layout table starts it.
TEST_F(Start, StanPoczatkowyZUkladu) {
  const auto okno = Uruchomione();
  const TStanOkna& stan = okno->Stan();
  for (const TOpisKontrolki& opis : UkladOkna) {
    EXPECT_EQ(stan[opis.Kontrolka].Widoczna, opis.NaStarcie) << opis.Nazwa;
    EXPECT_EQ(stan[opis.Kontrolka].Lewa, opis.Polozenie.Lewa) << opis.Nazwa;
  }
  SprawdzBezWyniku(stan);
  EXPECT_EQ(stan[TKontrolka::Edit1].Tekst, "");
  EXPECT_EQ(stan[TKontrolka::SpeedButton1].Tekst, cp1250::ZUtf8("Przeglądaj"));
  EXPECT_EQ(stan.MaksimumPaska, 100);
  EXPECT_EQ(stan.PozycjaPaska, 0);
  EXPECT_FALSE(stan[TKontrolka::InfoMemo].Widoczna);
}
