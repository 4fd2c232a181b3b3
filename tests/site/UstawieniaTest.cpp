// The maker's options, as the command line and the configuration file give them as text.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "site/Ustawienia.h"

namespace {

const std::string Sha(64, 'a');

TEST(CzytajNasluch, HostIPortTakzeIpv6WNawiasach) {
  EXPECT_EQ(CzytajNasluch("127.0.0.1:8080"), (std::pair<std::string, int>{"127.0.0.1", 8080}));
  EXPECT_EQ(CzytajNasluch("[::1]:80"), (std::pair<std::string, int>{"::1", 80}));
  EXPECT_EQ(CzytajNasluch("localhost:65535"), (std::pair<std::string, int>{"localhost", 65535}));
  for (const char* zly : {"", "8080", ":8080", "host:", "host:65536", "host:-1", "host:8o", "[]:80",
                          "host:+80", "host: 80"}) {
    EXPECT_EQ(CzytajNasluch(zly), std::nullopt) << zly;
  }
}

TEST(CzytajPobranie, CzteryPolaZeSkrotemDoMalychLiter) {
  const auto p = CzytajPobranie("portable https://example.org/r.zip 833 " + std::string(64, 'A'));
  ASSERT_TRUE(p);
  EXPECT_EQ(p->Rodzaj, TRodzajPobrania::Przenosna);
  EXPECT_EQ(p->Adres, "https://example.org/r.zip");
  EXPECT_EQ(p->Rozmiar, 833u);
  EXPECT_EQ(p->Sha256, Sha);
  EXPECT_EQ(CzytajPobranie("linux http://e.org/r.deb 1 " + Sha)->Rodzaj,
            TRodzajPobrania::PakietLinux);
  for (const std::string& zly : std::vector<std::string>{
           "windows http://e.org/r.exe 1", "windows http://e.org/r.exe 1 " + Sha + " nadmiar",
           "macos http://e.org/r 1 " + Sha, "windows ftp://e.org/r.exe 1 " + Sha,
           "windows javascript:alert(1) 1 " + Sha, "windows http://e.org/r.exe -1 " + Sha,
           "windows http://e.org/r.exe 1k " + Sha, "windows http://e.org/r.exe 1 " + Sha + "a",
           "windows http://e.org/r.exe 1 " + std::string(64, 'g')}) {
    EXPECT_EQ(CzytajPobranie(zly), std::nullopt) << zly;
  }
}

TEST(PrzyjmijOpcje, DobreOpcjeWUstawieniach) {
  TOpcjeTekstowe opcje{
      .Nasluch = "[::1]:9000",
      .Najnowsza = "2.3",
      .Pobrania = {"linux http://e.org/r.deb 3 " + Sha, "windows http://e.org/r.exe 1 " + Sha}};
  TUstawienia u;
  u.Token = std::string(NajkrotszyToken, 't');
  EXPECT_EQ(PrzyjmijOpcje(opcje, u), std::nullopt);
  EXPECT_EQ(u.Host, "::1");
  EXPECT_EQ(u.Port, 9000);
  EXPECT_EQ(u.Najnowsza, (TWersja{2, 3}));
  ASSERT_EQ(u.Pobrania.size(), 2u);
  // The update page lists them in a fixed order, whatever order the maker gave.
  EXPECT_EQ(u.Pobrania[0].Rodzaj, TRodzajPobrania::Instalator);
  EXPECT_EQ(u.Pobrania[1].Rodzaj, TRodzajPobrania::PakietLinux);
}

// Each malformed option is refused with a message that names it; nothing starts with it.
TEST(PrzyjmijOpcje, ZleOpcjeOdrzucone) {
  TOpcjeTekstowe dobre;
  dobre.Najnowsza = "1.4";
  const auto blad = [](TOpcjeTekstowe opcje, std::string token = "") {
    TUstawienia u;
    u.Token = std::move(token);
    return PrzyjmijOpcje(opcje, u).value_or("");
  };
  TOpcjeTekstowe opcje = dobre;
  opcje.Nasluch = "8080";
  EXPECT_EQ(blad(opcje), "--listen wants HOST:PORT, not \"8080\"");
  opcje = dobre;
  opcje.Najnowsza = "1.4.1";
  EXPECT_EQ(blad(opcje), "--latest wants X.Y, not \"1.4.1\"");
  EXPECT_EQ(blad(dobre, std::string(NajkrotszyToken - 1, 't')),
            "the token must have at least 16 characters");
  opcje = dobre;
  opcje.Pobrania = {"windows http://e.org/r.exe 1"};
  EXPECT_EQ(blad(opcje),
            "--download wants \"windows|portable|linux URL SIZE SHA256\", not \"windows "
            "http://e.org/r.exe 1\"");
  opcje.Pobrania = {"windows http://e.org/a.exe 1 " + Sha, "windows http://e.org/b.exe 2 " + Sha};
  EXPECT_EQ(blad(opcje),
            "--download names a kind twice: \"windows http://e.org/b.exe 2 " + Sha + "\"");
  EXPECT_EQ(blad(dobre), "");
}

}  // namespace
