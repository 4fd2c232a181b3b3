#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <functional>
#include <mutex>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "PlikiTestowe.h"
#include "tests/FolderTestowy.h"
#include "tests/ProcesPotomny.h"
#include "tests/SerwerHttp.h"
#include "update/SprawdzCzyNowaWersja.h"

namespace {

using namespace std::string_literals;

constexpr TCzasLokalny Czas(int Rok, int Miesiac, int Dzien, int Godzina = 0, int Minuta = 0,
                            int Sekunda = 0) {
  return {Rok, Miesiac, Dzien, Godzina, Minuta, Sekunda};
}

// The prompt as the window gets it: Windows-1250 bytes.
const std::string Pytanie = "Dost\xEApna jest nowsza wersja programu. Czy chcesz zaktualizowa\xE6?";

class SprawdzCzyNowaWersjaTest : public ::testing::Test {
 protected:
  // What the site answers; the server's thread reads it.
  std::mutex straz_;
  std::string odpowiedzStrony_ = "1";
  bool wyborUzytkownika_ = false;
  std::function<void()> przyPytaniu_ = [] {};
  std::function<int()> losuj_ = [] { return 42; };

  TSerwerHttp serwer_{[this](const std::string&) {
    const std::lock_guard blokada(straz_);
    return TOdpowiedzHttp{.Tresc = odpowiedzStrony_};
  }};
  TFolderTestowy katalog_;
  const std::string znacznik_ = katalog_.Sciezka("readme.txt");
  TCzasLokalny teraz_ = Czas(2024, 4, 2, 15, 30, 0);
  std::vector<std::string> pytania_;
  std::vector<std::string> otwarte_;

  void SetUp() override { ZapiszPlik(znacznik_, "Rozpoznik\n"); }

  void OdpowiedzStrony(std::string Tresc) {
    const std::lock_guard blokada(straz_);
    odpowiedzStrony_ = std::move(Tresc);
  }

  void Sprawdz(const std::string& TytulOkna = "Rozpoznik wersja 1.4") {
    const TSrodowiskoAktualizacji srodowisko{
        .SciezkaZnacznika = znacznik_, .Teraz = [this] { return teraz_; }, .Losuj = losuj_};
    const TPulpitAktualizacji pulpit{
        .ZapytajTakNie =
            [this](const std::string& pytanie) {
              pytania_.push_back(pytanie);
              przyPytaniu_();
              return wyborUzytkownika_;
            },
        .OtworzAdres = [this](const std::string& adres) { otwarte_.push_back(adres); }};
    SprawdzCzyNowaWersja(TytulOkna, TWitryna(serwer_.Adres()), srodowisko, pulpit);
  }

  std::size_t LiczbaZapytan() const { return serwer_.Zapytania().size(); }
};

struct TPrzypadekZnacznika {
  const char* Opis;
  TCzasLokalny Teraz;
  TCzasLokalny Znacznik;
  bool Pyta;
};

// Clocks go forward on 31 March and back on 27 October 2024: a week across either change is
// still a week.
const TPrzypadekZnacznika PrzypadkiZnacznika[] = {
    {"7 days before at 00:00:00", Czas(2024, 4, 2, 15, 30), Czas(2024, 3, 26), true},
    {"7 days before at 00:00:01, an odd second", Czas(2024, 4, 2, 15, 30),
     Czas(2024, 3, 26, 0, 0, 1), true},
    {"7 days before at 00:00:02", Czas(2024, 4, 2, 15, 30), Czas(2024, 3, 26, 0, 0, 2), false},
    {"8 days before at 23:59:58", Czas(2024, 4, 2, 15, 30), Czas(2024, 3, 25, 23, 59, 58), true},
    {"7 days before at 00:00:00, clocks back", Czas(2024, 10, 30, 8), Czas(2024, 10, 23), true},
    {"7 days before at 00:00:02, clocks back", Czas(2024, 10, 30, 8), Czas(2024, 10, 23, 0, 0, 2),
     false},
    {"7 days before across a year's end", Czas(2025, 1, 3, 0, 0, 1), Czas(2024, 12, 27), true},
    {"7 days before across 29 February", Czas(2024, 3, 5, 12), Czas(2024, 2, 27), true},
    {"today at midnight", Czas(2024, 4, 2, 15, 30), Czas(2024, 4, 2), false},
    {"later today than now", Czas(2024, 4, 2, 15, 30), Czas(2024, 4, 2, 23), false},
    {"in the future", Czas(2024, 4, 2, 15, 30), Czas(2025, 4, 2), false},
    {"long ago", Czas(2024, 4, 2, 15, 30), Czas(2001, 9, 1, 12), true},
    {"the first moment of 1980", Czas(2024, 4, 2, 15, 30), Czas(1980, 1, 1), true},
    {"before 1980", Czas(2024, 4, 2, 15, 30), Czas(1979, 12, 31, 23, 59, 59), false},
    {"the last moment of 2107", Czas(2110, 1, 1), Czas(2107, 12, 31, 23, 59, 59), true},
    {"after 2107", Czas(2110, 1, 1), Czas(2108, 1, 1), false},
};

TEST_F(SprawdzCzyNowaWersjaTest, PytaWitryneTylkoGdyZnacznikMaTydzien) {
  OdpowiedzStrony("0");
  for (const auto& przypadek : PrzypadkiZnacznika) {
    SCOPED_TRACE(przypadek.Opis);
    teraz_ = przypadek.Teraz;
    UstawCzasZapisu(znacznik_, przypadek.Znacznik);
    const std::size_t przed = LiczbaZapytan();
    Sprawdz();
    EXPECT_EQ(LiczbaZapytan() - przed, przypadek.Pyta ? 1u : 0u);
    EXPECT_EQ(CzasZapisu(znacznik_), przypadek.Znacznik);
  }
  EXPECT_TRUE(pytania_.empty());
}

TEST_F(SprawdzCzyNowaWersjaTest, BrakujacyZnacznikLubFolderNieWymagaPytaniaINiePowstaje) {
  std::filesystem::remove(znacznik_);
  Sprawdz();
  EXPECT_FALSE(std::filesystem::exists(znacznik_));

  std::filesystem::create_directory(znacznik_);
  UstawCzasZapisu(znacznik_, Czas(2020, 1, 1));
  Sprawdz();
  EXPECT_TRUE(std::filesystem::is_directory(znacznik_));
  EXPECT_EQ(CzasZapisu(znacznik_), Czas(2020, 1, 1));

  EXPECT_EQ(LiczbaZapytan(), 0u);
  EXPECT_TRUE(pytania_.empty());
}

TEST_F(SprawdzCzyNowaWersjaTest, WysylaZapytanieOWersjeZKazdaSpacjaTytuluZakodowana) {
  UstawCzasZapisu(znacznik_, Czas(2020, 1, 1));
  OdpowiedzStrony("0");
  Sprawdz();
  Sprawdz(" Rozpoznik  &x=1 \xB9");
  losuj_ = SrodowiskoProgramu().Losuj;
  Sprawdz();
  const auto zapytania = serwer_.Zapytania();
  ASSERT_EQ(zapytania.size(), 3u);
  EXPECT_EQ(zapytania[0].Wiersz,
            "GET /aktual.php?rand=42&program=Rozpoznik%20wersja%201.4 HTTP/1.1");
  EXPECT_EQ(zapytania[1].Wiersz,
            "GET /aktual.php?rand=42&program=%20Rozpoznik%20%20&x=1%20\xB9 HTTP/1.1");
  // The generator's number, in decimal without sign or leading zeros.
  const std::string przed = "GET /aktual.php?rand=";
  const std::string po = "&program=Rozpoznik%20wersja%201.4 HTTP/1.1";
  const std::string& wiersz = zapytania[2].Wiersz;
  ASSERT_TRUE(wiersz.starts_with(przed) && wiersz.ends_with(po)) << wiersz;
  const std::string liczba = wiersz.substr(przed.size(), wiersz.size() - przed.size() - po.size());
  ASSERT_TRUE(!liczba.empty() && liczba.size() <= 4 &&
              liczba.find_first_not_of("0123456789") == std::string::npos &&
              (liczba == "0" || liczba[0] != '0'))
      << liczba;
  EXPECT_LE(std::stoi(liczba), 9998);
  EXPECT_EQ(zapytania[0].Agent, std::filesystem::read_symlink("/proc/self/exe").filename());
}

TEST_F(SprawdzCzyNowaWersjaTest, CokolwiekProczJedynkiZostawiaZnacznikIPytaZnowuNastepnymRazem) {
  UstawCzasZapisu(znacznik_, Czas(2020, 1, 1));
  const std::string odpowiedzi[] = {"1\n"s, " 1"s, "01"s, "0"s, ""s, "1\0"s, "11"s, "I"s};
  for (const std::string& odpowiedz : odpowiedzi) {
    SCOPED_TRACE("answer of " + std::to_string(odpowiedz.size()) + " bytes: " + odpowiedz);
    OdpowiedzStrony(odpowiedz);
    const std::size_t przed = LiczbaZapytan();
    Sprawdz();
    EXPECT_EQ(LiczbaZapytan(), przed + 1);
  }
  EXPECT_TRUE(pytania_.empty());
  EXPECT_TRUE(otwarte_.empty());
  EXPECT_EQ(CzasZapisu(znacznik_), Czas(2020, 1, 1));
}

TEST_F(SprawdzCzyNowaWersjaTest, BrakSieciZostawiaWszystkoJakBylo) {
  UstawCzasZapisu(znacznik_, Czas(2020, 1, 1));
  const TSrodowiskoAktualizacji srodowisko{
      .SciezkaZnacznika = znacznik_, .Teraz = [this] { return teraz_; }, .Losuj = [] { return 1; }};
  bool zapytal = false;
  const TPulpitAktualizacji pulpit{
      .ZapytajTakNie = [&](const std::string&) { return zapytal = true; },
      .OtworzAdres = [](const std::string&) {}};
  SprawdzCzyNowaWersja("Rozpoznik",
                       TWitryna("http://127.0.0.1:" + std::to_string(PortBezSerwera()) + "/"),
                       srodowisko, pulpit);
  EXPECT_FALSE(zapytal);
  EXPECT_EQ(CzasZapisu(znacznik_), Czas(2020, 1, 1));
}

TEST_F(SprawdzCzyNowaWersjaTest, OdpowiedzTakOtwieraStroneAktualizacjiIDatujeZnacznikDzisiaj) {
  UstawCzasZapisu(znacznik_, Czas(2024, 3, 26));
  UstawCzasDostepu(znacznik_, 1'000'000'000);
  wyborUzytkownika_ = true;
  Sprawdz();
  EXPECT_EQ(pytania_, std::vector{Pytanie});
  EXPECT_EQ(otwarte_, std::vector{serwer_.Adres() + "?s=rozszerzenia"});
  EXPECT_EQ(CzasZapisu(znacznik_), Czas(2024, 4, 2));
  // Only the last-write time changes.
  EXPECT_EQ(CzasDostepu(znacznik_), 1'000'000'000);
  EXPECT_EQ(CzytajPlik(znacznik_), "Rozpoznik\n");
}

TEST_F(SprawdzCzyNowaWersjaTest, OdpowiedzNieDatujeZnacznikDzisiajIWitrynaOdpoczywaSzescDni) {
  UstawCzasZapisu(znacznik_, Czas(2024, 3, 20, 9, 15));
  wyborUzytkownika_ = false;
  Sprawdz();
  EXPECT_EQ(pytania_.size(), 1u);
  EXPECT_TRUE(otwarte_.empty());
  EXPECT_EQ(CzasZapisu(znacznik_), Czas(2024, 4, 2));

  teraz_ = Czas(2024, 4, 8, 23, 59, 59);
  Sprawdz();
  EXPECT_EQ(LiczbaZapytan(), 1u);

  teraz_ = Czas(2024, 4, 9, 0, 0, 0);
  Sprawdz();
  EXPECT_EQ(LiczbaZapytan(), 2u);
  EXPECT_EQ(pytania_.size(), 2u);
}

TEST_F(SprawdzCzyNowaWersjaTest, ZnacznikUsunietyPodczasPytaniaNiePowstajePonownie) {
  UstawCzasZapisu(znacznik_, Czas(2020, 1, 1));
  przyPytaniu_ = [this] { std::filesystem::remove(znacznik_); };
  Sprawdz();
  EXPECT_EQ(pytania_.size(), 1u);
  EXPECT_FALSE(std::filesystem::exists(znacznik_));
}

// Only a regular file is a marker. A link is followed by nobody: the file it points to, however
// old, neither brings the question nor gets re-dated.
TEST_F(SprawdzCzyNowaWersjaTest, ZnacznikBedacyDowiazaniemNieJestZnacznikiemAJegoCelZachowujeDate) {
  const std::string cel = katalog_.Zapisz("inny.txt", "cudzy plik\n");
  UstawCzasZapisu(cel, Czas(2020, 1, 1));
  std::filesystem::remove(znacznik_);
  std::filesystem::create_symlink(cel, znacznik_);
  Sprawdz();
  EXPECT_EQ(LiczbaZapytan(), 0u);
  EXPECT_TRUE(pytania_.empty());
  EXPECT_EQ(CzasZapisu(cel), Czas(2020, 1, 1));
}

// A pipe or a device in the marker's place is no marker: the site is not asked, and nothing waits
// for a writer or opens the device.
TEST_F(SprawdzCzyNowaWersjaTest, PotokLubUrzadzenieNieJestZnacznikiemINicNieWstrzymuje) {
  std::filesystem::remove(znacznik_);
  ASSERT_EQ(::mkfifo(znacznik_.c_str(), 0666), 0);
  UstawCzasZapisu(znacznik_, Czas(2020, 1, 1));
  const auto pytan = [this] {
    Sprawdz();
    return std::to_string(pytania_.size());
  };
  EXPECT_EQ(WProcesieZLimitem(pytan, std::chrono::seconds(10)), "0");

  // The null device, made here so that its time may be set; creating devices needs root.
  std::filesystem::remove(znacznik_);
  if (::mknod(znacznik_.c_str(), S_IFCHR | 0666, ::makedev(1, 3)) != 0) {
    GTEST_SKIP() << "no right to create a device";
  }
  UstawCzasZapisu(znacznik_, Czas(2020, 1, 1));
  EXPECT_EQ(WProcesieZLimitem(pytan, std::chrono::seconds(10)), "0");
  EXPECT_EQ(LiczbaZapytan(), 0u);
}

// The time goes to the file that was checked: a link put in its place while the question is
// open leads nowhere.
TEST_F(SprawdzCzyNowaWersjaTest,
       ZnacznikPodmienionyWmiedzyczasieNaDowiazanieNieRuszaCeluDowiazania) {
  const std::string cel = katalog_.Zapisz("inny.txt", "cudzy plik\n");
  UstawCzasZapisu(cel, Czas(2020, 1, 1));
  UstawCzasZapisu(znacznik_, Czas(2020, 1, 1));
  przyPytaniu_ = [&] {
    std::filesystem::remove(znacznik_);
    std::filesystem::create_symlink(cel, znacznik_);
  };
  Sprawdz();
  EXPECT_EQ(pytania_.size(), 1u);
  EXPECT_EQ(CzasZapisu(cel), Czas(2020, 1, 1));
}

// Runs `Sprawdzenie` as the owner of the marker, but without the powers of root, so that write
// permission alone decides, as it does for a user; nothing when that change of user is refused.
std::optional<bool> JakoWlascicielZnacznika(const std::string& Znacznik,
                                            const std::function<bool()>& Sprawdzenie) {
  OddajNobody(Znacznik);
  const auto wynik = BezPrawaOdczytu([&] { return std::string(Sprawdzenie() ? "1" : "0"); });
  if (!wynik) return std::nullopt;
  return *wynik == "1";
}

TEST_F(SprawdzCzyNowaWersjaTest, ZnacznikTylkoDoOdczytuZachowujeDateAPytanieWraca) {
  UstawCzasZapisu(znacznik_, Czas(2020, 1, 1));
  std::filesystem::permissions(znacznik_, std::filesystem::perms::owner_read |
                                              std::filesystem::perms::group_read |
                                              std::filesystem::perms::others_read);
  const auto zapytalJeden = [this] {
    const std::size_t przed = pytania_.size();
    Sprawdz();
    return pytania_.size() == przed + 1;
  };
  const std::optional<bool> pierwszy = JakoWlascicielZnacznika(znacznik_, zapytalJeden);
  if (!pierwszy) GTEST_SKIP() << "running as root, and the change to the user nobody was refused";
  EXPECT_TRUE(*pierwszy);
  EXPECT_EQ(CzasZapisu(znacznik_), Czas(2020, 1, 1));

  EXPECT_EQ(JakoWlascicielZnacznika(znacznik_, zapytalJeden), true);
  EXPECT_EQ(LiczbaZapytan(), 2u);
  EXPECT_EQ(CzasZapisu(znacznik_), Czas(2020, 1, 1));
}

TEST_F(SprawdzCzyNowaWersjaTest, NigdyNieRzucaWyjatkuCokolwiekZrobiPulpit) {
  UstawCzasZapisu(znacznik_, Czas(2020, 1, 1));
  const TSrodowiskoAktualizacji srodowisko{
      .SciezkaZnacznika = znacznik_, .Teraz = [this] { return teraz_; }, .Losuj = [] { return 7; }};
  const TPulpitAktualizacji rzucajacy{
      .ZapytajTakNie = [](const std::string&) -> bool { throw std::runtime_error("no display"); },
      .OtworzAdres = [](const std::string&) {}};
  EXPECT_NO_THROW(
      SprawdzCzyNowaWersja("Rozpoznik", TWitryna(serwer_.Adres()), srodowisko, rzucajacy));
  EXPECT_NO_THROW(SprawdzCzyNowaWersja("Rozpoznik", TWitryna(serwer_.Adres()), {}, {}));
  EXPECT_EQ(LiczbaZapytan(), 1u);
}

TEST(SrodowiskoProgramu, UzywaZnacznikaObokProgramuILosujeOd0Do9998) {
  const TSrodowiskoAktualizacji srodowisko = SrodowiskoProgramu();
  EXPECT_EQ(
      srodowisko.SciezkaZnacznika,
      (std::filesystem::read_symlink("/proc/self/exe").parent_path() / "readme.txt").native());

  int najmniejsza = 9998;
  int najwieksza = 0;
  for (int i = 0; i < 20'000; ++i) {
    const int liczba = srodowisko.Losuj();
    ASSERT_GE(liczba, 0);
    ASSERT_LE(liczba, 9998);
    najmniejsza = std::min(najmniejsza, liczba);
    najwieksza = std::max(najwieksza, liczba);
  }
  // 20000 uniform draws miss the outer hundred values on either side with a chance of e^-200.
  EXPECT_LT(najmniejsza, 100);
  EXPECT_GT(najwieksza, 9898);
}

TEST(SrodowiskoProgramu, PodajeTerazCzasLokalny) {
  EXPECT_LE(std::abs(SekundyLokalne(SrodowiskoProgramu().Teraz()) - std::time(nullptr)), 5);
}

}  // namespace
