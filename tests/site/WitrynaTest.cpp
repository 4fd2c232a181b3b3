#include <gtest/gtest.h>

#include <algorithm>

#include "tests/site/SerwerWitryny.h"

namespace {

const std::string Bajty = "0102030405060708090A";
constexpr const char* Token = "token-opiekuna-witryny-123";

TUstawienia Ustawienia() {
  TUstawienia u;
  u.Najnowsza = {1, 5};
  u.Token = Token;
  u.Nowosci = {"Nowe <rodzaje> plików"};
  u.Pobrania = {{TRodzajPobrania::Instalator, "https://example.org/r.exe?a=1&b=2", 1234,
                 std::string(64, 'a')}};
  return u;
}

class WitrynaTest : public ::testing::Test {
 protected:
  TSerwerWitryny serwer_{Ustawienia()};
  httplib::Client klient_ = serwer_.Klient();

  httplib::Result Triaz(const std::string& Sciezka, const std::string& Autoryzacja) {
    return klient_.Get(Sciezka, {{"Authorization", Autoryzacja}});
  }
};

TEST_F(WitrynaTest, OdpowiedzOWersjiBezPamieciPodrecznej) {
  const auto starsza = klient_.Get("/aktual.php?rand=42&program=Rozpoznik%20wersja%201.4");
  ASSERT_TRUE(starsza);
  EXPECT_EQ(starsza->body, "1");
  EXPECT_EQ(starsza->get_header_value("Cache-Control"), "no-store");
  // Whatever host name the program was built with, the site answers.
  const auto obca = klient_.Get("/aktual.php?rand=1&program=Rozpoznik%20wersja%201.5",
                                {{"Host", "rozpoznik.example"}});
  ASSERT_TRUE(obca);
  EXPECT_EQ(obca->body, "0");
  EXPECT_EQ(klient_.Get("/aktual.php")->body, "0");
}

TEST_F(WitrynaTest, StronyDlaLudziZPobraniamiIZrzutem) {
  const auto glowna = klient_.Get("/");
  ASSERT_TRUE(glowna);
  EXPECT_EQ(glowna->status, 200);
  EXPECT_NE(glowna->body.find("Katalog zna 576 opisów"), std::string::npos);
  EXPECT_NE(glowna->body.find("<img src=\"zrzut.png\""), std::string::npos);
  EXPECT_NE(glowna->body.find("href=\"https://example.org/r.exe?a=1&amp;b=2\""), std::string::npos);

  const auto aktualizacja = klient_.Get("/?s=rozszerzenia");
  ASSERT_TRUE(aktualizacja);
  EXPECT_NE(aktualizacja->body.find("Nowe &lt;rodzaje&gt; plików"), std::string::npos);
  EXPECT_NE(aktualizacja->body.find(std::string(64, 'a')), std::string::npos);
  EXPECT_NE(aktualizacja->body.find("<td>1234</td>"), std::string::npos);

  const auto zrzut = klient_.Get("/zrzut.png");
  ASSERT_TRUE(zrzut);
  EXPECT_EQ(zrzut->get_header_value("Content-Type"), "image/png");
  EXPECT_EQ(zrzut->body.substr(0, 8), "\x89PNG\r\n\x1A\n");

  for (const char* obcy : {"/?s=cokolwiek", "/index.php", "/../../etc/passwd", "/zasoby/zrzut.png",
                           "/site/Witryna.cpp"}) {
    const auto brak = klient_.Get(obcy);
    ASSERT_TRUE(brak);
    EXPECT_EQ(brak->status, 404) << obcy;
    EXPECT_NE(brak->body.find("Nie ma takiej strony"), std::string::npos) << obcy;
  }
}

TEST_F(WitrynaTest, ZgloszenieSuroweZAmpersandemIPolskimiLiterami) {
  // As the older program hands it to the browser: nothing escaped but the spaces, which no
  // request line may hold raw and every browser sends as %20.
  const auto odpowiedz =
      SurowyGet(serwer_.Port(),
                "GET /?s=rozpoznik_dodaj&ext=DOC&bajty=" + Bajty +
                    "&typ=Dokument%20Worda%20&%20Excela%20\xB3\xB9\xEA\x9C\xE6&rozm=512 HTTP/1.1");
  EXPECT_EQ(odpowiedz.Status, 200);
  EXPECT_NE(odpowiedz.Tresc.find("Dziękujemy"), std::string::npos);
  SurowyGet(serwer_.Port(),
            "GET /?s=rozpoznik_dodaj&ext=DOC&bajty=" + Bajty +
                "&typ=Dokument%20Worda%20&%20Excela%20\xB3\xB9\xEA\x9C\xE6&rozm=512 HTTP/1.1");

  const auto wiersze = serwer_.Baza().Wiersze();
  ASSERT_EQ(wiersze.size(), 1u);
  EXPECT_EQ(wiersze[0].Zgloszenie,
            (TZgloszenie{Bajty, "DOC", "Dokument Worda & Excela łąęść", 512}));
  EXPECT_EQ(wiersze[0].Liczba, 2);
  EXPECT_EQ(wiersze[0].Pierwsze.size(), 20u);
}

TEST_F(WitrynaTest, ZleZgloszenieDostajeStroneBleduINieJestZapisane) {
  const auto odpowiedz =
      klient_.Get("/?s=rozpoznik_dodaj&ext=TOOLONG&bajty=" + Bajty + "&typ=x&rozm=1");
  ASSERT_TRUE(odpowiedz);
  EXPECT_EQ(odpowiedz->status, 400);
  EXPECT_NE(odpowiedz->body.find("Rozszerzenie może mieć najwyżej 6 znaków"), std::string::npos);
  EXPECT_TRUE(serwer_.Baza().Wiersze().empty());
}

TEST_F(WitrynaTest, TrzydziesciZgloszenNaMinuteZJednegoAdresu) {
  for (int i = 0; i < 30; ++i) {
    const auto odpowiedz =
        klient_.Get("/?s=rozpoznik_dodaj&ext=A&bajty=" + Bajty + "&typ=&rozm=" + std::to_string(i));
    ASSERT_TRUE(odpowiedz);
    ASSERT_EQ(odpowiedz->status, 200) << i;
  }
  const auto nadmiar = klient_.Get("/?s=rozpoznik_dodaj&ext=A&bajty=" + Bajty + "&typ=&rozm=30");
  ASSERT_TRUE(nadmiar);
  EXPECT_EQ(nadmiar->status, 429);
  EXPECT_EQ(nadmiar->get_header_value("Retry-After"), "60");
  EXPECT_EQ(serwer_.Baza().Wiersze().size(), 30u);
  // The version answer is not limited.
  EXPECT_EQ(klient_.Get("/aktual.php?rand=1&program=Rozpoznik%20wersja%201.4")->body, "1");
}

TEST_F(WitrynaTest, TriazTylkoZTokenemIZUcieczkaWartosci) {
  klient_.Get("/?s=rozpoznik_dodaj&ext=%3Cb%3E&bajty=" + Bajty +
              "&typ=%3Cscript%3Ealert(1)%3C/script%3E&rozm=1");
  for (const char* zla : {"", "Bearer zly-token-zly-token-zly", "Basic eDp6bHk="}) {
    for (const char* sciezka : {"/zgloszenia", "/zgloszenia.csv"}) {
      const auto odmowa = Triaz(sciezka, zla);
      ASSERT_TRUE(odmowa);
      EXPECT_EQ(odmowa->status, 401) << sciezka << " " << zla;
      EXPECT_EQ(odmowa->body.find("script"), std::string::npos);
      EXPECT_EQ(odmowa->body.find(Bajty), std::string::npos);
    }
  }
  const auto strona = Triaz("/zgloszenia", std::string("Bearer ") + Token);
  ASSERT_TRUE(strona);
  EXPECT_EQ(strona->status, 200);
  EXPECT_EQ(strona->body.find("<script>"), std::string::npos);
  EXPECT_NE(strona->body.find("&lt;script&gt;alert(1)&lt;/script&gt;"), std::string::npos);
  EXPECT_NE(strona->body.find("&lt;b&gt;"), std::string::npos);

  const auto csv = Triaz("/zgloszenia.csv", std::string("Bearer ") + Token);
  ASSERT_TRUE(csv);
  EXPECT_EQ(csv->get_header_value("Content-Type"), "text/csv; charset=utf-8");
  EXPECT_NE(csv->body.find("\"" + Bajty + "\",\"<b>\",\"1\""), std::string::npos);
}

TEST_F(WitrynaTest, GraniceZapytaniaIJedenWierszDziennikaNaZapytanie) {
  const auto dlugi = klient_.Get("/aktual.php?rand=1&x=" + std::string(3000, 'a'));
  ASSERT_TRUE(dlugi);
  EXPECT_EQ(dlugi->status, 414);
  httplib::Headers naglowki;
  for (int i = 0; i < 100; ++i) naglowki.emplace("X-N" + std::to_string(i), "1");
  const auto wiele = klient_.Get("/", naglowki);
  ASSERT_TRUE(wiele);
  EXPECT_EQ(wiele->status, 431);
  const auto post = klient_.Post("/?s=rozpoznik_dodaj", "x", "text/plain");
  ASSERT_TRUE(post);
  EXPECT_EQ(post->status, 405);

  // Each line in full, in whatever order the server's threads finished.
  const auto dziennik = serwer_.Dziennik(3);
  ASSERT_EQ(dziennik.size(), 3u);
  for (const char* czesc : {" 127.0.0.1 \"GET /aktual.php?rand=1&x=aaa", "\"GET /\" 431 ",
                            " 127.0.0.1 \"POST /?s=rozpoznik_dodaj\" 405 "}) {
    EXPECT_EQ(
        std::ranges::count_if(
            dziennik, [&](const std::string& w) { return w.find(czesc) != std::string::npos; }),
        1)
        << czesc << "\n"
        << testing::PrintToString(dziennik);
  }
}

}  // namespace
