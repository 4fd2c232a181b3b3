#include "tests/site/SerwerWitryny.h"

#include <gtest/gtest.h>

TSerwerWitryny::TSerwerWitryny(TUstawienia Ustawienia) {
  Ustawienia.Host = "127.0.0.1";
  Ustawienia.Port = 0;
  Ustawienia.Baza = folder_.Sciezka("zgloszenia.db");
  serwer_ = std::make_unique<TSerwer>(std::move(Ustawienia), [this](const std::string& Wiersz) {
    const std::lock_guard blokada(straz_);
    dziennik_.push_back(Wiersz);
    nowyWiersz_.notify_all();
  });
  port_ = serwer_->Zwiaz();
  EXPECT_GT(port_, 0);
  watek_ = std::thread([this] { serwer_->Obsluguj(); });
}

TSerwerWitryny::~TSerwerWitryny() {
  serwer_->Zatrzymaj();
  watek_.join();
  serwer_.reset();
}

std::string TSerwerWitryny::Adres() const {
  return "http://127.0.0.1:" + std::to_string(port_) + "/";
}

httplib::Client TSerwerWitryny::Klient() const {
  httplib::Client klient("127.0.0.1", port_);
  klient.set_read_timeout(10);
  return klient;
}

std::vector<std::string> TSerwerWitryny::Dziennik(std::size_t Wierszy) const {
  std::unique_lock blokada(straz_);
  nowyWiersz_.wait_for(blokada, std::chrono::seconds(5),
                       [&] { return dziennik_.size() >= Wierszy; });
  return dziennik_;
}

void PrintTo(const TZgloszenie& Zgloszenie, std::ostream* Strumien) {
  *Strumien << "{" << Zgloszenie.Bajty << ", \"" << Zgloszenie.Rozszerzenie << "\", \""
            << Zgloszenie.Typ << "\", " << Zgloszenie.Rozmiar << "}";
}
