#include <gtest/gtest.h>

#include "site/Dostep.h"
#include "site/LimitZgloszen.h"
#include "tests/site/SerwerWitryny.h"

namespace {

constexpr std::string_view Token = "0123456789abcdef-token";

TEST(MaDostep, TylkoZDokladnieTymTokenem) {
  EXPECT_TRUE(MaDostep("Bearer 0123456789abcdef-token", Token));
  // "opiekun:0123456789abcdef-token" in Base64, as a browser sends it.
  EXPECT_TRUE(MaDostep("Basic b3BpZWt1bjowMTIzNDU2Nzg5YWJjZGVmLXRva2Vu", Token));
  for (const char* zly :
       {"", "Bearer", "Bearer ", "Bearer 0123456789abcdef-toke", "Bearer 0123456789abcdef-tokenX",
        "bearer 0123456789abcdef-token", "Token 0123456789abcdef-token", "Basic !!!",
        "Basic MDEyMzQ1Njc4OWFiY2RlZi10b2tlbg=="}) {
    EXPECT_FALSE(MaDostep(zly, Token)) << zly;
  }
  EXPECT_FALSE(MaDostep("Bearer ", ""));
  EXPECT_FALSE(MaDostep("Basic Og==", ""));  // ":" with an empty password
}

TEST(LimitZgloszen, NajwyzejTyleWKazdejMinucie) {
  TLimitZgloszen limit(30);
  const auto t0 = std::chrono::steady_clock::time_point{} + std::chrono::hours(1);
  for (int i = 0; i < 30; ++i)
    EXPECT_TRUE(limit.Przepusc("192.0.2.1", t0 + std::chrono::seconds(i)));
  EXPECT_FALSE(limit.Przepusc("192.0.2.1", t0 + std::chrono::seconds(59)));
  EXPECT_TRUE(limit.Przepusc("192.0.2.2", t0 + std::chrono::seconds(59)));
  // A minute after the first report one place is free again, and only one.
  EXPECT_TRUE(limit.Przepusc("192.0.2.1", t0 + std::chrono::seconds(60)));
  EXPECT_FALSE(limit.Przepusc("192.0.2.1", t0 + std::chrono::seconds(60)));
  // Forgotten after a silent minute.
  EXPECT_TRUE(limit.Przepusc("192.0.2.1", t0 + std::chrono::seconds(200)));

  TLimitZgloszen bezLimitu(0);
  for (int i = 0; i < 100; ++i) EXPECT_TRUE(bezLimitu.Przepusc("192.0.2.1", t0));
}

// The status of a report from this machine with that X-Forwarded-For header.
int Zglos(const TSerwerWitryny& Serwer, const std::string& PrzekazanyDla) {
  const auto odpowiedz =
      Serwer.Klient().Get("/?s=rozpoznik_dodaj&ext=X&bajty=0102030405060708090A&typ=T&rozm=1",
                          {{"X-Forwarded-For", PrzekazanyDla}});
  return odpowiedz ? odpowiedz->status : -1;
}

// Anybody can send the header: only the configured proxy's word counts, or one sender could pass
// the limit by naming a new address each time.
TEST(LimitZgloszen, XForwardedForTylkoOdPosrednika) {
  TUstawienia u;
  u.ZgloszenNaMinute = 1;
  u.Posrednik = "192.0.2.99";
  {
    const TSerwerWitryny serwer(u);
    EXPECT_EQ(Zglos(serwer, "192.0.2.1"), 200);
    EXPECT_EQ(Zglos(serwer, "192.0.2.2"), 429);
  }
  // Behind the proxy the sender is the last address the header names, the one the proxy added;
  // what comes before it is the sender's own to write.
  u.Posrednik = "127.0.0.1";
  const TSerwerWitryny serwer(u);
  EXPECT_EQ(Zglos(serwer, "198.51.100.7, 192.0.2.1"), 200);
  EXPECT_EQ(Zglos(serwer, "192.0.2.2"), 200);
  EXPECT_EQ(Zglos(serwer, "198.51.100.8, 192.0.2.1"), 429);
}

TEST(AdresNadawcy, Ipv6PoPrefiksie64) {
  EXPECT_EQ(AdresNadawcy("192.0.2.7"), "192.0.2.7");
  EXPECT_EQ(AdresNadawcy("2001:db8:1:2:aaaa:bbbb:cccc:dddd"), "2001:db8:1:2::/64");
  EXPECT_EQ(AdresNadawcy("2001:db8:1:2::1"), AdresNadawcy("2001:db8:1:2:ffff::9"));
  EXPECT_EQ(AdresNadawcy("::ffff:192.0.2.7"), "::ffff:192.0.2.7");
}

}  // namespace
