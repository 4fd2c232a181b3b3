// rozpoznik-site killed outright while reports keep coming, then started again on the same file.
// A kill loses only what the process holds, so this can't show that a commit reached the disk
// before its answer (only a power cut could); it shows that nothing answered is lost with the
// process, and that the server runs with every commit synced, as it says at start.

#include <gtest/gtest.h>
#include <httplib.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <mutex>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "site/Baza.h"
#include "tests/FolderTestowy.h"

namespace {

using namespace std::chrono_literals;
using TZegar = std::chrono::steady_clock;

constexpr int Nadawcow = 4;
constexpr int ZgloszenNaNadawce = 3000;
// Answered reports before the kill: enough that commits are under way on every thread.
constexpr std::size_t PotwierdzonychPrzedZabiciem = 200;
constexpr auto Limit = 20s;

std::string CzytajPlik(const std::filesystem::path& sciezka) {
  std::ifstream plik(sciezka, std::ios::binary);
  return {std::istreambuf_iterator<char>(plik), std::istreambuf_iterator<char>()};
}

// The server as its own process, on loopback, on a port the system chooses, logging to a file.
class TProcesWitryny {
 public:
  TProcesWitryny(const std::filesystem::path& Baza, const std::filesystem::path& Dziennik)
      : dziennik_(Dziennik) {
    posix_spawn_file_actions_t akcje;
    posix_spawn_file_actions_init(&akcje);
    posix_spawn_file_actions_addopen(&akcje, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&akcje, 2, Dziennik.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    const std::string baza = Baza.string();
    std::vector<std::string> argumenty = {
        ROZPOZNIK_SITE, "--listen", "127.0.0.1:0", "--database", baza, "--reports-per-minute", "0"};
    std::vector<char*> argv;
    for (std::string& a : argumenty) argv.push_back(a.data());
    argv.push_back(nullptr);
    const int blad = posix_spawn(&pid_, ROZPOZNIK_SITE, &akcje, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&akcje);
    if (blad != 0) throw std::runtime_error("cannot start " ROZPOZNIK_SITE);
  }

  ~TProcesWitryny() { Zabij(); }
  TProcesWitryny(const TProcesWitryny&) = delete;
  TProcesWitryny& operator=(const TProcesWitryny&) = delete;

  // The log's first line once the server listens; nothing when it doesn't within the limit.
  std::optional<std::string> Start() const {
    for (const auto koniec = TZegar::now() + 10s; TZegar::now() < koniec;) {
      const std::string dziennik = CzytajPlik(dziennik_);
      if (const std::size_t n = dziennik.find('\n'); n != std::string::npos) {
        return dziennik.substr(0, n);
      }
      std::this_thread::sleep_for(20ms);
    }
    return std::nullopt;
  }

  void Zabij() {
    if (pid_ <= 0) return;
    ::kill(pid_, SIGKILL);
    while (::waitpid(pid_, nullptr, 0) < 0 && errno == EINTR) {
    }
    pid_ = -1;
  }

 private:
  std::filesystem::path dziennik_;
  pid_t pid_ = -1;
};

int Port(const std::string& pierwszyWiersz) {
  int port = -1;
  std::sscanf(pierwszyWiersz.c_str(), "listening on 127.0.0.1:%d", &port);
  return port;
}

// Each report new, so that each one adds a row of its own, told apart by its bytes.
std::string Bajty(int nadawca, int numer) {
  char bajty[21];
  std::snprintf(bajty, sizeof bajty, "%010X%010X", nadawca, numer);
  return bajty;
}

TEST(ZabicieSerwera,
     KazdeOdpowiedzianeZgloszenieZapisanePoZabiciuASerwerUtrwalaKazdeZatwierdzenie) {
  const TFolderTestowy folder;
  const std::filesystem::path baza = folder.Sciezka() / "zgloszenia.db";
  TProcesWitryny pierwszy(baza, folder.Sciezka() / "pierwszy.log");
  const std::optional<std::string> start = pierwszy.Start();
  ASSERT_TRUE(start) << CzytajPlik(folder.Sciezka() / "pierwszy.log");
  EXPECT_NE(start->find("journal wal, synchronous 2"), std::string::npos) << *start;
  const int port = Port(*start);
  ASSERT_GT(port, 0) << *start;

  std::mutex straz;
  std::set<std::string> potwierdzone;
  std::atomic<int> przerwanych = 0;
  const auto koniec = TZegar::now() + Limit;
  std::vector<std::thread> nadawcy;
  for (int n = 0; n < Nadawcow; ++n) {
    nadawcy.emplace_back([&, n] {
      httplib::Client klient("127.0.0.1", port);
      klient.set_connection_timeout(2s);
      klient.set_read_timeout(5s);
      for (int i = 0; i < ZgloszenNaNadawce && TZegar::now() < koniec; ++i) {
        const std::string bajty = Bajty(n, i);
        const auto odpowiedz = klient.Get("/?s=rozpoznik_dodaj&ext=BIN&bajty=" + bajty +
                                          "&typ=Plik%20testowy&rozm=" + std::to_string(i));
        if (!odpowiedz) {
          ++przerwanych;
          return;
        }
        if (odpowiedz->status == 200 && odpowiedz->body.find("Dziękujemy") != std::string::npos) {
          const std::lock_guard blokada(straz);
          potwierdzone.insert(bajty);
        }
      }
    });
  }
  for (;;) {
    {
      const std::lock_guard blokada(straz);
      if (potwierdzone.size() >= PotwierdzonychPrzedZabiciem) break;
    }
    if (TZegar::now() >= koniec) break;
    std::this_thread::sleep_for(5ms);
  }
  pierwszy.Zabij();
  for (std::thread& nadawca : nadawcy) nadawca.join();
  ASSERT_GE(potwierdzone.size(), PotwierdzonychPrzedZabiciem);
  EXPECT_GT(przerwanych.load(), 0) << "the kill came after every report had been sent";

  TProcesWitryny drugi(baza, folder.Sciezka() / "drugi.log");
  const std::optional<std::string> ponownie = drugi.Start();
  ASSERT_TRUE(ponownie) << CzytajPlik(folder.Sciezka() / "drugi.log");
  httplib::Client klient("127.0.0.1", Port(*ponownie));
  const auto odpowiedz = klient.Get("/?s=rozpoznik_dodaj&ext=BIN&bajty=" + Bajty(Nadawcow, 0) +
                                    "&typ=Po%20ponownym%20starcie&rozm=1");
  ASSERT_TRUE(odpowiedz);
  EXPECT_EQ(odpowiedz->status, 200);

  std::set<std::string> zapisane;
  for (const TZapisanyWiersz& wiersz : TBaza(baza.string()).Wiersze()) {
    zapisane.insert(wiersz.Zgloszenie.Bajty);
  }
  std::size_t brakujace = 0;
  for (const std::string& bajty : potwierdzone) brakujace += zapisane.count(bajty) == 0;
  EXPECT_EQ(brakujace, 0u) << "of " << potwierdzone.size() << " answered reports";
  EXPECT_EQ(zapisane.count(Bajty(Nadawcow, 0)), 1u);
}

}  // namespace
